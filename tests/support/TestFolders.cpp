#include "support/TestFolders.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace testsupport {
namespace {

// The variable's value; empty, and the test failed, when it is not set.
std::string FolderFromEnvironment(const char* variable) {
    char folder[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA(variable, folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        ADD_FAILURE() << "set " << variable << " as tests/CMakeLists.txt does";
        return {};
    }
    return std::string(folder, length);
}

}  // namespace

std::string TestDataPath(const std::string& relative) {
    return FolderFromEnvironment("ROKABINA_TEST_DATA") + "\\" + relative;
}

std::string PictureCorpusPath(const std::string& relative) {
    return FolderFromEnvironment("ROKABINA_PICTURE_CORPUS") + "\\" + relative;
}

std::string DistFolder() {
    char buffer[MAX_PATH] = {};
    if (GetEnvironmentVariableA("ROKABINA_DIST", buffer, MAX_PATH)) return std::string(buffer) + "\\";
    // Run by hand from the build tree: tests\..\..\dist.
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path = buffer;
    return path.substr(0, path.rfind('\\')) + "\\..\\..\\dist\\";
}

}  // namespace testsupport
