#include "ui/PicturePane.h"

namespace ui {
namespace {
constexpr char kClassName[] = "RokabinaPicture";
}

void PicturePane::Create(HWND parent, int id, const std::string& text, Bounds b, HFONT) {
    RegisterWindowClass(kClassName, COLOR_BTNFACE, CS_HREDRAW | CS_VREDRAW);
    CreateHandle(0, kClassName, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, b.left, b.top,
                 std::max(b.width, 0), std::max(b.height, 0), parent);
    SetWindowLongPtrA(hwnd_, GWLP_ID, id);
    SetBounds(b);
}

void PicturePane::SetPicture(Graphic picture) {
    picture_ = std::move(picture);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT PicturePane::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        RECT client;
        GetClientRect(hwnd_, &client);
        if (picture_) picture_->Draw(dc, client);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // clicks and context menus go to the window below
    }
    return Control::Dispatch(msg, wp, lp);
}

}  // namespace ui
