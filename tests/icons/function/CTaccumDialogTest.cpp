#include "icons/function/CTaccumDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CTaccumIcon.h"
#include "platform/ComboBoxControl.h"
#include "res/ResourceIds.h"
#include "res/TaccumDialog.h"

namespace corvane {
namespace c_taccum_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CTaccumDialogTest : public test::LogicIconNetTest {
protected:
    CTaccumDialogTest() : watch(Place<CTaccumIcon>(doc, kDrop)) {}
    std::string Label() const
    {
        const auto& data = watch.GetOutputEntries()[0].data;
        return std::string(data.begin(), std::find(data.begin(), data.end(), std::uint8_t{0}));
    }
    static ComboBoxControl& Unit(Dialog& dialog) { return *dialog.GetControlAs<ComboBoxControl>(res::kIdcTaccumUnit); }

    CTaccumIcon& watch;
};

TEST_F(CTaccumDialogTest, ANewIconOpensInSecondsWithItsStoredChecks)
{
    EXPECT_EQ(res::kTaccumDialog.caption, "Stop-Watch");
    EXPECT_EQ(watch.OptionWord(), 0x400D);
    EXPECT_EQ(Label(), "sec");
    // Linking passes the source's name on as the label; OK writes the unit again.
    auto& motor = Place<SourceIcon>(doc, 40, 20, 20);
    motor.SetName("Motor");
    Link(motor, 0, watch, 0);
    const bool ok = RunDialog<CTaccumDialog>(watch, [&](CTaccumDialog& dialog) {
        EXPECT_EQ(Unit(dialog).GetCount(), 3);
        EXPECT_EQ(Unit(dialog).GetLBText(2), "Hours");
        EXPECT_EQ(Unit(dialog).GetCurSel(), 0);
        EXPECT_EQ(Text(dialog, res::kIdcTaccumInputText), "[Motor] was HIGH.");
        EXPECT_EQ(Checked(dialog, res::kIdcTaccumClearOnOutput), 1);
        EXPECT_EQ(Checked(dialog, res::kIdcTaccumClearOnEnable), 0);
        EXPECT_EQ(Checked(dialog, res::kIdcTaccumOutputOnDisable), 1);
        EXPECT_EQ(Checked(dialog, res::kIdcTaccumOnNegation), 0);
        EXPECT_FALSE(dialog.GetControl(res::kIdcTaccumOnNegation)->IsEnabled()) << "the record cannot keep it";
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(watch.OptionWord(), 0x400D);
    EXPECT_EQ(Label(), "sec");
}

TEST_F(CTaccumDialogTest, TheUnitAndChecksMakeTheWordAndTheLabel)
{
    struct Case {
        int unit;
        std::vector<int> clicks;  // check boxes toggled from the new icon's state
        std::uint16_t word;
        std::string_view label;
    };
    const std::vector<Case> cases{
        {2, {res::kIdcTaccumClearOnOutput, res::kIdcTaccumOutputOnDisable}, 0xC004, "hr"},
        {1, {res::kIdcTaccumClearOnEnable}, 0x800F, "min"},
        {0, {res::kIdcTaccumOutputOnDisable}, 0x4005, "sec"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        auto& icon = Place<CTaccumIcon>(doc, kDrop);
        RunDialog<CTaccumDialog>(icon, [&](CTaccumDialog& dialog) {
            Unit(dialog).SetCurSel(c.unit);
            for (const int id : c.clicks)
                Click(dialog, id);
            Click(dialog, kIdOk);
        });
        EXPECT_EQ(icon.OptionWord(), c.word);
        const auto& data = icon.GetOutputEntries()[0].data;
        EXPECT_EQ(std::string(data.begin(), std::find(data.begin(), data.end(), std::uint8_t{0})), c.label);
        const std::unique_ptr<CCorvaneIcon> loaded = Load(test::Saved(icon));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(test::Saved(*loaded), test::Saved(icon));
    }
}

TEST_F(CTaccumDialogTest, AStoredWordWithoutUnitBitsOpensAsSeconds)
{
    auto bytes = test::Saved(watch);
    test::PutU16(bytes, 72, 0x0004);
    std::unique_ptr<CCorvaneIcon> icon = Load(bytes);
    ASSERT_NE(icon, nullptr);
    auto& loaded = dynamic_cast<CTaccumIcon&>(*icon);
    EXPECT_EQ(loaded.GetUnit(), CTaccumIcon::Unit::Seconds);
    RunDialog<CTaccumDialog>(loaded, [&](CTaccumDialog& dialog) {
        EXPECT_EQ(Unit(dialog).GetCurSel(), 0);
        EXPECT_EQ(Checked(dialog, res::kIdcTaccumClearOnOutput), 0);
        EXPECT_EQ(Checked(dialog, res::kIdcTaccumOutputOnDisable), 0);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(loaded.OptionWord(), 0x4004);
}

TEST_F(CTaccumDialogTest, CancelChangesNothing)
{
    const auto before = test::Saved(watch);
    const bool ok = RunDialog<CTaccumDialog>(watch, [&](CTaccumDialog& dialog) {
        Unit(dialog).SetCurSel(2);
        Click(dialog, res::kIdcTaccumClearOnEnable);
        Click(dialog, kIdHelp);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(test::Saved(watch), before);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + res::kDialogTaccum});
}

}  // namespace
}  // namespace c_taccum_dialog_test
}  // namespace corvane
