#include "ui/Form.h"

#include <algorithm>

#include "base/CodePage.h"
#include "ui/Buttons.h"

namespace ui {

FontHandle MakeFont(const char* face, int pixelHeight) {
    LOGFONTW lf{};
    lf.lfHeight = -pixelHeight;  // character height, without internal leading
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, base::ToWide(face).c_str(), LF_FACESIZE);
    return FontHandle(CreateFontIndirectW(&lf));
}

Form::~Form() {
    SetMainMenu(nullptr);
    DestroyHandle();
}

void Form::CreateForm(const FormSpec& design, HWND owner) {
    dpi_ = DpiOf(owner);  // the system's for a main window
    fontFace_ = design.fontFace;
    fontHeight96_ = design.fontHeight;
    font_ = MakeFont(fontFace_, Scale(fontHeight96_, dpi_));
    RegisterWindowClass(design.className, COLOR_BTNFACE);
    mainForm_ = owner == nullptr;
    const DWORD exStyle = WS_EX_CONTROLPARENT | (mainForm_ ? 0 : WS_EX_DLGMODALFRAME);
    const DWORD style = WS_OVERLAPPED | WS_CLIPCHILDREN | design.style;
    // The outer size is given for 96 dpi; what scales is the client area within it.
    RECT frame96{};
    AdjustForDpi(frame96, style, false, exStyle, kBaseDpi);
    client96_ = {design.outer.width - (frame96.right - frame96.left),
                 design.outer.height - (frame96.bottom - frame96.top)};
    RECT outer{0, 0, Scale(client96_.cx, dpi_), Scale(client96_.cy, dpi_)};
    AdjustForDpi(outer, style, false, exStyle, dpi_);
    // A main window belongs to the application window, which stands for it in the task bar.
    CreateHandle(exStyle, design.className, design.caption, style, Scale(design.outer.left, dpi_),
                 Scale(design.outer.top, dpi_), outer.right - outer.left, outer.bottom - outer.top,
                 mainForm_ ? Application::Instance().Handle() : owner);
}

void Form::CenterOnScreen() { ui::CenterOnScreen(hwnd_); }

void Form::SetMainMenu(MainMenu* menu) {
    if (mainMenu_) mainMenu_->form_ = nullptr;
    if (menu && menu->form_) menu->form_->SetMainMenu(nullptr);  // a bar belongs to one window
    mainMenu_ = menu;
    if (menu) menu->form_ = this;
    if (!hwnd_) return;
    const bool added = menu && !GetMenu(hwnd_);
    SetMenu(hwnd_, menu ? menu->Handle() : nullptr);
    if (!added || Destroying()) return;
    // The bar takes its room from the client area, as at 96 dpi, where the
    // outer size stays as it was.
    client96_.cy -= SystemMetricForDpi(SM_CYMENU, kBaseDpi);
    if (dpi_ != kBaseDpi) SizeToClient();
}

