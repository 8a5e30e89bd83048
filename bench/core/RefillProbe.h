// Times from outside how long a window takes to refill its file list when
// its folder chooser changes, as the viewer's and the floor's windows do:
// the chooser's first item is picked (CB_SETCURSEL), the pick is announced
// to the window as the platform announces a user's pick (WM_COMMAND with
// CBN_SELCHANGE, which returns when the handler has run), and the window is
// made to paint what changed (RDW_UPDATENOW).
#pragma once
#include <windows.h>

#include <optional>

namespace bench {

struct Refill {
    double ms = 0;
    int items = 0;  // in the list afterwards
};

// The window's first combo box is the chooser, its first list box the list.
// Nothing when it has either missing or stops answering within timeoutMs.
std::optional<Refill> TimeRefill(HWND window, DWORD timeoutMs);

}  // namespace bench
