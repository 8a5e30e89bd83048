#include "ui/MessageBoxes.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "base/CodePage.h"
#include "ui/Application.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"
#include "ui/ScopedGdi.h"
#include "ui/Window.h"

namespace ui {
namespace {

struct BoxSpec {
    const std::wstring* text;
    const std::wstring* caption;
    BoxIcon icon;
    BoxButtons buttons;
    UINT dpi;  // its owner's
};

struct ButtonSpec {
    int id;
    std::wstring text;
};

std::vector<ButtonSpec> ButtonsOf(BoxButtons buttons) {
    if (buttons == BoxButtons::YesNo) return {{IDYES, base::ToWide("はい(&Y)")}, {IDNO, base::ToWide("いいえ(&N)")}};
    if (buttons == BoxButtons::YesNoCancel)
        return {{IDYES, base::ToWide("はい(&Y)")}, {IDNO, base::ToWide("いいえ(&N)")}, {IDCANCEL, base::ToWide("キャンセル")}};
    return {{IDOK, L"OK"}};
}

FontHandle MessageFont(UINT dpi) {
    if (dpi != SystemDpi()) {
        const LOGFONTW font = MessageFontForDpi(dpi);
        return FontHandle(CreateFontIndirectW(&font));
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return FontHandle(CreateFontIndirectW(&metrics.lfMessageFont));
}

// The system's own icon, at its size for the dpi.
HICON BoxIconFor(BoxIcon icon, UINT dpi) {
    const wchar_t* id = MAKEINTRESOURCEW(icon == BoxIcon::Stop ? 32513 : 32515);  // IDI_HAND, IDI_EXCLAMATION
    if (dpi == SystemDpi()) return LoadIconW(nullptr, id);
    const int size = SystemMetricForDpi(SM_CXICON, dpi);
    return HICON(LoadImageW(nullptr, id, IMAGE_ICON, size, size, LR_SHARED));
}

HWND AddChild(HWND dlg, const wchar_t* cls, const wchar_t* text, DWORD style, int id, RECT r, HFONT font) {
    HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, dlg, HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, WPARAM(font), FALSE);
    return child;
}

// Lays the box out in pixels at its owner's dpi: icon, text measured in the
// message font, a row of buttons centred below.
void BuildBox(HWND dlg, const BoxSpec& box, HFONT font) {
    SetWindowTextW(dlg, box.caption->c_str());
    const UINT dpi = box.dpi;
    const int margin = Scale(12, dpi), iconSize = Scale(32, dpi), buttonW = Scale(88, dpi), buttonH = Scale(26, dpi),
              gap = Scale(8, dpi);

    RECT textRect{0, 0, GetSystemMetrics(SM_CXSCREEN) * 2 / 3, 0};
    {
        WindowDc dc(dlg);
        Selection inFont(dc.Handle(), font);
        DrawTextW(dc.Handle(), box.text->c_str(), int(box.text->size()), &textRect,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    }

    int textLeft = margin;
    int contentH = std::max<int>(textRect.bottom, Scale(16, dpi));
    if (box.icon != BoxIcon::None) {
        HICON icon = BoxIconFor(box.icon, dpi);
        HWND pic = AddChild(dlg, L"STATIC", L"", SS_ICON, kBoxIconId, {margin, margin, margin + iconSize, margin + iconSize}, font);
        SendMessageW(pic, STM_SETICON, WPARAM(icon), 0);
        textLeft += iconSize + margin;
        contentH = std::max(contentH, iconSize);
    }
    int textTop = margin + (contentH - int(textRect.bottom)) / 2;
    AddChild(dlg, L"STATIC", box.text->c_str(), SS_LEFT | SS_NOPREFIX, kBoxTextId,
             {textLeft, textTop, textLeft + textRect.right + 2, textTop + textRect.bottom}, font);

    auto buttons = ButtonsOf(box.buttons);
    int rowW = int(buttons.size()) * buttonW + int(buttons.size() - 1) * gap;
    int clientW = std::max<int>(textLeft + textRect.right + margin, rowW + 2 * margin);
    int buttonTop = margin + contentH + margin;
    int clientH = buttonTop + buttonH + margin;
    int x = (clientW - rowW) / 2;
    bool first = true;
    for (const auto& b : buttons) {
        DWORD style = WS_TABSTOP | (first ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        HWND button = AddChild(dlg, L"BUTTON", b.text.c_str(), style, b.id, {x, buttonTop, x + buttonW, buttonTop + buttonH}, font);
        if (first) {
            SendMessageW(dlg, DM_SETDEFID, b.id, 0);
            SetFocus(button);
        }
        first = false;
        x += buttonW + gap;
    }

    RECT frame{0, 0, clientW, clientH};
    AdjustForDpi(frame, DWORD(GetWindowLongPtrW(dlg, GWL_STYLE)), false, DWORD(GetWindowLongPtrW(dlg, GWL_EXSTYLE)),
                 dpi);
    SetWindowPos(dlg, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    CenterOnScreen(dlg);
}

struct BoxState {
    BoxSpec box;
    FontHandle font;
};

INT_PTR CALLBACK BoxProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: {
        auto* state = reinterpret_cast<BoxState*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        BuildBox(dlg, state->box, state->font.Get());
        return FALSE;  // focus was set on the default button
    }
    case WM_COMMAND: {
        auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(dlg, DWLP_USER));
        const BoxButtons buttons = state->box.buttons;
        switch (LOWORD(wp)) {
        case IDOK:
            // Enter with the focus off the buttons: the default button answers.
            EndDialog(dlg, buttons == BoxButtons::Ok ? IDOK : IDYES);
            return TRUE;
        case IDYES:
        case IDNO:
            EndDialog(dlg, LOWORD(wp));
            return TRUE;
        case IDCANCEL:  // Escape, the close box, and "キャンセル"
            EndDialog(dlg, buttons == BoxButtons::YesNo ? IDNO : buttons == BoxButtons::Ok ? IDOK : IDCANCEL);
            return TRUE;
        }
        break;
    }
    case WM_CLOSE:
        SendMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

BoxAnswer ShowBox(const std::wstring& text, const std::wstring& caption, BoxIcon icon, BoxButtons buttons) {
    // An empty dialog template; BuildBox creates the controls in pixels.
    struct alignas(4) Template {
        DLGTEMPLATE dlg;
        WORD menu, windowClass, title;
    } tmpl{};
    tmpl.dlg.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
    tmpl.dlg.dwExtendedStyle = WS_EX_DLGMODALFRAME;

    // Before the main window shows, the application window owns the box, so
    // that the box gets no task-bar entry of its own.
    HWND owner = GetActiveWindow();
    if (!owner) owner = Application::Instance().Handle();
    const UINT dpi = DpiOf(owner);
    BoxState state{{&text, &caption, icon, buttons, dpi}, MessageFont(dpi)};
    // A Unicode dialog, so that a text in UTF-16 shows whole.
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &tmpl.dlg, owner, BoxProc, LPARAM(&state));
    if (result == IDYES) return BoxAnswer::Yes;
    if (result == IDNO) return BoxAnswer::No;
    if (buttons == BoxButtons::YesNoCancel) return BoxAnswer::Cancel;
    return buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
}

BoxAnswer ShowBox(const std::string& text, const std::string& caption, BoxIcon icon, BoxButtons buttons) {
    return ShowBox(base::ToWide(text), base::ToWide(caption), icon, buttons);
}

void ShowPlainMessage(const std::wstring& text) {
    ShowBox(text, base::ToWide(Application::Instance().Title()), BoxIcon::None, BoxButtons::Ok);
}
void ShowPlainMessage(const std::string& text) { ShowPlainMessage(base::ToWide(text)); }

void ShowErrorBox(const std::wstring& text) {
    ShowBox(text, base::ToWide(Application::Instance().Title()), BoxIcon::Stop, BoxButtons::Ok);
}

void ShowErrorMessage(const std::wstring& text) {
    ShowBox(text, base::ToWide("エラー"), BoxIcon::Stop, BoxButtons::Ok);
}
void ShowErrorMessage(const std::string& text) { ShowErrorMessage(base::ToWide(text)); }

bool AskError(const std::string& question) {
    return ShowBox(question, "エラー", BoxIcon::Stop, BoxButtons::YesNo) == BoxAnswer::Yes;
}

BoxAnswer AskWarningOrCancel(const std::string& question) {
    return ShowBox(question, "警告", BoxIcon::Warning, BoxButtons::YesNoCancel);
}

bool AskWarning(const std::string& question) {
    return ShowBox(question, "警告", BoxIcon::Warning, BoxButtons::YesNo) == BoxAnswer::Yes;
}

}  // namespace ui
