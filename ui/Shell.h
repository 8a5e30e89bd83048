// Hands a file, folder or address to the shell's "open" verb.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// No parameters, show command 5 (SW_SHOW); the result is not examined and
// nothing waits for the program that opens the item.
void ShellOpen(HWND owner, const std::string& item, const std::string& workFolder);

// Tests that must not start real programs (folders open a file manager)
// take the requests instead of the shell.
using ShellObserver = std::function<void(const std::string& item, const std::string& workFolder)>;
void SetShellObserver(ShellObserver observer);

}  // namespace ui
