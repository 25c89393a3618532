#include "icons/hardware/CQuvEngRelayIcon.h"

#include "HardwareIconTestSupport.h"

#include "netmodel/TerminalStripEntry.h"

namespace corvane {
namespace c_quv_eng_relay_icon_test {
namespace {

using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class QuvEngRelayIcon : public test::HardwareIconNetTest {};

TEST_F(QuvEngRelayIcon, AnswersAsTheLoggersChannelWithTwoTerminals)
{
    auto& relay = Place<CQuvEngRelayIcon>(doc, kDrop);
    relay.SetName("Pump");
    EXPECT_TRUE(relay.IsHardwareLayout());
    EXPECT_EQ(relay.GetModuleType(), 0);
    EXPECT_EQ(relay.GetModuleAddress(), -17);
    EXPECT_EQ(relay.GetPinCount(), 2);

    struct Pin {
        int index;
        std::string_view function;
        std::string_view polarity;
        bool blankLineAfter;
    };
    const Pin pins[] = {{22, "Relay Common", "[-]", false}, {23, "Relay Normally Open", "[+]", true}};
    for (int n = 1; n <= 2; ++n) {
        const Pin& expected = pins[n - 1];
        TerminalStripEntry entry;
        ASSERT_EQ(relay.GetPinInfo(n, entry), 0) << n;
        EXPECT_EQ(entry.index, expected.index);
        EXPECT_EQ(entry.terminalNumber, expected.index);
        EXPECT_EQ(entry.name, "Pump");
        EXPECT_EQ(entry.function, expected.function);
        EXPECT_EQ(entry.polarity, expected.polarity);
        EXPECT_EQ(entry.blankLineAfter, expected.blankLineAfter);
        EXPECT_FALSE(entry.moduleHeading);
        EXPECT_FALSE(entry.stripHeading);
    }
    for (int n : {0, 3, -1}) {
        TerminalStripEntry untouched;
        EXPECT_EQ(relay.GetPinInfo(n, untouched), -1) << n;
        EXPECT_TRUE(untouched.function.empty());
        EXPECT_EQ(untouched.index, 0);
    }
}

TEST_F(QuvEngRelayIcon, IsNumberedAfterTheOtherIconsOfTheNet)
{
    BuildSmallNet(doc);
    auto& relay = Place<CQuvEngRelayIcon>(doc, kDrop);
    EXPECT_TRUE(relay.IsHardwareLayout());
    std::unique_ptr<CCorvaneIcon> loaded = Load(Saved(relay));
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->IsHardwareLayout()) << "a loaded relay keeps the hardware layout";
}

}  // namespace
}  // namespace c_quv_eng_relay_icon_test
}  // namespace corvane
