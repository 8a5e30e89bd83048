#include "designer/Preview.h"

#include <memory>
#include <vector>

#include <windowsx.h>

#include "designer/Placeholders.h"
#include "designer/PreviewEditor.h"
#include "layout/LayoutKeys.h"

namespace designer {
namespace {

// The mock window's own design: where the preview starts, before any value
// has moved an element.
std::vector<ui::ControlDecl<TFrame2>> ElementDeclarations() {
    std::vector<ui::ControlDecl<TFrame2>> decls;
    for (int i = 0; i < int(kElementCount); ++i)
        decls.push_back({ElementName(i), KindOf(i), FreshCaption(i), MockPlace(i), Elements()[size_t(i)].tabOrder});
    return decls;
}

}  // namespace

// The viewer's client area, whose size the viewer scales as a whole.
TFrame2::TFrame2() : ScrollBox("Frame2", "TFrame2", COLOR_BTNFACE) { SetScalesWholeSize(true); }

void TFrame2::Create(HWND parent, int id, const std::string& text, ui::Bounds bounds, HFONT font) {
    ScrollBox::Create(parent, id, text, bounds, font);
    const std::vector<ui::ControlDecl<TFrame2>> decls = ElementDeclarations();
    const std::vector<ui::Control*> created = CreateControls(*this, std::span<const ui::ControlDecl<TFrame2>>(decls), font);
    // Each control is of the class its element's kind makes.
    for (size_t i = 0; i < kElementCount; ++i) {
        elements_[i] = created[i];
        if (KindOf(int(i)) == ui::ControlKind::Picture) pictures_[i] = static_cast<ui::PicturePane*>(created[i]);
    }
    fileList_ = static_cast<ui::ListBox*>(created[kFileList]);
    fileList_->SetItemHeight(12);  // the viewer's rows, which its focus frame shows even in an empty list
    pictures_[kHeaderPicture]->SetPicture(LoadPlaceholder(Placeholder::Header));
    pictures_[kFooterPicture]->SetPicture(LoadPlaceholder(Placeholder::Footer));
    // A click on the preview's controls must not press, drop down or select
    // them: the mouse goes through them (pictures let it through already).
    for (size_t i = 0; i < kElementCount; ++i)
        if (KindOf(int(i)) != ui::ControlKind::Picture) elements_[i]->LetMouseThrough();
}

void TFrame2::ApplyDpi(UINT dpi, HFONT font) {
    ScrollBox::ApplyDpi(dpi, font);
    if (editor_) editor_->Follow();
}

LRESULT TFrame2::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    if (editor_) {
        const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        switch (msg) {
        case WM_LBUTTONDOWN: editor_->MouseDown(at); return 0;
        case WM_MOUSEMOVE: editor_->MouseMove(at, GetKeyState(VK_MENU) >= 0); return 0;  // Alt: no snapping
        case WM_LBUTTONUP: editor_->MouseUp(); return 0;
        case WM_CAPTURECHANGED:
            if (HWND(lp) != hwnd_) editor_->CaptureLost();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                POINT cursor;
                GetCursorPos(&cursor);
                ScreenToClient(hwnd_, &cursor);
                SetCursor(editor_->CursorAt(cursor));
                return TRUE;
            }
            break;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;  // arrows, Tab and Escape edit the preview while it has the focus
        case WM_KEYDOWN:
            if (editor_->Key(UINT(wp), GetKeyState(VK_SHIFT) < 0)) return 0;
            break;
        case ui::kChildLayoutChanged: {
            const LRESULT result = ScrollBox::Dispatch(msg, wp, lp);
            editor_->Follow();
            return result;
        }
        }
    }
    return ScrollBox::Dispatch(msg, wp, lp);
}

TFrame3::TFrame3() : ScrollBox("Frame3", "TFrame3", COLOR_BTNHIGHLIGHT) {}

void TFrame3::Create(HWND parent, int id, const std::string& text, ui::Bounds bounds, HFONT font) {
    ScrollBox::Create(parent, id, text, bounds, font);
    Frame2 = &static_cast<TFrame2&>(AddControl(std::make_unique<TFrame2>(), "", {64, 23, layout::kDefaultWindowWidth, layout::kDefaultWindowHeight}, font));
}

LRESULT TFrame3::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN && Frame2 && Frame2->Editor()) {
        Frame2->Editor()->Select("");
        SetFocus(Frame2->Handle());
        return 0;
    }
    return ScrollBox::Dispatch(msg, wp, lp);
}

}  // namespace designer
