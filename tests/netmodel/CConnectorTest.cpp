#include "NetTestIcons.h"

#include "netmodel/NetDrawing.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_connector_test {
namespace {

TEST(Connector, InactiveConnectorsAreNeverHitAndHaveNoType)
{
    CInput input(connector_kind::kDataInput, false, false, {-9, 2}, data_type::kData, nullptr);
    input.SetHotRect({0, 0});
    EXPECT_EQ(input.GetDataType(), 0);
    input.SetDataType(data_type::kLogic);
    EXPECT_EQ(input.GetDataType(), 0);
    EXPECT_FALSE(input.HitTest({2, 2}));
}

TEST(Connector, HitsReachFivePixelsSidewaysAndTwoUpOrDown)
{
    CInput input(connector_kind::kDataInput, true, false, {-9, 2}, data_type::kData, nullptr);
    input.SetHotRect({100, 100});  // 8 x 5: x 100..108, y 100..105
    EXPECT_EQ(input.HotRect(), (Rect{100, 100, 108, 105}));
    struct Case {
        Point point;
        bool hit;
    };
    for (const Case& c : {Case{{95, 102}, true}, Case{{94, 102}, false}, Case{{113, 102}, true},
             Case{{114, 102}, false}, Case{{104, 98}, true}, Case{{104, 97}, false}, Case{{104, 107}, true},
             Case{{104, 108}, false}})
        EXPECT_EQ(input.HitTest(c.point), c.hit) << c.point.x << "," << c.point.y;
    CInput trigger(connector_kind::kTriggerInput, true, true, {14, -9}, data_type::kLogic, nullptr);
    trigger.SetHotRect({0, 0});
    EXPECT_EQ(trigger.HotRect(), (Rect{0, 0, 5, 8})) << "trigger connectors stand upright";
}

TEST(Connector, AnchorsSitOutsideTheBody)
{
    struct Case {
        Point position;
        Point anchor;
    };
    for (const Case& c : {Case{{14, -9}, {4, -3}}, Case{{13, 33}, {4, 6}}, Case{{33, 2}, {7, 2}},
             Case{{-9, 2}, {-1, 2}}, Case{{0, 0}, {4, 2}}}) {
        CInput input(connector_kind::kDataInput, true, false, c.position, data_type::kData, nullptr);
        input.SetHotRect({0, 0});
        EXPECT_EQ(input.GetLinkAnchorPoint(), c.anchor) << c.position.x << "," << c.position.y;
    }
}

TEST(Connector, ConnectorPointsSpreadDownTheSide)
{
    struct Case {
        int n, count, kind;
        Point point;
    };
    for (const Case& c : {Case{1, 1, connector_kind::kDataInput, {-9, 2}}, Case{2, 2, connector_kind::kOutput, {33, 18}},
             Case{3, 4, connector_kind::kDataInput, {-9, 18}}, Case{5, 5, connector_kind::kDataInput, {-9, 50}},
             Case{7, 7, connector_kind::kOutput, {33, 56}}})
        EXPECT_EQ(CCorvaneIcon::GetConnectorPoint(c.n, c.count, c.kind), c.point) << c.n << " of " << c.count;
}

TEST(Connector, ColoursFollowTheDataType)
{
    struct Case {
        int type;
        bool trigger;
        std::uint32_t colour;
    };
    for (const Case& c : {Case{0x0A, true, kConnectorGrey}, Case{4, true, kConnectorBlack},
             Case{16, false, kConnectorBlue}, Case{20, false, kConnectorBlue}, Case{2, true, kConnectorBlue},
             Case{2, false, kConnectorGreen}, Case{6, false, kConnectorGreen}, Case{1, false, kConnectorRed}})
        EXPECT_EQ(ConnectorColour(c.type, c.trigger), RgbFromStoredColour(c.colour)) << c.type;
}

}  // namespace
}  // namespace c_connector_test
}  // namespace corvane
