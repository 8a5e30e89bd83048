// The marks a form editor draws above the controls it edits: a thin frame
// round the selected one with its grab handles, and a vertical and a
// horizontal guide line where an edge snaps. Each mark is a small child
// window of the edited window, stacked above its controls, which the mouse
// passes through to the edited window. Places are device pixels of that
// window's client area.
#pragma once
#include <windows.h>

#include <array>
#include <optional>

namespace ui {

class SelectionMarks {
public:
    static constexpr int kGrips = 8;  // clockwise from the top-left corner
    using GripRects = std::array<std::optional<RECT>, kGrips>;  // none: not offered

    // Throws std::runtime_error when a mark's window cannot be made.
    explicit SelectionMarks(HWND edited);
    ~SelectionMarks();
    SelectionMarks(const SelectionMarks&) = delete;
    SelectionMarks& operator=(const SelectionMarks&) = delete;

    // The frame just outside `selected`, one pixel at 96 dpi, and the grips.
    void ShowFrame(const RECT& selected, const GripRects& grips, UINT dpi);
    void HideFrame();
    // A guide at each line given, across `view`; none hides that guide.
    void ShowGuides(std::optional<int> x, std::optional<int> y, const RECT& view);
    void HideGuides();

private:
    void Destroy();

    HWND edited_;
    std::array<HWND, kGrips> grips_{};
    std::array<HWND, 4> sides_{};   // top, right, bottom, left
    std::array<HWND, 2> guides_{};  // vertical, horizontal
};

}  // namespace ui
