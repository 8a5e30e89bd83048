// The process's current directory in tests: a guard that puts it back, and
// the check that fails any test which leaves it changed. Relative picture
// names and the file dialogs depend on it, so a test that moves it would
// change what the tests after it see.
#pragma once
#include <string>

#include <gtest/gtest.h>

namespace testsupport {

std::string CurrentDirectory();

// Restores the current directory of its construction when it ends; with a
// folder, also makes that folder current, as for a program started there.
class CurrentDirectoryGuard {
public:
    CurrentDirectoryGuard();
    explicit CurrentDirectoryGuard(const std::string& enter);
    ~CurrentDirectoryGuard();
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    std::string saved_;
};

// Fails a test whose current directory at its end differs from its start.
class CurrentDirectoryCheck : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override;
    void OnTestEnd(const testing::TestInfo&) override;

private:
    std::string atStart_;
};

}  // namespace testsupport
