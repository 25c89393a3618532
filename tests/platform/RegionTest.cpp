#include "platform/Region.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

namespace corvane {
namespace region_test {
namespace {

TEST(RegionTest, CombineOperationsKeepTheRightPoints)
{
    const Region a = Region::FromRect({0, 0, 10, 10});
    const Region b = Region::FromRect({5, 5, 15, 15});
    struct Case {
        Region::Combine how;
        bool onlyA;  // (2, 2)
        bool both;   // (7, 7)
        bool onlyB;  // (12, 12)
    };
    const std::vector<Case> cases{
        {Region::Combine::And, false, true, false},
        {Region::Combine::Or, true, true, true},
        {Region::Combine::Xor, true, false, true},
        {Region::Combine::Diff, true, false, false},
    };
    for (const Case& c : cases) {
        const Region r = a.Combined(b, c.how);
        const int how = static_cast<int>(c.how);
        EXPECT_EQ(r.Contains({2, 2}), c.onlyA) << how;
        EXPECT_EQ(r.Contains({7, 7}), c.both) << how;
        EXPECT_EQ(r.Contains({12, 12}), c.onlyB) << how;
        EXPECT_FALSE(r.Contains({20, 20})) << how;
    }
    EXPECT_EQ(a.Combined(b, Region::Combine::And).BoundingRect(), (Rect{5, 5, 10, 10}));
    EXPECT_EQ(a.Combined(b, Region::Combine::Or).BoundingRect(), (Rect{0, 0, 15, 15}));
}

TEST(RegionTest, RectanglesAreHalfOpen)
{
    const Region r = Region::FromRect({2, 3, 6, 8});
    EXPECT_TRUE(r.Contains({2, 3}));
    EXPECT_TRUE(r.Contains({5, 7}));
    EXPECT_FALSE(r.Contains({6, 7}));
    EXPECT_FALSE(r.Contains({5, 8}));
    EXPECT_TRUE(r.Intersects({5, 7, 9, 9}));
    EXPECT_FALSE(r.Intersects({6, 8, 9, 9}));
    EXPECT_FALSE(r.Intersects({3, 4, 3, 9}));  // an empty rectangle meets nothing
}

TEST(RegionTest, EmptyAndUnnormalisedRectanglesGiveEmptyRegions)
{
    for (const Rect rect : {Rect{}, Rect{5, 5, 5, 9}, Rect{9, 9, 2, 2}}) {
        EXPECT_TRUE(Region::FromRect(rect).IsEmpty());
        EXPECT_TRUE(Region::FromEllipse(rect).IsEmpty());
        EXPECT_TRUE(Region::FromRoundRect(rect, {4, 4}).IsEmpty());
    }
    EXPECT_TRUE(Region().IsEmpty());
    EXPECT_EQ(Region().BoundingRect(), Rect{});
    EXPECT_EQ(Region(), Region::FromRect({4, 4, 4, 4}));
}

TEST(RegionTest, RoundRectangleLeavesOutItsCorners)
{
    const Region r = Region::FromRoundRect({0, 0, 20, 20}, {8, 8});
    EXPECT_EQ(r.BoundingRect(), (Rect{0, 0, 20, 20}));
    for (const Point corner : {Point{0, 0}, Point{19, 0}, Point{0, 19}, Point{19, 19}, Point{1, 0}, Point{0, 1}})
        EXPECT_FALSE(r.Contains(corner)) << corner.x << "," << corner.y;
    for (const Point in : {Point{10, 0}, Point{0, 10}, Point{19, 10}, Point{10, 19}, Point{10, 10}, Point{2, 2}})
        EXPECT_TRUE(r.Contains(in)) << in.x << "," << in.y;
    // Corners too small to round leave the rectangle whole.
    EXPECT_EQ(Region::FromRoundRect({0, 0, 20, 20}, {1, 1}), Region::FromRect({0, 0, 20, 20}));
}

TEST(RegionTest, EllipseHoldsItsCentreButNotItsCorners)
{
    const Region r = Region::FromEllipse({0, 0, 30, 20});
    EXPECT_TRUE(r.Contains({15, 10}));
    EXPECT_TRUE(r.Contains({1, 10}));
    EXPECT_FALSE(r.Contains({0, 0}));
    EXPECT_FALSE(r.Contains({29, 19}));
    EXPECT_EQ(r.BoundingRect(), (Rect{0, 0, 30, 20}));
}

TEST(RegionTest, PolygonFillRulesDifferInTheStarsCentre)
{
    const std::array<Point, 5> star{Point{50, 0}, Point{21, 90}, Point{98, 35}, Point{2, 35}, Point{79, 90}};
    const Region alternate = Region::FromPolygon(star, Region::FillRule::Alternate);
    const Region winding = Region::FromPolygon(star, Region::FillRule::Winding);
    EXPECT_FALSE(alternate.Contains({50, 50}));
    EXPECT_TRUE(winding.Contains({50, 50}));
    for (const Region* r : {&alternate, &winding}) {
        EXPECT_TRUE(r->Contains({50, 10}));   // a point of the star
        EXPECT_FALSE(r->Contains({50, 85}));  // between two lower points
    }
    const std::array<Point, 2> line{Point{0, 0}, Point{10, 10}};
    EXPECT_TRUE(Region::FromPolygon(line).IsEmpty());
}

TEST(RegionTest, OffsetMovesAndCopiesAreIndependent)
{
    Region r = Region::FromRect({0, 0, 4, 4});
    const Region moved = r.Offset(10, -2);
    EXPECT_EQ(moved.BoundingRect(), (Rect{10, -2, 14, 2}));
    Region copy = r;
    r = r.Combined(Region::FromRect({4, 0, 8, 4}), Region::Combine::Or);
    EXPECT_EQ(copy.BoundingRect(), (Rect{0, 0, 4, 4}));
    EXPECT_EQ(r.BoundingRect(), (Rect{0, 0, 8, 4}));
    Region taken = std::move(r);
    EXPECT_EQ(taken.BoundingRect(), (Rect{0, 0, 8, 4}));
    EXPECT_TRUE(r.IsEmpty());  // NOLINT(bugprone-use-after-move): moved-from regions are empty
}

TEST(RegionTest, HugeCoordinatesAreSafe)
{
    const Rect everything{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    const Region all = Region::FromRect(everything);
    EXPECT_FALSE(all.IsEmpty());
    EXPECT_TRUE(all.Contains({0, 0}));
    const Region far = all.Offset(INT_MAX, INT_MIN);
    EXPECT_FALSE(far.IsEmpty());
    const std::array<Point, 3> huge{Point{INT_MIN, INT_MIN}, Point{INT_MAX, 0}, Point{0, INT_MAX}};
    EXPECT_FALSE(Region::FromPolygon(huge, Region::FillRule::Winding).IsEmpty());
    EXPECT_FALSE(Region::FromEllipse(everything).IsEmpty());
    EXPECT_FALSE(Region::FromRoundRect(everything, {INT_MAX, INT_MAX}).IsEmpty());
    EXPECT_FALSE(Region::FromRoundRect({0, 0, 10, 10}, {-5, INT_MIN}).IsEmpty());
}

}  // namespace
}  // namespace region_test
}  // namespace corvane
