#include "icons/function/CCountDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CCountIcon.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_count_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CCountDialogTest : public test::LogicIconNetTest {
protected:
    std::uint32_t StoredCount(CCountIcon& icon)
    {
        const auto bytes = test::Saved(icon);
        std::uint32_t value = 0;
        for (std::size_t i = 4; i-- > 0;)
            value = (value << 8) | bytes.at(74 + i);
        return value;
    }
};

TEST_F(CCountDialogTest, TimedCounterShowsItsTriggerAndInputAndStoresZeroSamplesOnOk)
{
    auto& count = Place<CCountIcon>(doc, kDrop, res::kBitmapTimedCounter);
    auto& level = Place<SourceIcon>(doc, 40, 20, 20);
    auto& pulse = Place<SourceIcon>(doc, 40, 20, 80);
    level.SetName("Level");
    pulse.SetName("Pulse");
    Link(level, 0, count, 0);
    Link(pulse, 0, count, kTriggerSlot);
    EXPECT_EQ(StoredCount(count), 1u) << "a new timed counter holds 1";

    const bool ok = RunDialog<CCountDialog>(count, [&](CCountDialog& dialog) {
        EXPECT_EQ(Text(dialog, res::kIdcCountWhen), "When:");
        EXPECT_TRUE(dialog.GetControl(CIconDialog::kIdcInput2)->IsVisible());
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput2), "Pulse");
        EXPECT_FALSE(dialog.GetControl(res::kIdcCountSampleCount)->IsVisible());
        EXPECT_EQ(Text(dialog, res::kIdcCountOutputText), "Trigger Pulse is received, output the");
        EXPECT_EQ(Text(dialog, res::kIdcCountInputText), "[Level] current Count Total.");
        EXPECT_EQ(Text(dialog, res::kIdcCountClearOnOutput), "Clear Count Total on OUTPUT");
        EXPECT_EQ(Text(dialog, res::kIdcCountClearOnEnable), "Clear Count Total upon Enable");
        EXPECT_EQ(Text(dialog, res::kIdcCountOutputOnDisable), "Output Count Total on DISABLE");
        EXPECT_EQ(Checked(dialog, res::kIdcCountRising), 1);
        EXPECT_EQ(Checked(dialog, res::kIdcCountClearOnOutput), 0);
        Click(dialog, res::kIdcCountClearOnOutput);
        Click(dialog, res::kIdcCountOutputOnDisable);
        Click(dialog, res::kIdcCountFalling);
        Click(dialog, kIdHelp);
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(count.OptionWord(), 0x0005) << "falling edges clear bit 0x8";
    EXPECT_EQ(StoredCount(count), 0u);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{131386});
}

TEST_F(CCountDialogTest, AccumulatorShowsItsSampleCountAndTexts)
{
    auto& count = Place<CCountIcon>(doc, kDrop, res::kBitmapCountAccumulator);
    const bool ok = RunDialog<CCountDialog>(count, [&](CCountDialog& dialog) {
        EXPECT_EQ(Text(dialog, res::kIdcCountWhen), "Every:");
        EXPECT_FALSE(dialog.GetControl(CIconDialog::kIdcInput2)->IsVisible());
        EXPECT_TRUE(dialog.GetControl(res::kIdcCountSampleCount)->IsVisible());
        EXPECT_EQ(Text(dialog, res::kIdcCountSampleCount), "1");
        EXPECT_EQ(dialog.GetControlAs<EditControl>(res::kIdcCountSampleCount)->LimitText(), 4u);
        dialog.GetControl(res::kIdcCountSampleCount)->SetText("10000");
        EXPECT_EQ(Text(dialog, res::kIdcCountSampleCount), "1000") << "the edit takes at most 4 digits";
        EXPECT_EQ(Text(dialog, res::kIdcCountOutputText), "input transitions, output the Accumulated Count.");
        EXPECT_EQ(Text(dialog, res::kIdcCountInputText), "When Count Buffer fills, Output the Buffer Count.");
        EXPECT_EQ(Text(dialog, res::kIdcCountClearOnOutput), "Clear Accumulated Count on OUTPUT");
        EXPECT_EQ(Text(dialog, res::kIdcCountClearOnEnable),
            "Clear Accumulated Count and the Input Transition Count upon ENABLE");
        EXPECT_EQ(Text(dialog, res::kIdcCountOutputOnDisable), "OUTPUT Accumulated Count upon DISABLE");
        dialog.GetControl(res::kIdcCountSampleCount)->SetText("250");
        Click(dialog, res::kIdcCountClearOnEnable);
        Click(dialog, kIdHelp);
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(count.OptionWord(), 0x001A);
    EXPECT_EQ(StoredCount(count), 250u);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{511});
}

TEST_F(CCountDialogTest, SampleCountOutsideOneTo9999IsRefusedAndNothingIsWritten)
{
    struct Case {
        std::string_view typed;
        bool accepted;
    };
    for (const Case c : {Case{"0", false}, Case{"00", false}, Case{"1", true}, Case{"9999", true}}) {
        SCOPED_TRACE(std::string(c.typed));
        auto& count = Place<CCountIcon>(doc, kDrop, res::kBitmapCountAccumulator);
        const auto before = test::Saved(count);
        Prompts().messageBoxes.clear();
        const bool ok = RunDialog<CCountDialog>(count, [&](CCountDialog& dialog) {
            dialog.GetControl(res::kIdcCountSampleCount)->SetText(c.typed);
            Click(dialog, res::kIdcCountClearOnOutput);
            Click(dialog, kIdOk);
            if (dialog.IsOpen())
                Click(dialog, kIdCancel);
        });
        EXPECT_EQ(ok, c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(Prompts().messageBoxes.empty());
            EXPECT_EQ(std::to_string(StoredCount(count)), c.typed);
            EXPECT_EQ(count.OptionWord() & CCountIcon::kClearOnOutput, CCountIcon::kClearOnOutput);
            continue;
        }
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, "Sample Count must be between 1 and 9999");
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Configuration Error");
        EXPECT_EQ(test::Saved(count), before);
    }
}

TEST_F(CCountDialogTest, TakesTheCaptionOfItsVariant)
{
    EXPECT_EQ(CCountDialog::VariantCaption(false), "Timed Counter");
    EXPECT_EQ(CCountDialog::VariantCaption(true), "Count Accumulator");
}

TEST_F(CCountDialogTest, CancelChangesNothing)
{
    auto& count = Place<CCountIcon>(doc, kDrop, res::kBitmapTimedCounter);
    const auto before = test::Saved(count);
    const bool ok = RunDialog<CCountDialog>(count, [&](CCountDialog& dialog) {
        dialog.GetControl(CIconDialog::kIdcName)->SetText("Other");
        Click(dialog, res::kIdcCountFalling);
        Click(dialog, res::kIdcCountClearOnEnable);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(test::Saved(count), before);
}

}  // namespace
}  // namespace c_count_dialog_test
}  // namespace corvane
