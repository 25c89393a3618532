#include "IconIndexCheck.h"
#include "NetDocTestSupport.h"
#include "NetViewTestSupport.h"

#include "netdoc/HardwareIconPlacement.h"

#include <gtest/gtest.h>

#include <set>

namespace corvane::test {
namespace hardware_icon_placement_test {
namespace {

// What a placed icon says about itself: id (400 for the Program icon),
// module, channel and top-left corner.
struct Placed {
    std::uint32_t id;
    int module;
    int channel;
    int left;
    int top;
    bool operator==(const Placed&) const = default;
};

void PrintTo(const Placed& p, std::ostream* os)
{
    *os << "{" << p.id << ", " << p.module << ", " << p.channel << ", " << p.left << ", " << p.top << "}";
}

// Rows and top-row slots as corners.
constexpr int Row(int n) { return 20 + 70 * n; }
constexpr int Top(int n) { return 110 + 90 * n; }
constexpr int kColumn = 20;

// Switch words: the logger's channels A..D in 3-bit codes from bit 0; a
// module's channels 0..3 in 3-bit codes from bit 13 down, 4..7 one bit each.
constexpr std::uint16_t BaseSwitches(int a, int b, int c, int d)
{
    return static_cast<std::uint16_t>(a | (b << 3) | (c << 6) | (d << 9));
}
constexpr std::uint16_t ModuleSwitches(int c0, int c1, int c2, int c3, int bits4to7)
{
    return static_cast<std::uint16_t>((c0 << 13) | (c1 << 10) | (c2 << 7) | (c3 << 4) | bits4to7);
}

class HardwareIconPlacementTest : public NetDocTest {
protected:
    std::vector<Placed> PlacedIcons() const
    {
        std::vector<Placed> placed;
        for (const CCorvaneIcon* icon : doc.Icons()) {
            if (const auto* p = dynamic_cast<const PlacedIcon*>(icon)) {
                placed.push_back({p->id, p->module, p->channel, p->Position().left, p->Position().top});
            } else {
                // The Program icon lays itself out around the rectangle it was made for.
                const Rect& asked = viewServices.programRects.at(0);
                placed.push_back({400, 0, 0, asked.left, asked.top});
            }
        }
        return placed;
    }
    void AddModule(int slot, std::uint8_t type, std::uint16_t switchWord)
    {
        CHardwarePoll::ModuleRecord record{};
        record[1] = static_cast<std::uint8_t>(slot);
        record[2] = type;
        record[3] = 1;
        poll.SetModuleRecord(slot, record);
        poll.SetModuleMask(static_cast<std::uint16_t>(poll.GetModuleMask() | (1u << slot)));
        poll.SetModuleValue(slot, switchWord);
    }
    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const auto& box : Prompts().messageBoxes)
            texts.push_back(box.text);
        return texts;
    }

