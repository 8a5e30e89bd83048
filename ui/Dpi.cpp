#include "ui/Dpi.h"

namespace ui {
namespace {

// Looked up once: present from Windows 10 1607 on.
template <class F>
F Lookup(const wchar_t* module, const char* name) {
    HMODULE library = GetModuleHandleW(module);
    return library ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
using SetProcessDpiAwarenessContextFn = BOOL(WINAPI*)(HANDLE);

const auto kGetDpiForWindow = Lookup<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
const auto kGetSystemMetricsForDpi = Lookup<GetSystemMetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
const auto kAdjustWindowRectExForDpi = Lookup<AdjustWindowRectExForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
const auto kSystemParametersInfoForDpi =
    Lookup<SystemParametersInfoForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");

// A length at one dpi as it is at another.
int Rescale(int value, UINT fromDpi, UINT toDpi) {
    return fromDpi == toDpi ? value : MulDiv(value, int(toDpi), int(fromDpi));
}

}  // namespace

UINT LayoutDpiQuery() {
    static const UINT message = RegisterWindowMessageW(L"RokabinaLayoutDpi");
    return message;
}

int Scale(int value96, UINT dpi) { return Rescale(value96, kBaseDpi, dpi); }

int Unscale(int value, UINT dpi) { return Rescale(value, dpi, kBaseDpi); }

RECT ScaleEdges(const Bounds& b, UINT dpi) {
    return {Scale(b.left, dpi), Scale(b.top, dpi), Scale(b.left + b.width, dpi), Scale(b.top + b.height, dpi)};
}

UINT SystemDpi() {
    static const UINT dpi = [] {
        HDC screen = GetDC(nullptr);
        const int logPixels = screen ? GetDeviceCaps(screen, LOGPIXELSY) : int(kBaseDpi);
        if (screen) ReleaseDC(nullptr, screen);
        return logPixels > 0 ? UINT(logPixels) : kBaseDpi;
    }();
    return dpi;
}

UINT DpiOf(HWND window) {
    DWORD process = 0;
    if (window && GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId())
        if (const LRESULT dpi = SendMessageW(GetAncestor(window, GA_ROOT), LayoutDpiQuery(), 0, 0)) return UINT(dpi);
    if (window && kGetDpiForWindow)
        if (const UINT dpi = kGetDpiForWindow(window)) return dpi;
    return SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
    if (kGetSystemMetricsForDpi) return kGetSystemMetricsForDpi(index, dpi);
    return Rescale(GetSystemMetrics(index), SystemDpi(), dpi);
}

void AdjustForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, UINT dpi) {
    // At the system's dpi the platform's own frame, as ever.
    if (dpi != SystemDpi() && kAdjustWindowRectExForDpi && kAdjustWindowRectExForDpi(&rect, style, menu, exStyle, dpi))
        return;
    AdjustWindowRectEx(&rect, style, menu, exStyle);
}

LOGFONTW MessageFontForDpi(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!(kSystemParametersInfoForDpi &&
          kSystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))) {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        metrics.lfMessageFont.lfHeight = Rescale(metrics.lfMessageFont.lfHeight, SystemDpi(), dpi);
    }
    return metrics.lfMessageFont;
}

void DeclarePerMonitorAware() {
    const HANDLE kPerMonitorAwareV2 = HANDLE(LONG_PTR(-4));  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
    if (auto set = Lookup<SetProcessDpiAwarenessContextFn>(L"user32.dll", "SetProcessDpiAwarenessContext"))
        set(kPerMonitorAwareV2);
}

}  // namespace ui
