#include "icons/function/CDeltaDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CDeltaIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_delta_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CDeltaDialogTest : public test::LogicIconNetTest {
protected:
    CDeltaDialogTest() : delta(Place<CDeltaIcon>(doc, kDrop)) {}
    static bool SamplesEnabled(const Dialog& dialog) { return dialog.GetControl(res::kIdcDeltaSamples)->IsEnabled(); }

    CDeltaIcon& delta;
};

TEST_F(CDeltaDialogTest, ANewIconOpensWithItsDefaultsAndWritesTheChoicesOnOk)
{
    auto& level = Place<SourceIcon>(doc, 40, 20, 20);
    level.SetName("Level");
    Link(level, 0, delta, 0);
    const bool ok = RunDialog<CDeltaDialog>(delta, [&](CDeltaDialog& dialog) {
        EXPECT_EQ(Text(dialog, CIconDialog::kIdcInput1), "Level");
        EXPECT_EQ(Text(dialog, res::kIdcDeltaTrigger), "Unconnected");
        EXPECT_TRUE(dialog.GetControl(res::kIdcDeltaTrigger)->IsVisible());
        EXPECT_EQ(Text(dialog, res::kIdcDeltaChange), "0.5");
        EXPECT_EQ(Checked(dialog, res::kIdcDeltaEvery), 1);
        EXPECT_EQ(Text(dialog, res::kIdcDeltaSamples), "10");
        EXPECT_TRUE(SamplesEnabled(dialog));
        EXPECT_EQ(Checked(dialog, res::kIdcDeltaQuietWhenDisabled), 1);
        dialog.GetControl(res::kIdcDeltaChange)->SetText("2.25");
        dialog.GetControl(res::kIdcDeltaSamples)->SetText("65535");
        Click(dialog, res::kIdcDeltaPassWhenDisabled);
        Click(dialog, kIdHelp);
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(delta.Change(), 2.25F);
    EXPECT_EQ(delta.Samples(), 65535);
    EXPECT_EQ(delta.OptionWord(), 0x8000);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + res::kDialogDelta});
}

TEST_F(CDeltaDialogTest, UncheckingEveryStoresZeroWhateverTheSampleFieldHolds)
{
    const bool ok = RunDialog<CDeltaDialog>(delta, [&](CDeltaDialog& dialog) {
        dialog.GetControl(res::kIdcDeltaSamples)->SetText("70000");
        Click(dialog, res::kIdcDeltaEvery);
        EXPECT_FALSE(SamplesEnabled(dialog));
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(delta.Samples(), 0);
    EXPECT_TRUE(Prompts().messageBoxes.empty());

    // Reopened: the box is clear and checking it offers 1 sample.
    RunDialog<CDeltaDialog>(delta, [&](CDeltaDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcDeltaEvery), 0);
        EXPECT_FALSE(SamplesEnabled(dialog));
        dialog.GetControl(res::kIdcDeltaSamples)->SetText("");
        Click(dialog, res::kIdcDeltaEvery);
        EXPECT_TRUE(SamplesEnabled(dialog));
        EXPECT_EQ(Text(dialog, res::kIdcDeltaSamples), "1");
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(delta.Samples(), 1);
}

TEST_F(CDeltaDialogTest, RefusesSampleCountsOutsideOneTo65535AndWritesNothing)
{
    struct Case {
        std::string_view typed;
        std::string_view text;
        std::string_view caption;
    };
    const std::vector<Case> cases{
        {"0", "Number of Samples Must be Between 1 and 65535", "Error"},
        {"65536", "Number of Samples must be between 0 and 65535", "Configuration Error"},
    };
    const auto before = test::Saved(delta);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed));
        Prompts().messageBoxes.clear();
        const bool ok = RunDialog<CDeltaDialog>(delta, [&](CDeltaDialog& dialog) {
            dialog.GetControl(res::kIdcDeltaChange)->SetText("9");
            dialog.GetControl(res::kIdcDeltaSamples)->SetText(c.typed);
            Click(dialog, res::kIdcDeltaPassWhenDisabled);
            Click(dialog, kIdOk);
            EXPECT_TRUE(dialog.IsOpen());
            Click(dialog, kIdCancel);
        });
        EXPECT_FALSE(ok);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.text);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, c.caption);
        EXPECT_EQ(test::Saved(delta), before);
    }
}

TEST_F(CDeltaDialogTest, TheWhenDisabledChoiceKeepsTheOtherOptionBits)
{
    auto bytes = test::Saved(delta);
    test::PutU16(bytes, 72, 0x8003);
    std::unique_ptr<CCorvaneIcon> icon = Load(bytes);
    ASSERT_NE(icon, nullptr);
    auto& loaded = dynamic_cast<CDeltaIcon&>(*icon);
    RunDialog<CDeltaDialog>(loaded, [&](CDeltaDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcDeltaPassWhenDisabled), 1);
        Click(dialog, res::kIdcDeltaQuietWhenDisabled);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(loaded.OptionWord(), 0x0003);
}

}  // namespace
}  // namespace c_delta_dialog_test
}  // namespace corvane
