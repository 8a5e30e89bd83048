#include "core/RefillProbe.h"

#include "core/Stopwatch.h"

namespace bench {
namespace {

bool Send(HWND to, UINT msg, WPARAM wp, LPARAM lp, DWORD timeoutMs, DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(to, msg, wp, lp, SMTO_NORMAL, timeoutMs, result ? result : &ignored) != 0;
}

}  // namespace

std::optional<Refill> TimeRefill(HWND window, DWORD timeoutMs) {
    HWND chooser = FindWindowExA(window, nullptr, "ComboBox", nullptr);
    HWND list = FindWindowExA(window, nullptr, "ListBox", nullptr);
    if (!chooser || !list) return std::nullopt;
    const WPARAM pick = MAKEWPARAM(GetDlgCtrlID(chooser), CBN_SELCHANGE);

    Stopwatch watch;
    if (!Send(chooser, CB_SETCURSEL, 0, 0, timeoutMs)) return std::nullopt;
    if (!Send(window, WM_COMMAND, pick, LPARAM(chooser), timeoutMs)) return std::nullopt;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Refill refill;
    refill.ms = watch.Milliseconds();

    DWORD_PTR items = 0;
    if (!Send(list, LB_GETCOUNT, 0, 0, timeoutMs, &items)) return std::nullopt;
    refill.items = int(items);
    return refill;
}

}  // namespace bench
