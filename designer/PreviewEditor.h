// Editing in the preview as in a form designer: a click selects an element
// (a thin frame with grab handles above every element), dragging it moves
// it, dragging a handle resizes it, arrows nudge it and Shift+arrows size it
// by one pixel, Tab goes through the shown elements. Edges snap to the mock
// window's and the other elements' within 4 pixels (Alt held: not), with a
// guide line where they snap. Every value goes into the layout through the
// host, as a user's change; Escape or a lost capture puts a drag back.
// The geometry is DragGeometry's, the marks are ui::SelectionMarks; this
// is the controller between them, the mouse and the keys.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "designer/DragGeometry.h"
#include "ui/SelectionMarks.h"

namespace designer {

class TFrame2;

class PreviewEditor {
public:
    // What the editor needs of the designer.
    class Host {
    public:
        // An element's place and size as the layout holds them.
        virtual ui::Bounds PlaceOf(int element) const = 0;
        // A new place and size for it, as the user's; an element without a
        // height keeps its own.
        virtual void SetPlace(int element, const ui::Bounds& place) = 0;
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
    struct Drag {
        std::optional<Grip> grip;  // none: a move
        POINT start{};             // where the button went down
        ui::Bounds shown{};        // where the preview showed the element then
        ui::Bounds values{};       // the layout's values then
    };

    int SelectedIndex() const;
    std::string ElementAt(POINT at) const;
    std::optional<Grip> GripAt(POINT at) const;
    bool GripOffered(Grip grip) const;
    RECT GripRect(Grip grip) const;
    void PlaceMarks();
    // Takes the dragged bounds into the layout: the edges the drag moved;
    // the others keep the values they had when it started.
    void Apply(const ui::Bounds& bounds);
    SnapLines LinesOfOthers() const;
    void CancelDrag();

    TFrame2& mock_;
    Host& host_;
    std::string selected_;
    std::optional<Drag> drag_;
    ui::SelectionMarks marks_;
};

}  // namespace designer
