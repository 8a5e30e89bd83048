// The designer's live preview: the canvas TFrame3 holding the mock window
// TFrame2, which stands for the viewer's client area and holds its six
// elements. The elements have no behaviour of their own: the mouse passes
// through them to the mock window, whose editor (PreviewEditor) selects,
// drags and sizes them.
#pragma once
#include <array>

#include "designer/LayoutElements.h"
#include "ui/ListBox.h"
#include "ui/PicturePane.h"
#include "ui/ScrollBox.h"

namespace designer {

class PreviewEditor;

class TFrame2 : public ui::ScrollBox {
public:
    TFrame2();
    // Creates the elements at the mock window's own design places, with the
    // built-in placeholder pictures.
    void Create(HWND parent, int id, const std::string& text, ui::Bounds bounds, HFONT font) override;

    // The element of that index in Elements().
    ui::Control& Element(int index) const { return *elements_.at(size_t(index)); }
    // The picture pane of that index in Elements(); null for an element of another kind.
    ui::PicturePane* PictureOf(int index) const { return pictures_.at(size_t(index)); }
    ui::ListBox& FileList() const { return *fileList_; }
    // The mouse and the keys in the preview go to it; none: they do nothing.
    void SetEditor(PreviewEditor* editor) { editor_ = editor; }
    PreviewEditor* Editor() const { return editor_; }
    // The selection's frame and grips follow the elements to the new dpi.
    void ApplyDpi(UINT dpi, HFONT font) override;

protected:
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::array<ui::Control*, kElementCount> elements_{};
    std::array<ui::PicturePane*, kElementCount> pictures_{};
    ui::ListBox* fileList_ = nullptr;
    PreviewEditor* editor_ = nullptr;
};

class TFrame3 : public ui::ScrollBox {
public:
    TFrame3();
    void Create(HWND parent, int id, const std::string& text, ui::Bounds bounds, HFONT font) override;

    TFrame2* Frame2 = nullptr;

protected:
    // A click beside the mock window clears the selection.
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace designer
