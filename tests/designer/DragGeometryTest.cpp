// Moving, sizing and snapping an element, as numbers: no window involved.
#include "designer/DragGeometry.h"

#include <gtest/gtest.h>

namespace {

using designer::Grip;
using ui::Bounds;

const Bounds kButton{88, 240, 89, 25};

TEST(DragGeometry, AMoveTakesTheWholeElementAndAGripOnlyItsEdges) {
    struct Case {
        std::optional<Grip> grip;
        int dx, dy;
        Bounds expected;
    };
    const Case cases[] = {
        {std::nullopt, -100, 5, {-12, 245, 89, 25}},
        {Grip::TopLeft, 12, 10, {100, 250, 77, 15}},
        {Grip::Top, 30, -10, {88, 230, 89, 35}},  // a side grip moves nothing across
        {Grip::Right, 11, 99, {88, 240, 100, 25}},
        {Grip::BottomRight, -200, -200, {88, 240, 0, 0}},  // no size below 0
        {Grip::TopLeft, 200, 200, {177, 265, 0, 0}},       // nor an edge past the other
        {Grip::BottomLeft, -8, 3, {80, 240, 97, 28}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(designer::Dragged(kButton, c.grip, c.dx, c.dy), c.expected)
            << "grip " << (c.grip ? int(*c.grip) : -1) << " by " << c.dx << ", " << c.dy;
}

TEST(DragGeometry, MovingEdgesSnapToTheNearestLineWithinFourPixels) {
    const designer::SnapLines lines{{0, 89, 177}, {0, 240, 265}};
    struct Case {
        Bounds dragged;
        std::optional<Grip> grip;
        Bounds expected;
        std::optional<int> x, y;
    };
    const Case cases[] = {
        // Either edge of a moved element snaps; the nearer line wins.
        {{92, 250, 89, 25}, std::nullopt, {89, 250, 89, 25}, 89, std::nullopt},
        {{90, 236, 89, 25}, std::nullopt, {89, 240, 89, 25}, 89, 240},
        {{84, 252, 89, 10}, std::nullopt, {88, 255, 89, 10}, 177, 265},
        {{94, 250, 89, 25}, std::nullopt, {94, 250, 89, 25}, std::nullopt, std::nullopt},  // 5 away
        // A grip snaps the edge it moves, and sizes against the other.
        {{92, 250, 85, 25}, Grip::Left, {89, 250, 88, 25}, 89, std::nullopt},
        {{10, 250, 82, 25}, Grip::Right, {10, 250, 79, 25}, 89, std::nullopt},
        {{2, 250, 50, 25}, Grip::Bottom, {2, 250, 50, 25}, std::nullopt, std::nullopt},  // x is not its axis
    };
    for (const Case& c : cases) {
        const designer::Snapped s = designer::Snap(c.dragged, c.grip, lines);
        EXPECT_EQ(s.bounds, c.expected) << c.dragged.left << ", " << c.dragged.top;
        EXPECT_EQ(s.x, c.x) << c.dragged.left << ", " << c.dragged.top;
        EXPECT_EQ(s.y, c.y) << c.dragged.left << ", " << c.dragged.top;
    }
}

}  // namespace
