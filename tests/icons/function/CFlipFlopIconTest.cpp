#include "icons/function/CFlipFlopIcon.h"

#include "LogicIconsTestSupport.h"

namespace corvane {
namespace c_flip_flop_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CFlipFlopIconTest : public test::LogicIconNetTest {};

TEST_F(CFlipFlopIconTest, AMissingSetInputAddsItsOwnFlag)
{
    struct Case {
        std::string_view label;
        bool set;
        bool reset;
        int expected;
    };
    const std::vector<Case> cases{
        {"both", true, true, 0},
        {"SET only", true, false, 0},
        {"RESET only", false, true, CFlipFlopIcon::kMissingSetInput},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label));
        CNetDoc net{services, factory};
        auto& flipFlop = Place<CFlipFlopIcon>(net, kDrop);
        if (c.set)
            Link(Place<SourceIcon>(net), 0, flipFlop, CFlipFlopIcon::kSetInput);
        if (c.reset)
            Link(Place<SourceIcon>(net), 0, flipFlop, CFlipFlopIcon::kResetInput);
        Link(flipFlop, 0, Place<RelayIcon>(net), 0);
        bool isolated = false;
        EXPECT_EQ(flipFlop.CheckIconConnections(isolated), c.expected);
    }
}

TEST_F(CFlipFlopIconTest, AFlipFlopWithoutAnyLinkIsReportedAsIsolatedOnly)
{
    auto& flipFlop = Place<CFlipFlopIcon>(doc, kDrop);
    bool isolated = false;
    EXPECT_EQ(flipFlop.CheckIconConnections(isolated), missing_connection::kIsolated);
    EXPECT_TRUE(isolated);
}

TEST_F(CFlipFlopIconTest, SetAndResetInputsHaveTheirOwnHitCodes)
{
    auto& flipFlop = Place<CFlipFlopIcon>(doc, kDrop);
    auto& source = Place<SourceIcon>(doc);
    const auto hit = [&](int input) {
        return flipFlop.HitTestConnect(flipFlop.Input(input).HotRect().Centre(), nullptr, &source.Output(0), &source);
    };
    EXPECT_EQ(hit(CFlipFlopIcon::kSetInput), CFlipFlopIcon::kHitSetInput);
    EXPECT_EQ(hit(CFlipFlopIcon::kResetInput), CFlipFlopIcon::kHitResetInput);
    auto& sink = Place<RelayIcon>(doc);
    EXPECT_EQ(flipFlop.HitTestConnect({}, nullptr, &sink.Input(0), &sink), connector_hit::kOutput);
}

TEST_F(CFlipFlopIconTest, ChoicesKeepTheOtherModeBits)
{
    std::vector<std::uint8_t> bytes = test::ExpectedRecord{257, "RS", {0x07, 0xC0}, 2, 0, 1, 0}.Bytes();
    const std::unique_ptr<CCorvaneIcon> icon = Load(bytes);
    ASSERT_NE(icon, nullptr);
    auto& flipFlop = dynamic_cast<CFlipFlopIcon&>(*icon);
    flipFlop.SetChoices(false, true, true, true);
    EXPECT_EQ(flipFlop.ModeWord(), 0x6807);
}

}  // namespace
}  // namespace c_flip_flop_icon_test
}  // namespace corvane
