#include "designer/DragGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace designer {
namespace {

constexpr GripDirection kDirections[] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}};
static_assert(std::size(kDirections) == kGrips);

// Which edges of one axis move: the low one (left, top), the high one
// (right, bottom). A move moves both, a grip one or neither.
struct Edges {
    bool low, high;
};

Edges EdgesOf(std::optional<Grip> grip, bool horizontal) {
    if (!grip) return {true, true};
    const int direction = horizontal ? DirectionOf(*grip).horizontal : DirectionOf(*grip).vertical;
    return {direction < 0, direction > 0};
}

// Moves the edges of [start, start + size) by d.
void MoveEdges(int& start, int& size, Edges edges, int d) {
    if (edges.low && edges.high) {
        start += d;
        return;
    }
    const int end = start + size;
    if (edges.low) start = std::min(start + d, end), size = end - start;
    if (edges.high) size = std::max(0, size + d);
}

// Snaps the moving edges of [start, start + size) to the nearest line; the line, if any.
std::optional<int> SnapEdges(int& start, int& size, Edges edges, const std::vector<int>& lines) {
    std::optional<std::pair<int, int>> best;  // the shift to the line, the line
    for (int line : lines)
        for (bool high : {false, true}) {
            if (!(high ? edges.high : edges.low)) continue;
            const int shift = line - (high ? start + size : start);
            if (std::abs(shift) <= kSnapDistance && (!best || std::abs(shift) < std::abs(best->first)))
                best = std::pair{shift, line};
        }
    if (!best) return std::nullopt;
    if (edges.low) start += best->first;
    if (edges.low != edges.high) size += edges.high ? best->first : -best->first;
    return best->second;
}

}  // namespace

GripDirection DirectionOf(Grip grip) { return kDirections[grip]; }

ui::Bounds Dragged(const ui::Bounds& start, std::optional<Grip> grip, int dx, int dy) {
    ui::Bounds b = start;
    MoveEdges(b.left, b.width, EdgesOf(grip, true), dx);
    MoveEdges(b.top, b.height, EdgesOf(grip, false), dy);
    return b;
}

Snapped Snap(const ui::Bounds& bounds, std::optional<Grip> grip, const SnapLines& lines) {
    Snapped s{bounds, std::nullopt, std::nullopt};
    s.x = SnapEdges(s.bounds.left, s.bounds.width, EdgesOf(grip, true), lines.xs);
    s.y = SnapEdges(s.bounds.top, s.bounds.height, EdgesOf(grip, false), lines.ys);
    return s;
}

}  // namespace designer
