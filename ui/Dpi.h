// Display scaling. The programs lay themselves out from 96-dpi values: at D
// dpi a value v is MulDiv(v, D, 96), and a rectangle is scaled by its edges,
// so that elements touching at 96 dpi still touch. Every window knows the D
// it is laid out for; the platform's per-dpi functions are looked up at run
// time, as Windows before 10 has none of them, with the system's dpi and
// metrics in their place.
#pragma once
#include <windows.h>

namespace ui {

constexpr UINT kBaseDpi = 96;

// A place and size in 96-dpi pixels, as the forms' tables give them.
struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Bounds&) const = default;
};

// Sent to a window: a form of this program answers the dpi it is laid out
// for, any other window nothing (a message of its own, registered, so that
// no other window takes it for one of its own).
UINT LayoutDpiQuery();
// The platform's message when a window moved to a monitor of another scaling.
inline constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED

// A length in 96-dpi pixels at dpi: every length that is not a rectangle's
// edge (sizes, margins, steps, thicknesses) scales through it.
int Scale(int value96, UINT dpi);
// The inverse, for a length the platform chose or the mouse moved, in
// device pixels at dpi (rounded to nearest).
int Unscale(int value, UINT dpi);
// A rectangle, by its edges.
RECT ScaleEdges(const Bounds& bounds96, UINT dpi);

// The dpi the system started with (the primary monitor's).
UINT SystemDpi();
// The dpi a window of this program is laid out for; any other window's as
// the platform reports it.
UINT DpiOf(HWND window);
int SystemMetricForDpi(int index, UINT dpi);
// The outer rectangle for a client rectangle, at dpi.
void AdjustForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, UINT dpi);
// The message font at dpi.
LOGFONTW MessageFontForDpi(UINT dpi);
// Asks for per-monitor awareness (v2) for the process. The manifests ask
// for it already; where the platform refuses (Wine 8 answers error 87,
// Windows before 10 has no such call) nothing changes.
void DeclarePerMonitorAware();

}  // namespace ui
