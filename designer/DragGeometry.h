// The geometry of moving and sizing an element in the preview, in layout
// (96-dpi) pixels and without windows: which edges a grab handle moves, where
// a drag takes them, and where they snap.
#pragma once
#include <optional>
#include <vector>

#include "ui/Dpi.h"

namespace designer {

// The eight grab handles, clockwise from the top-left corner.
enum Grip { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left, kGrips };

// How a grip moves the edges along each axis: -1 the left (top) edge, +1
// the right (bottom) edge, 0 neither.
struct GripDirection {
    int horizontal, vertical;
};
GripDirection DirectionOf(Grip grip);

// Edges within this distance of another edge snap to it.
inline constexpr int kSnapDistance = 4;

// Where a drag from `start` by (dx, dy) takes the element: a move (no grip)
// moves it whole; a grip moves its edges only, never taking a size below 0
// nor an edge past the opposite one.
ui::Bounds Dragged(const ui::Bounds& start, std::optional<Grip> grip, int dx, int dy);

// The edges the others snap to, along each axis.
struct SnapLines {
    std::vector<int> xs, ys;
};
// The lines snapped to along each axis, if any.
struct Snapped {
    ui::Bounds bounds;
    std::optional<int> x, y;
};
// Snaps the edges that the drag moves to the nearest line within the
// distance, along each axis on its own.
Snapped Snap(const ui::Bounds& bounds, std::optional<Grip> grip, const SnapLines& lines);

}  // namespace designer
