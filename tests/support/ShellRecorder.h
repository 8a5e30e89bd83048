// What the shell is asked to open. ShellRecorder registers, for the life of
// the object, the recorder program as what the shell's "open" verb starts for
// files of the extension ".rkrec", and reads back what it was handed.
#pragma once
#include <string>
#include <vector>

namespace testsupport {

class ShellRecorder {
public:
    struct Request {
        std::wstring wideItem;
        std::wstring wideWorkFolder;
        // The same in code page 932, for names it holds.
        std::string item;
        std::string workFolder;
    };

    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    // Waits until `count` requests have arrived (or the time is up).
    std::vector<Request> WaitFor(size_t count, unsigned timeoutMs = 15000) const;

private:
    std::string recorder_;
    std::string log_;
};

// Takes this process's shell requests for the life of the object, so that
// nothing starts: a folder would open a file manager, an address a browser.
class ShellRequests {
public:
    ShellRequests();
    ~ShellRequests();
    ShellRequests(const ShellRequests&) = delete;
    ShellRequests& operator=(const ShellRequests&) = delete;

    std::vector<ShellRecorder::Request> items;
};

}  // namespace testsupport
