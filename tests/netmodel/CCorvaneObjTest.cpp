#include "NetTestViews.h"
#include "PlatformTestSupport.h"

#include "base/ByteWriter.h"
#include "netmodel/CCorvaneDoc.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvane {
namespace c_corvane_obj_test {
namespace {

using test::FakeObjectView;

class NetObject : public test::PlatformTest {
protected:
    NetObject() { doc.AddView(view); }
    CCorvaneObj& Add(const Rect& r, unsigned type = object_type::kIconOrControl)
    {
        auto object = std::make_unique<CCorvaneObj>(r);
        object->SetType(type);
        return doc.AddObject(std::move(object));
    }
    CCorvaneDoc doc;
    FakeObjectView view;
};

TEST_F(NetObject, DefaultRecordIsTheNewObjectRecord)
{
    const CCorvaneObj object;
    std::vector<std::uint8_t> bytes(kObjectRecordSize);
    ByteWriter writer(bytes);
    WriteObjectRecord(writer, object.ToRecord());
    const std::vector<std::uint8_t> expected{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // rectangle
        0, 0, 1, 0,                                                                         // type, pen on
        6, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,                                     // pen
        1, 0,                                                                               // brush on
        0, 0, 0, 0, 0xC0, 0xC0, 0xC0, 0, 0, 0, 0, 0};                                       // brush
    EXPECT_EQ(bytes, expected);
}

TEST_F(NetObject, HitTestGivesHandleZonesOnlyToTheOnlySelection)
{
    CCorvaneObj& object = Add({100, 100, 200, 160});
    struct Case {
        Point point;
        int unselected;
        int selected;
    };
    const Case cases[] = {
        {{99, 130}, 0, 0},
        {{100, 100}, 1, 2},  // edges count inside
        {{150, 100}, 1, 3},
        {{200, 100}, 1, 4},
        {{196, 130}, 1, 5},
        {{200, 160}, 1, 6},
        {{150, 156}, 1, 7},
        {{104, 160}, 1, 8},
        {{104, 130}, 1, 9},
        {{105, 130}, 1, 1},
        {{201, 161}, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(object.HitTestHandles(c.point, &view), c.unselected) << c.point.x << "," << c.point.y;
    view.selection = {&object};
    for (const Case& c : cases)
        EXPECT_EQ(object.HitTestHandles(c.point, &view), c.selected) << c.point.x << "," << c.point.y;
    object.SetDrawHandles(false);
    EXPECT_EQ(object.HitTestHandles({100, 100}, &view), 1) << "only objects with handles are sized";
}

TEST_F(NetObject, HandlesMoveTheSidesTheyStandOn)
{
    const Rect start{100, 100, 200, 160};
    struct Case {
        int handle;
        Rect expected;
    };
    const Case cases[] = {
        {2, {50, 40, 200, 160}}, {3, {100, 40, 200, 160}}, {4, {100, 40, 50, 160}}, {5, {100, 100, 50, 160}},
        {6, {100, 100, 50, 40}}, {7, {100, 100, 200, 40}}, {8, {50, 100, 200, 40}}, {9, {50, 100, 200, 160}},
        {1, {50, 40, 200, 160}},
    };
    for (const Case& c : cases) {
        CCorvaneObj& object = Add(start);
        object.MoveHandleTo(c.handle, {50, 40}, nullptr);
        EXPECT_EQ(object.Position(), c.expected) << c.handle;
    }
    CCorvaneObj& line = Add(start, object_type::kLine);
    EXPECT_EQ(line.GetHandleCount(), 2);
    EXPECT_EQ(line.GetHandle(7), (Point{200, 160}));
    line.MoveHandleTo(8, {10, 20}, nullptr);
    EXPECT_EQ(line.Position(), (Rect{100, 100, 10, 20}));
}

TEST_F(NetObject, MovingRepaintsBothAreasAndModifiesOnlyOnChange)
{
    CCorvaneObj& object = Add({0, 0, 10, 10});
    object.MoveTo({0, 0, 10, 10}, &view);
    EXPECT_TRUE(view.invalidated.empty());
    EXPECT_FALSE(doc.IsModified());
    object.MoveTo({5, 5, 15, 15}, nullptr);  // through the document's views
    EXPECT_EQ(view.invalidated, (std::vector<Rect>{{0, 0, 10, 10}, {5, 5, 15, 15}}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(NetObject, IntersectionFollowsTheObjectType)
{
    const Rect probe{50, 50, 51, 51};
    EXPECT_FALSE(Add({0, 0, 100, 100}, object_type::kRectangle).Intersects(probe));
    EXPECT_FALSE(Add({0, 0, 100, 100}, object_type::kNotHitTestable).Intersects(probe));
    EXPECT_TRUE(Add({0, 0, 100, 100}, object_type::kIconOrControl).Intersects(probe));
    EXPECT_TRUE(Add({0, 0, 100, 100}, 7).Intersects(probe));
    EXPECT_TRUE(Add({0, 0, 100, 100}, object_type::kLine).Intersects(probe)) << "on the diagonal";
    EXPECT_FALSE(Add({0, 0, 100, 100}, object_type::kLine).Intersects({90, 5, 91, 6})) << "far off the line";
}

TEST_F(NetObject, CursorsFollowTheFlags)
{
    CCorvaneObj& object = Add({0, 0, 10, 10});
    EXPECT_EQ(object.GetHandleCursor(0), object_cursor::kArrow);
    EXPECT_EQ(object.GetHandleCursor(3), object_cursor::kMove);
    object.SetDrawOutline(false);
    EXPECT_EQ(object.GetHandleCursor(3), object_cursor::kSizeAll);
    object.SetDrawHandles(false);
    EXPECT_EQ(object.GetHandleCursor(3), object_cursor::kArrow);
}

}  // namespace
}  // namespace c_corvane_obj_test
}  // namespace corvane
