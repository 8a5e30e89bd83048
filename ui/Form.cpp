#include "ui/Form.h"

#include <algorithm>

namespace ui {

FontHandle MakeFont(const char* face, int pixelHeight) {
    LOGFONTA lf{};
    lf.lfHeight = -pixelHeight;  // character height, without internal leading
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return FontHandle(CreateFontIndirectA(&lf));
}

Form::~Form() {
    SetMainMenu(nullptr);
    DestroyHandle();
}

void Form::CreateForm(const FormSpec& design, HWND owner) {
    font_ = MakeFont(design.fontFace, design.fontHeight);
    RegisterWindowClass(design.className, COLOR_BTNFACE);
    mainForm_ = owner == nullptr;
    DWORD exStyle = WS_EX_CONTROLPARENT | (mainForm_ ? 0 : WS_EX_DLGMODALFRAME);
    // A main window belongs to the application window, which stands for it in the task bar.
    CreateHandle(exStyle, design.className, design.caption, WS_OVERLAPPED | WS_CLIPCHILDREN | design.style,
                 design.outer.left, design.outer.top, design.outer.width, design.outer.height,
                 mainForm_ ? Application::Instance().Handle() : owner);
}

void Form::CenterOnScreen() { ui::CenterOnScreen(hwnd_); }

void Form::SetMainMenu(MainMenu* menu) {
    if (mainMenu_) mainMenu_->form_ = nullptr;
    if (menu && menu->form_) menu->form_->SetMainMenu(nullptr);  // a bar belongs to one window
    mainMenu_ = menu;
    if (menu) menu->form_ = this;
    if (hwnd_) SetMenu(hwnd_, menu ? menu->Handle() : nullptr);
}

void Form::SetDefaultButton(Button* button) {
    defaultButton_ = button;
    SendMessageA(button->Handle(), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
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

void Form::SetCaption(const std::string& caption) { SetWindowTextA(hwnd_, caption.c_str()); }

std::string Form::Caption() const { return WindowTextOf(hwnd_); }

SIZE Form::ClientSize() const {
    RECT r;
    GetClientRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void Form::SetClientSize(int width, int height) {
    constexpr int kMax = 32767;
    RECT r{0, 0, std::clamp(width, 0, kMax), std::clamp(height, 0, kMax)};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongPtrA(hwnd_, GWL_STYLE)), GetMenu(hwnd_) != nullptr,
                       DWORD(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ForbidResize() {
    DeleteMenu(GetSystemMenu(hwnd_, FALSE), SC_SIZE, MF_BYCOMMAND);
    resizeForbidden_ = true;
}

LRESULT Form::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
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
        if (lp == 0 && HIWORD(wp) == 0 && mainMenu_ && mainMenu_->Run(LOWORD(wp))) return 0;
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
