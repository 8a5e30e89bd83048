// Where the tests find the measuring programs: built beside the test program.
#pragma once
#include <windows.h>

#include <string>

namespace benchtests {

inline std::string BesideTests(const char* exeName) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe = path;
    return exe.substr(0, exe.rfind('\\') + 1) + exeName;
}

}  // namespace benchtests