    FakeNetViewServices viewServices;
    CHardwarePoll poll;
    HardwareIconPlacement placement{doc, viewServices};
};

TEST_F(HardwareIconPlacementTest, PlacesTheLoggersIconsInOrderWithItsChannelsFromTheSwitchCodes)
{
    poll.SetInputSwitchWord(BaseSwitches(1, 2, 5, 1));
    doc.SetModified(true);
    placement.CreateIconsFromHardware(poll);

    const std::vector<Placed> expected{
        {400, 0, 0, kColumn, Row(1)},
        {401, -3, 0, kColumn, Row(3)},
        {403, -3, 0, kColumn, Row(4)},
        {12003, -3, 0, Top(0), 20},
        {615, -3, 0, Top(1), 20},
        {12037, -3, 0, Top(2), 20},
        {414, -3, 0, Top(3), 20},
        {402, -3, 0, kColumn, Row(5)},
        {405, -3, 6, kColumn, Row(7)},
        {404, -3, 7, kColumn, Row(8)},
        {406, -3, 8, kColumn, Row(9)},
        {405, -3, 9, kColumn, Row(10)},
    };
    EXPECT_EQ(PlacedIcons(), expected);
    std::set<std::uint16_t> ids;
    for (const CCorvaneIcon* icon : doc.Icons()) {
        EXPECT_FALSE(icon->IsDeletable());
        EXPECT_EQ(icon->Type(), 2u);
        EXPECT_EQ(icon->Position().Width(), 32);
        EXPECT_EQ(icon->Position().Height(), 32);
        ids.insert(icon->UniqueId());
    }
    EXPECT_EQ(ids.size(), expected.size());
    EXPECT_EQ(ids.count(0), 0u);
    EXPECT_TRUE(IconIndexMatchesObjects(doc));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(HardwareIconPlacementTest, SkipsALoggerChannelWithInvalidSwitchesAndShowsTheSwitchTable)
{
    poll.SetInputSwitchWord(BaseSwitches(1, 0, 2, 7));
    placement.CreateIconsFromHardware(poll);

    const std::vector<Placed> placed = PlacedIcons();
    ASSERT_EQ(placed.size(), 10u);
    EXPECT_EQ(placed[8], (Placed{405, -3, 6, kColumn, Row(7)}));
    EXPECT_EQ(placed[9], (Placed{404, -3, 8, kColumn, Row(8)}));
    const std::string table = ".\n\nSwitch   Low Vdc or            High Vdc      Current\n"
                              "               Thermocouple\n\n"
                              "     1                 ON                   OFF               ON\n"
                              "     2                 OFF                  ON                OFF\n"
                              "     3                 OFF                  OFF               ON";
    EXPECT_EQ(BoxTexts(),
        (std::vector<std::string>{"Invalid DIP switch setting on Analog Channel B" + table,
            "Invalid DIP switch setting on Analog Channel D" + table}));
}

TEST_F(HardwareIconPlacementTest, PlacesOnlyTheModulesWhenThePollHasNoLoggerConfiguration)
{
    poll.SetInputSwitchWord(0);
    AddModule(3, 0, ModuleSwitches(3, 2, 4, 5, 0b1010));
    placement.CreateIconsFromHardware(poll);

    const std::vector<Placed> expected{
        {403, 3, 9, kColumn, Row(1)},
        {410, 3, 1, kColumn, Row(2)},
        {409, 3, 2, kColumn, Row(3)},
        {408, 3, 3, kColumn, Row(4)},
        {408, 3, 4, kColumn, Row(5)},
        {409, 3, 5, kColumn, Row(6)},
        {408, 3, 6, kColumn, Row(7)},
        {409, 3, 7, kColumn, Row(8)},
    };
    EXPECT_EQ(PlacedIcons(), expected);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text,
        "Invalid Vexa-7 Switch Setting, input icon will not be created:     \n  Address = 3\n  Channel = A");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Vexa-7 Error");
}

TEST_F(HardwareIconPlacementTest, PlacesTheDigitalModulesTerminalsWithFrequencyOutputsOnTheTopRow)
{
    poll.SetInputSwitchWord(BaseSwitches(1, 1, 1, 1));
    AddModule(0, 1, 0);
    AddModule(5, 1, 0);
    CHardwarePoll::ModuleRecord noFirmware{};
    noFirmware[1] = 7;
    noFirmware[3] = noFirmware[4] = noFirmware[5] = 0xFF;
    poll.SetModuleRecord(7, noFirmware);
    poll.SetModuleMask(static_cast<std::uint16_t>(poll.GetModuleMask() | (1u << 7)));
    placement.CreateIconsFromHardware(poll);

    std::vector<Placed> module0;
    for (const Placed& p : PlacedIcons())
        if (p.module == 0 && p.id != 400)
            module0.push_back(p);
    std::vector<Placed> expected;
    int row = 12;  // after the logger's rows (the last at 10) and the module's own
    for (int channel = 0; channel < 8; ++channel)
        expected.push_back({12014, 0, channel, kColumn, Row(row++)});
    for (int channel = 16; channel < 24; ++channel)
        expected.push_back({12014, 0, channel, kColumn, Row(row++)});
    expected.push_back({12015, 0, 24, kColumn, Row(row++)});
    expected.push_back({12015, 0, 25, kColumn, Row(row++)});
    for (int i = 0; i < 3; ++i)
        expected.push_back({12016, 0, 26 + i, Top(4 + i), 20});
    expected.push_back({12017, 0, 29, Top(7), 20});
    EXPECT_EQ(module0, expected);

    std::size_t module5 = 0;
    for (const Placed& p : PlacedIcons())
        module5 += p.module == 5 ? 1 : 0;
    EXPECT_EQ(module5, expected.size());
    EXPECT_EQ(doc.Icons().size(), 12 + 2 * expected.size());
}

TEST_F(HardwareIconPlacementTest, AnIconTheNetHoldsIsNotMadeAgainButUsesUpItsRow)
{
    placement.SetInputRow(2);
    ASSERT_NE(placement.CreateHardwareIcon(-3, 401, poll), nullptr);
    EXPECT_EQ(placement.CreateHardwareIcon(-3, 401, poll), nullptr);
    EXPECT_EQ(placement.InputRow(), 4);
    // A top-row id before the test gives its row back, even when skipped.
    ASSERT_NE(placement.CreateHardwareIcon(-3, 414, poll), nullptr);
    EXPECT_EQ(placement.CreateHardwareIcon(-3, 414, poll), nullptr);
    EXPECT_EQ(placement.InputRow(), 4);
    EXPECT_EQ(placement.TopRowIndex(), 2);
    // The frequency output takes the top row only when it is made.
    ASSERT_NE(placement.CreateHardwareIcon(2, 12016, poll), nullptr);
    EXPECT_EQ(placement.CreateHardwareIcon(2, 12016, poll), nullptr);
    EXPECT_EQ(placement.InputRow(), 5);
    EXPECT_EQ(placement.TopRowIndex(), 3);
    EXPECT_EQ(PlacedIcons(),
        (std::vector<Placed>{{401, -3, 0, kColumn, Row(2)}, {414, -3, 0, Top(0), 20}, {12016, 2, 0, Top(2), 20}}));
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(HardwareIconPlacementTest, TheProgramIconIsMadeOncePerNet)
{
    ASSERT_NE(placement.CreateHardwareIcon(-1, 400, poll), nullptr);
    EXPECT_EQ(placement.CreateHardwareIcon(-1, 400, poll), nullptr);
    EXPECT_EQ(doc.Icons().size(), 1u);
    EXPECT_NE(doc.ProgramIcon(), nullptr);
}

TEST_F(HardwareIconPlacementTest, IdsWithoutAnIconCreateNothingButUseARow)
{
    struct Case {
        std::uint32_t id;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {500, {"CreateHardwareIcon (NULL) "}},
        {HardwareIconPlacement::kUpdateViewsId, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Prompts().messageBoxes.clear();
        placement.SetInputRow(3);
        EXPECT_EQ(placement.CreateHardwareIcon(-3, c.id, poll), nullptr);
        EXPECT_EQ(placement.InputRow(), 4);
        EXPECT_EQ(BoxTexts(), c.boxes);
        EXPECT_TRUE(doc.Icons().empty());
    }
}

}  // namespace
}  // namespace hardware_icon_placement_test
}  // namespace corvane::test
