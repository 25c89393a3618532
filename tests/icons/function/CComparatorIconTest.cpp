#include "icons/function/CComparatorIcon.h"

#include "LogicIconsTestSupport.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_comparator_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CComparatorIconTest : public test::LogicIconNetTest {};

TEST_F(CComparatorIconTest, NeedsTwoLinkedInputsAndItsOutput)
{
    struct Case {
        std::string_view label;
        int bitmap;
        int linked;
        int expected;
    };
    const std::vector<Case> cases{
        {"comparator, one input", res::kBitmapComparator, 1, missing_connection::kDataInput},
        {"comparator, both inputs", res::kBitmapComparator, 2, 0},
        {"window, two of three", res::kBitmapWindowComparator, 2, 0},
        {"window, one of three", res::kBitmapWindowComparator, 1, missing_connection::kDataInput},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label));
        CNetDoc net{services, factory};
        auto& comparator = Place<CComparatorIcon>(net, kDrop, c.bitmap);
        for (int i = 0; i < c.linked; ++i)
            Link(Place<SourceIcon>(net), 0, comparator, i);
        Link(comparator, 0, Place<RelayIcon>(net), 0);
        bool isolated = false;
        EXPECT_EQ(comparator.CheckIconConnections(isolated), c.expected);
    }
}

TEST_F(CComparatorIconTest, InputsHaveTheHitCodesOfTheirVariant)
{
    auto& comparator = Place<CComparatorIcon>(doc, kDrop, res::kBitmapComparator);
    auto& window = Place<CComparatorIcon>(doc, Rect{500, 100, 532, 132}, res::kBitmapWindowComparator);
    auto& source = Place<SourceIcon>(doc);
    const auto hit = [&](CComparatorIcon& icon, int input) {
        return icon.HitTestConnect(icon.Input(input).HotRect().Centre(), nullptr, &source.Output(0), &source);
    };
    EXPECT_EQ(hit(comparator, 0), CComparatorIcon::kHitPlusInput);
    EXPECT_EQ(hit(comparator, 1), CComparatorIcon::kHitMinusInput);
    EXPECT_EQ(hit(window, CComparatorIcon::kHighThreshold), CComparatorIcon::kHitHighThreshold);
    EXPECT_EQ(hit(window, CComparatorIcon::kSignal), connector_hit::kInput);
    EXPECT_EQ(hit(window, CComparatorIcon::kLowThreshold), CComparatorIcon::kHitLowThreshold);
}

TEST_F(CComparatorIconTest, SwappingExchangesTheTwoInputsLinks)
{
    auto& comparator = Place<CComparatorIcon>(doc, kDrop, res::kBitmapComparator);
    auto& plus = Place<SourceIcon>(doc, 40, 20, 20);
    auto& minus = Place<SourceIcon>(doc, 40, 20, 80);
    Link(plus, 0, comparator, 0);
    Link(minus, 0, comparator, 1);
    comparator.SwapInputs();
    EXPECT_EQ(comparator.GetInputLinks()[0].sourceId, minus.UniqueId());
    EXPECT_EQ(comparator.GetInputLinks()[1].sourceId, plus.UniqueId());
    EXPECT_EQ(comparator.Input(0).LinkEnd(), minus.Output(0).GetLinkAnchorPoint());
    EXPECT_EQ(comparator.Input(1).LinkEnd(), plus.Output(0).GetLinkAnchorPoint());
}

TEST_F(CComparatorIconTest, AThreeInputRecordLoadsAsAWindowComparator)
{
    // Whatever the mode word says, the input count decides the variant.
    const std::vector<std::uint8_t> bytes =
        test::ExpectedRecord{261, "W", {0x00, 0x00, 0, 0, 0, 0}, 3, 2, 1, 0}.Bytes();
    const std::unique_ptr<CCorvaneIcon> icon = Load(bytes);
    ASSERT_NE(icon, nullptr);
    auto& comparator = dynamic_cast<CComparatorIcon&>(*icon);
    EXPECT_TRUE(comparator.IsWindow());
    EXPECT_EQ(comparator.InputCount(), 3);
    EXPECT_EQ(test::Saved(comparator), bytes);
}

}  // namespace
}  // namespace c_comparator_icon_test
}  // namespace corvane
