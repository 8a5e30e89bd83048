// Editing in the preview as in a form designer: a click selects an element
// (a thin frame with grab handles above every element), dragging it moves
// it, dragging a handle resizes it, arrows nudge it and Shift+arrows size it
// by one pixel, Tab goes through the shown elements. Edges snap to the mock
// window's and the other elements' within 4 pixels (Alt held: not), with a
// guide line where they snap. Every value goes through the element's spin
// edit, as if typed; Escape or a lost capture puts a drag back.
#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "designer/SpinEditBindings.h"
#include "ui/Control.h"
#include "ui/SpinEdit.h"

namespace designer {

class TFrame2;

class PreviewEditor {
public:
    // What the editor needs of the designer.
    class Host {
    public:
        // The spin edit of an element's property; null where the layout has
        // none (the chooser's height).
        virtual ui::SpinEdit* SpinEditOf(const std::string& element, Property property) = 0;
        // Around each user action in the preview: one drag, one key. A
        // cancelled one puts back every value as it was when it started.
        virtual void PreviewActionStarts() = 0;
        virtual void PreviewActionEnds() = 0;
        virtual void PreviewActionCancelled() = 0;

    protected:
        ~Host() = default;
    };

    PreviewEditor(TFrame2& mock, Host& host);
    ~PreviewEditor();
    PreviewEditor(const PreviewEditor&) = delete;
    PreviewEditor& operator=(const PreviewEditor&) = delete;

    // The element selected ("" for none). A hidden element cannot be.
    const std::string& Selected() const { return selected_; }
    void Select(const std::string& element);

    // From the mock window, in its client coordinates (device pixels).
    void MouseDown(POINT at);
    void MouseMove(POINT at, bool snapping);
    void MouseUp();
    void CaptureLost();
    // A key while the preview has the focus; false when it is not the editor's.
    bool Key(UINT key, bool shift);
    HCURSOR CursorAt(POINT at) const;
    // The selected element moved, resized, showed or hid: the frame follows.
    void Follow();

private:
    // The eight grab handles, clockwise from the top-left corner, and what
    // each moves: -1 the left or top edge, +1 the right or bottom, 0 neither.
    enum Grip { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left, kGrips };
    struct Drag {
        std::optional<int> grip;  // none: a move
        POINT start{};            // where the button went down
        ui::Bounds bounds{};      // the element's place then, 96-dpi
        std::array<int, 4> values{};  // its spin edits' values then: left, top, width, height
    };

    ui::Control* Element(const std::string& name) const;
    std::string ElementAt(POINT at) const;
    std::optional<int> GripAt(POINT at) const;
    bool GripOffered(int grip) const;
    RECT GripRect(int grip) const;
    void PlaceDecorations();
    void HideGuides();
    // Sets the element's spin edits to the bounds; the layout's values.
    void Apply(const ui::Bounds& bounds);
    // Snaps the moving edges of bounds to the others', showing the guides.
    ui::Bounds Snapped(ui::Bounds bounds, int horizontal, int vertical);
    void CancelDrag();

    TFrame2& mock_;
    Host& host_;
    std::string selected_;
    std::optional<Drag> drag_;
    std::array<HWND, kGrips> grips_{};
    std::array<HWND, 4> frame_{};   // the frame's four sides
    std::array<HWND, 2> guides_{};  // vertical, horizontal
};

}  // namespace designer
