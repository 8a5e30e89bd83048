#include "support/CurrentDirectory.h"

#include <windows.h>

namespace testsupport {

std::string CurrentDirectory() {
    char folder[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
    return std::string(folder, length < MAX_PATH ? length : 0);
}

CurrentDirectoryGuard::CurrentDirectoryGuard() : saved_(CurrentDirectory()) {}

CurrentDirectoryGuard::CurrentDirectoryGuard(const std::string& enter) : CurrentDirectoryGuard() {
    SetCurrentDirectoryA(enter.c_str());
}

CurrentDirectoryGuard::~CurrentDirectoryGuard() { SetCurrentDirectoryA(saved_.c_str()); }

void CurrentDirectoryCheck::OnTestStart(const testing::TestInfo&) { atStart_ = CurrentDirectory(); }

// Listeners hear a test's end after its fixture is gone, so guards held by
// the fixture have done their work, and before the result is printed, so
// the failure counts for this test.
void CurrentDirectoryCheck::OnTestEnd(const testing::TestInfo&) {
    const std::string atEnd = CurrentDirectory();
    if (atEnd != atStart_) {
        ADD_FAILURE() << "the test left the current directory at " << atEnd << " (it started in " << atStart_
                      << "): restore it with a CurrentDirectoryGuard";
        SetCurrentDirectoryA(atStart_.c_str());  // the tests after it start where this one did
    }
}

}  // namespace testsupport
