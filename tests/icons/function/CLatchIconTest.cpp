#include "icons/function/CLatchIcon.h"

#include "LogicIconsTestSupport.h"

namespace corvane {
namespace c_latch_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CLatchIconTest : public test::LogicIconNetTest {};

TEST_F(CLatchIconTest, NeedsItsTriggerItsInputAndItsOutput)
{
    struct Case {
        std::string_view label;
        bool trigger;
        bool input;
        bool output;
        int expected;
    };
    const std::vector<Case> cases{
        {"all", true, true, true, 0},
        {"no trigger", false, true, true, missing_connection::kTriggerInput},
        {"no input", true, false, true, missing_connection::kDataInput},
        {"no output", true, true, false, missing_connection::kDataOutput},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label));
        CNetDoc net{services, factory};
        auto& latch = Place<CLatchIcon>(net, kDrop);
        auto& source = Place<SourceIcon>(net);
        if (c.trigger)
            Link(source, 0, latch, kTriggerSlot);
        if (c.input)
            Link(source, 0, latch, 0);
        if (c.output)
            Link(latch, 0, Place<RelayIcon>(net), 0);
        bool isolated = false;
        EXPECT_EQ(latch.CheckIconConnections(isolated), c.expected);
    }
}

TEST_F(CLatchIconTest, TheStateChoiceIsBit0x2000AndKeepsTheOthers)
{
    CLatchIcon latch(kDrop);
    latch.SetOffChosen(true);
    EXPECT_EQ(latch.ModeWord(), 0x7000);
    latch.SetOffChosen(false);
    EXPECT_EQ(latch.ModeWord(), 0x5000);
}

}  // namespace
}  // namespace c_latch_icon_test
}  // namespace corvane
