#include "ui/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <optional>

#include "ui/Sound.h"

namespace ui {
namespace {

// Optional sign, then one or more ASCII digits, nothing else, within 32 bits.
std::optional<int> ParseInteger(const std::string& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > -static_cast<long long>(INT_MIN)) return std::nullopt;  // stop before it can overflow
    }
    long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) return std::nullopt;
    return int(value);
}

// The locale's decimal separator, or 0 when it is not an ASCII character.
WPARAM DecimalSeparator() {
    wchar_t sep[8] = {};
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, int(std::size(sep)))) return '.';
    return sep[0] < 0x80 ? sep[0] : 0;
}

bool AcceptsChar(WPARAM ch) {
    if (ch == '\r') return false;
    if (ch < 0x20) return true;  // Backspace, Ctrl+C, Ctrl+V, ...
    if ((ch >= '0' && ch <= '9') || ch == '+' || ch == '-') return true;
    return ch == DecimalSeparator();
}

}  // namespace

SpinEdit::~SpinEdit() { DestroyHandle(); }

void SpinEdit::Arrows::Create(HWND field) {
    CreateSubclassed(0, UPDOWN_CLASSA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, field, 0);
    // The default range runs backwards (100 to 0), which flips the sign of a
    // click; a rising range with the position inside it leaves room both ways.
    SendMessageW(hwnd_, UDM_SETRANGE32, WPARAM(-1), LPARAM(1));
    SendMessageW(hwnd_, UDM_SETPOS32, 0, 0);
}

void SpinEdit::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT font) {
    CreateStandard("EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CLIENTEDGE, parent, id, text, b,
                   font);
    // No buddy: the field does the counting, the arrows only report clicks.
    arrows_.Create(hwnd_);
    PlaceArrows();
}

void SpinEdit::SetLimits(int minValue, int maxValue) {
    min_ = std::min(minValue, maxValue);
    max_ = std::max(minValue, maxValue);
}

int SpinEdit::MinValue() const { return min_; }
int SpinEdit::MaxValue() const { return max_; }

int SpinEdit::Value() const { return ParseInteger(Text()).value_or(min_); }

void SpinEdit::SetValue(int value) {
    if (Bounded()) value = std::clamp(value, min_, max_);
    SetText(std::to_string(value));  // reports a change only when the text differs
}

void SpinEdit::Step(int direction) {
    long long next = static_cast<long long>(Value()) + direction;
    SetValue(int(std::clamp<long long>(next, INT_MIN, INT_MAX)));  // saturate rather than wrap
}

// A typed value outside the bounds stands until the field loses the focus.
void SpinEdit::ClampTypedValue() {
    if (!Bounded()) return;
    int value = Value();
    if (value < min_ || value > max_) SetValue(value);
}

// The arrows fill the right part of the client area; text stops short of them.
void SpinEdit::PlaceArrows() {
    RECT client;
    GetClientRect(hwnd_, &client);
    int width = std::min<int>(SystemMetricForDpi(SM_CXVSCROLL, Dpi()), client.right);
    SetWindowPos(arrows_.Handle(), nullptr, client.right - width, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width));
}

LRESULT SpinEdit::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NOTIFY: {
        auto* n = reinterpret_cast<NMUPDOWN*>(lp);
        if (n->hdr.hwndFrom != arrows_.Handle() || n->hdr.code != UDN_DELTAPOS) break;
        if (n->iDelta != 0) Step(n->iDelta > 0 ? 1 : -1);
        return 1;  // the arrows' own position never moves
    }
    case WM_VSCROLL:
        if (HWND(lp) == arrows_.Handle()) return 0;  // the arrows' position report: nothing to scroll
        break;
    case WM_GETDLGCODE: {
        // Enter must reach the field and be refused there, not be taken by
        // the dialog manager of the program's message loop first.
        LRESULT code = DefaultProc(msg, wp, lp);
        const auto* key = reinterpret_cast<const MSG*>(lp);
        if (key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_RETURN)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (wp == VK_UP || wp == VK_DOWN) {
            Step(wp == VK_UP ? 1 : -1);
            return 0;
        }
        break;
    case WM_CHAR:
        if (!AcceptsChar(wp)) {
            PlaySystemSound(MB_OK);
            return 0;
        }
        break;
    case WM_IME_CHAR:
        PlaySystemSound(MB_OK);
        return 0;
    case WM_KILLFOCUS: {
        LRESULT result = DefaultProc(msg, wp, lp);
        ClampTypedValue();
        return result;
    }
    case WM_SIZE:
    case WM_SETFONT: {
        LRESULT result = DefaultProc(msg, wp, lp);  // a new font resets the margins
        if (arrows_.Handle()) PlaceArrows();
        return result;
    }
    }
    return Edit::Dispatch(msg, wp, lp);
}

}  // namespace ui