void Form::SetDefaultButton(Button* button) {
    defaultButton_ = button;
    SendMessageW(button->Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

int Form::ShowModal() {
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (owner) EnableWindow(owner, FALSE);
    modal_ = true;
    modalResult_ = 0;
    ShowWindow(hwnd_, SW_SHOW);
    if (defaultButton_) SetFocus(defaultButton_->Handle());
    MSG msg;
    bool quit = false;
    while (modalResult_ == 0 && IsWindow(hwnd_)) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (IsDialogMessageW(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // Re-enable the owner before hiding, so that activation returns to it.
    if (owner) EnableWindow(owner, TRUE);
    if (IsWindow(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    modal_ = false;
    if (quit) PostQuitMessage(int(msg.wParam));  // the program's loop must see it too
    return modalResult_;
}

void Form::SetCaption(const std::string& caption) { SetWindowTextW(hwnd_, base::ToWide(caption).c_str()); }

std::string Form::Caption() const { return WindowTextOf(hwnd_); }

SIZE Form::ClientSize() const {
    RECT r;
    GetClientRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void Form::SetClientSize(int width, int height) {
    constexpr int kMax = 32767;
    client96_ = {std::clamp(width, 0, kMax), std::clamp(height, 0, kMax)};
    SizeToClient();
}

void Form::SizeToClient() {
    constexpr int kMax = 32767;
    RECT r{0, 0, std::min(Scale(client96_.cx, dpi_), kMax), std::min(Scale(client96_.cy, dpi_), kMax)};
    AdjustForDpi(r, DWORD(GetWindowLongPtrW(hwnd_, GWL_STYLE)), GetMenu(hwnd_) != nullptr,
                 DWORD(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ChangeDpi(UINT dpi, const RECT& suggested) {
    FontHandle old = std::move(font_);  // in use until every control has the new one
    dpi_ = dpi;
    font_ = MakeFont(fontFace_, Scale(fontHeight96_, dpi_));
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyDpiToControls(dpi_, font_.Get());
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::ForbidResize() {
    DeleteMenu(GetSystemMenu(hwnd_, FALSE), SC_SIZE, MF_BYCOMMAND);
    resizeForbidden_ = true;
}

UINT AcceleratorsQuery() {
    static const UINT message = RegisterWindowMessageW(L"RokabinaAccelerators");
    return message;
}

LRESULT Form::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == LayoutDpiQuery()) return dpi_;
    if (msg == AcceleratorsQuery()) return LRESULT(mainMenu_ ? mainMenu_->Accelerators() : nullptr);
    switch (msg) {
    case kDpiChanged:
        if (!Destroying() && lp) ChangeDpi(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return 0;
    case WM_NCHITTEST: {
        // Windows refuses frame sizing once the Size command is gone from the
        // system menu; this makes every platform refuse it, cursor included.
        LRESULT hit = Window::Dispatch(msg, wp, lp);
        if (resizeForbidden_ && hit >= HTLEFT && hit <= HTBOTTOMRIGHT) return HTBORDER;
        return hit;
    }
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        }
        break;
    case WM_SETFOCUS: {
        // Back to the control that had the focus, or the first tab stop.
        HWND target = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)
                          ? lastFocus_
                          : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        if (target && target != hwnd_) SetFocus(target);
        return 0;
    }
    case WM_SYSCOMMAND:
        if (mainForm_ && (wp & 0xFFF0) == SC_MINIMIZE) {
            Application::Instance().Minimize();
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(short(LOWORD(lp)), short(HIWORD(lp)));
        return 0;
    case DM_GETDEFID:
        if (defaultButton_) return MAKELRESULT(defaultButton_->Id(), DC_HASDEFID);
        break;
    case WM_COMMAND:
        // Enter and Escape as IsDialogMessage reports them.
        if (LOWORD(wp) == IDCANCEL && modal_) {
            modalResult_ = IDCANCEL;
            return 0;
        }
        if (defaultButton_ && (LOWORD(wp) == defaultButton_->Id() || LOWORD(wp) == IDOK) &&
            HWND(lp) != defaultButton_->Handle()) {
            Application::Instance().RunHandler([this] { defaultButton_->Notify(BN_CLICKED); });
            return 0;
        }
        // From the menu (0) or one of its shortcuts (1).
        if (lp == 0 && HIWORD(wp) <= 1 && mainMenu_ && mainMenu_->Run(LOWORD(wp))) return 0;
        break;
    case WM_CLOSE:
        if (modal_) {
            modalResult_ = IDCANCEL;
            return 0;
        }
        break;
    case WM_DESTROY:
        SetMainMenu(nullptr);
        if (mainForm_) Application::Instance().Terminate();
        return 0;
    }
    // A window being destroyed runs no more handlers.
    LRESULT result;
    if (!Destroying() && RouteMessage(msg, wp, lp, result)) return result;
    return Window::Dispatch(msg, wp, lp);
}

}  // namespace ui
