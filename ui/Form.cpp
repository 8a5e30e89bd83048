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

void Form::CreateForm(const FormSpec& spec) {
    font_ = MakeFont(spec.fontFace, spec.fontHeight);
    RegisterWindowClass(spec.className, COLOR_BTNFACE);
    CreateHandle(WS_EX_CONTROLPARENT, spec.className, spec.caption, WS_OVERLAPPED | WS_CLIPCHILDREN | spec.style,
                 spec.outer.left, spec.outer.top, spec.outer.width, spec.outer.height, nullptr);
}

void Form::SetCaption(const std::string& caption) { SetWindowTextA(hwnd_, caption.c_str()); }

std::string Form::Caption() const {
    int n = GetWindowTextLengthA(hwnd_);
    std::string text(size_t(n) + 1, '\0');
    n = GetWindowTextA(hwnd_, text.data(), n + 1);
    text.resize(size_t(std::max(n, 0)));
    return text;
}

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
        LRESULT hit = Container::Dispatch(msg, wp, lp);
        if (resizeForbidden_ && hit >= HTLEFT && hit <= HTBOTTOMRIGHT) return HTBORDER;
        return hit;
    }
    case WM_CONTEXTMENU:
        OnContextMenu(short(LOWORD(lp)), short(HIWORD(lp)));
        return 0;
    case WM_DESTROY:
        Container::Dispatch(msg, wp, lp);
        if (mainForm_) Application::Instance().Terminate();
        return 0;
    }
    return Container::Dispatch(msg, wp, lp);
}

}  // namespace ui
