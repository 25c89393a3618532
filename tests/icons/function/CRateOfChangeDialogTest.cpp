#include "icons/function/CRateOfChangeDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CRateOfChangeIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_rate_of_change_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CRateOfChangeDialogTest : public test::LogicIconNetTest {
protected:
    CRateOfChangeDialogTest() : rate(Place<CRateOfChangeIcon>(doc, kDrop)) {}

    CRateOfChangeIcon& rate;
};

TEST_F(CRateOfChangeDialogTest, ANewIconOpensPerSecondOverTenIntervalsNamingItsInput)
{
    auto& flow = Place<SourceIcon>(doc, 40, 20, 20);
    flow.SetName("Flow");
    Link(flow, 0, rate, 0);
    const bool ok = RunDialog<CRateOfChangeDialog>(rate, [&](CRateOfChangeDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcRatePerSecond), 1);
        EXPECT_EQ(Text(dialog, res::kIdcRateSamples), "10");
        EXPECT_EQ(Text(dialog, res::kIdcRateUnitText), "[Flow] Rate is in units:");
        EXPECT_EQ(Text(dialog, res::kIdcRateExplanation),
            "Upon Trigger, output the derivative (rate of change) of [Flow] calculated over the specified number of "
            "Sample intervals.");
        dialog.GetControl(CIconDialog::kIdcUnits)->SetText("l/s2");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(rate.UnitWord(), 0);
    EXPECT_EQ(rate.Samples(), 10);
    EXPECT_EQ(std::string(rate.GetOutputEntries()[0].data.begin(), rate.GetOutputEntries()[0].data.begin() + 4), "l/s2");
}

TEST_F(CRateOfChangeDialogTest, EachUnitIsStoredInTheTopBitsAndReopensAsChosen)
{
    struct Case {
        int radio;
        std::uint16_t word;
    };
    for (const Case c : {Case{res::kIdcRatePerMinute, 0x4000}, Case{res::kIdcRatePerHour, 0x8000},
             Case{res::kIdcRatePerDay, 0xC000}, Case{res::kIdcRatePerSecond, 0x0000}}) {
        SCOPED_TRACE(c.radio);
        RunDialog<CRateOfChangeDialog>(rate, [&](CRateOfChangeDialog& dialog) {
            Click(dialog, c.radio);
            Click(dialog, kIdOk);
        });
        EXPECT_EQ(rate.UnitWord(), c.word);
        RunDialog<CRateOfChangeDialog>(rate, [&](CRateOfChangeDialog& dialog) {
            EXPECT_EQ(Checked(dialog, c.radio), 1);
            Click(dialog, kIdCancel);
        });
    }
    // Other bits of a stored word are dropped on OK; the unit is read from the top bits.
    auto bytes = test::Saved(rate);
    test::PutU16(bytes, 72, 0xC123);
    std::unique_ptr<CCorvaneIcon> icon = Load(bytes);
    ASSERT_NE(icon, nullptr);
    auto& loaded = dynamic_cast<CRateOfChangeIcon&>(*icon);
    RunDialog<CRateOfChangeDialog>(loaded, [&](CRateOfChangeDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcRatePerDay), 1);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(loaded.UnitWord(), 0xC000);
}

TEST_F(CRateOfChangeDialogTest, SampleIntervalsMustLieBetweenOneAndSixteen)
{
    struct Case {
        std::string_view typed;
        bool accepted;
    };
    for (const Case c : {Case{"0", false}, Case{"17", false}, Case{"16", true}, Case{"1", true}}) {
        SCOPED_TRACE(std::string(c.typed));
        const auto before = test::Saved(rate);
        Prompts().messageBoxes.clear();
        const bool ok = RunDialog<CRateOfChangeDialog>(rate, [&](CRateOfChangeDialog& dialog) {
            dialog.GetControl(res::kIdcRateSamples)->SetText(c.typed);
            Click(dialog, res::kIdcRatePerHour);
            Click(dialog, kIdOk);
            if (dialog.IsOpen())
                Click(dialog, kIdCancel);
        });
        EXPECT_EQ(ok, c.accepted);
        if (c.accepted) {
            EXPECT_EQ(std::to_string(rate.Samples()), c.typed);
            continue;
        }
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, "Number of Samples must be between 1 and 16");
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Configuration Error");
        EXPECT_EQ(test::Saved(rate), before);
    }
}

}  // namespace
}  // namespace c_rate_of_change_dialog_test
}  // namespace corvane
