#include <gtest/gtest.h>

#include "editor/logic/SurfaceGeometry.h"

using namespace editor;

TEST(SurfaceGeometry, SnapTruncatesTowardZeroThenClampKeepsObjectOnBackground) {
    EXPECT_EQ(SnapCoordinate(17, 6), 12);
    EXPECT_EQ(SnapCoordinate(-5, 6), 0);
    const SurfacePoint p = ClampToBackground({-5, 700}, 100, 50, 640, 480);
    EXPECT_EQ(p.X, 0);
    EXPECT_EQ(p.Y, 430);
    // An object wider than the background ends at a negative place.
    EXPECT_EQ(ClampToBackground({10, 10}, 700, 50, 640, 480).X, -60);
}

TEST(SurfaceGeometry, HandlesSitOnTheEdgesAndResizeKeepsAMinimumSize) {
    const SelBox r{20, 120, 10, 50};
    EXPECT_EQ(HandleCorner(r, 1, 3).Y, 6);
    EXPECT_EQ(HandleCorner(r, 5, 3).Y, 47);
    EXPECT_EQ(HandleCorner(r, 0, 3).X, 16);
    EXPECT_EQ(HandleCorner(r, 3, 3).X, 117);
    EXPECT_EQ(HandleCorner(r, 7, 3).Y, 27);
    // Handle 3 dragged left past left + 3 leaves the right edge alone.
    EXPECT_EQ(ResizeByHandle(r, 3, 23, 0, 3).Right, 120);
    EXPECT_EQ(ResizeByHandle(r, 3, 24, 0, 3).Width(), 4);
    // A corner moves two edges, the others stay.
    const SelBox c = ResizeByHandle(r, 6, 5, 80, 3);
    EXPECT_EQ(c.Left, 5);
    EXPECT_EQ(c.Bottom, 80);
    EXPECT_EQ(c.Top, 10);
    EXPECT_EQ(c.Right, 120);
}

TEST(SurfaceGeometry, NudgeCascadeAndPastePlacement) {
    EXPECT_EQ(NudgePosition({0, 5}, Nudge::Left, 10, 10, 100, 100).X, 0);
    EXPECT_EQ(NudgePosition({90, 5}, Nudge::Right, 10, 10, 100, 100).X, 90);
    EXPECT_EQ(NudgePosition({5, 5}, Nudge::Down, 10, 10, 100, 100).Y, 6);
    EXPECT_EQ(NextCascadeOffset(0, 800, 600), 8);
    EXPECT_EQ(NextCascadeOffset(32, 800, 600), 40);
    EXPECT_EQ(NextCascadeOffset(40, 120, 600), 8);
    // Two pastes over the copied object step 6 and 12 down and right.
    std::vector<SurfacePoint> objects{{30, 40}};
    SurfacePoint first = PastePosition({30, 40}, objects, 50, 20, 640, 480);
    EXPECT_EQ(first.X, 36);
    objects.push_back(first);
    EXPECT_EQ(PastePosition(first, objects, 50, 20, 640, 480).Y, 52);
    EXPECT_EQ(PastePosition({30, 40}, {}, 700, 20, 640, 480).X, -60);
}

TEST(SurfaceGeometry, NavigationBeepsAtTheEndsAndAddressesNoMissingObject) {
    EXPECT_TRUE(NavigateSelection(5, 5, Navigate::Next).Beep);
    EXPECT_EQ(NavigateSelection(5, 5, Navigate::Next).Selected, 5);
    EXPECT_TRUE(NavigateSelection(1, 5, Navigate::Previous).Beep);
    EXPECT_EQ(NavigateSelection(-1, 5, Navigate::Next).Selected, 1);
    EXPECT_EQ(NavigateSelection(2, 5, Navigate::Last).Selected, 5);
    EXPECT_EQ(NavigateSelection(-1, 0, Navigate::Last).Selected, -1);
}

TEST(SurfaceGeometry, RestackAndTabOrderPermuteSlots) {
    RestackResult forward = RestackOrder(5, 3, Restack::BringForward);
    EXPECT_EQ(forward.Order, (std::vector<int>{0, 1, 2, 4, 3, 5}));
    EXPECT_EQ(forward.NewSelected, 4);
    EXPECT_EQ(RestackOrder(5, 2, Restack::BringToFront).Order, (std::vector<int>{0, 1, 3, 4, 5, 2}));
    EXPECT_EQ(RestackOrder(5, 4, Restack::SendToBack).Order, (std::vector<int>{0, 4, 1, 2, 3, 5}));
    EXPECT_TRUE(RestackOrder(5, 5, Restack::BringToFront).Order.empty());
    EXPECT_TRUE(RestackOrder(5, 1, Restack::SendBackward).Order.empty());
    EXPECT_EQ(TabOrderMove(4, 4, 1), (std::vector<int>{0, 4, 1, 2, 3}));
    EXPECT_EQ(TabOrderMove(4, 2, 2), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(TabOrderMove(4, 1, 2).empty());
}

TEST(SurfaceGeometry, TabMarkerAvoidsTheRightAndTopEdges) {
    EXPECT_EQ(TabMarkerCorner({10, 60, 40, 70}, 640).X, 60);
    EXPECT_EQ(TabMarkerCorner({560, 620, 40, 70}, 640).X, 540);
    EXPECT_EQ(TabMarkerCorner({10, 60, 20, 50}, 640).Y, 50);
    EXPECT_EQ(TabMarkerCorner({560, 620, 20, 50}, 640).Y, -1);
    EXPECT_EQ(PositionText(1, 2, 3, 4), "L 1, T 2, W 3, H 4");
}
