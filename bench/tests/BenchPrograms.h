// Where the tests find the measuring programs (built beside the test program)
// and what the tests expect of them as processes.
#pragma once
#include <windows.h>

#include <string>

namespace benchtests {

constexpr DWORD kPatientMs = 60000;        // long enough for a start under a loaded Wine
constexpr DWORD kUsageError = 0xFFFFFFFF;  // the exit code of a program given wrong arguments

inline std::string BesideTests(const char* exeName) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe = path;
    return exe.substr(0, exe.rfind('\\') + 1) + exeName;
}

}  // namespace benchtests
