// Hands a file, folder or address to the shell's "open" verb.
#pragma once
#include <windows.h>

#include <functional>

#include "base/FileSystemPath.h"

namespace ui {

// No parameters, show command 5 (SW_SHOW); the result is not examined and
// nothing waits for the program that opens the item. An item of the
// platform's path limit or longer goes to the shell as an item ID list made
// from its full path, the one form in which the shell takes such paths.
void ShellOpen(HWND owner, const base::Path& item, const base::Path& workFolder);

// Tests that must not start real programs (folders open a file manager)
// take the requests instead of the shell.
using ShellObserver = std::function<void(const base::Path& item, const base::Path& workFolder)>;
void SetShellObserver(ShellObserver observer);

// The window thread's COM apartment, for the life of the object: the shell
// may hand a request to COM handlers. Apartment-threaded, OLE1 DDE off.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};

}  // namespace ui
