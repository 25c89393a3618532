#include "icons/function/CConstDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/function/CConstIcon.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace c_const_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};

class ConstDialog : public test::FunctionIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck(); }
    static bool Shown(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }

    bool Run(CConstIcon& icon, const std::function<void(CConstDialog&)>& drive)
    {
        CConstDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
};

TEST_F(ConstDialog, EachKindShowsItsOwnRowsAndCaption)
{
    struct Case {
        int bitmap;
        std::string caption;
        bool value;
        bool state;
        bool remote;
        std::string valueLabel;
    };
    const std::vector<Case> cases{
        {res::kBitmapConstant, "Constant", true, false, false, "Constant Value:"},
        {res::kBitmapRemoteConstant, "Remote Constant", true, false, true, "Initial Value:"},
        {res::kBitmapRemoteSwitch, "Remote Control", false, true, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        auto& icon = Place<CConstIcon>(doc, kDrop, c.bitmap);
        Run(icon, [&](CConstDialog& d) {
            EXPECT_EQ(CConstDialog::KindCaption(icon.GetKind()), c.caption);
            EXPECT_EQ(Shown(d, res::kIdcConstValue), c.value);
            EXPECT_EQ(Shown(d, CIconDialog::kIdcUnits), c.value);
            EXPECT_EQ(Shown(d, res::kIdcConstStateHigh), c.state);
            EXPECT_EQ(Shown(d, res::kIdcConstRemoteNote), c.remote);
            EXPECT_EQ(Shown(d, res::kIdcConstFunctionGroup), c.remote);
            EXPECT_FALSE(Shown(d, res::kIdcConstReset)) << "the enable input is not linked";
            if (c.value) {
                EXPECT_EQ(Text(d, res::kIdcConstValueLabel), c.valueLabel);
            }
            Click(d, kIdCancel);
        });
    }
}

TEST_F(ConstDialog, PlacedSwitchOpensHighAndOkStoresTheChosenState)
{
    auto& toggle = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    EXPECT_EQ(toggle.ModeWord(), 0xA000);
    EXPECT_TRUE(Run(toggle, [&](CConstDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcConstStateHigh), 1);
        EXPECT_EQ(Checked(d, res::kIdcConstStateLow), 0);
        Click(d, res::kIdcConstStateLow);
        Click(d, kIdOk);
    }));
    EXPECT_FALSE(toggle.SwitchHigh());
    const auto saved = Saved(toggle);
    EXPECT_EQ(std::vector<std::uint8_t>(saved.begin() + 72, saved.begin() + 78),
        (std::vector<std::uint8_t>{0x00, 0xA0, 0, 0, 0, 0}));
    Run(toggle, [&](CConstDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcConstStateLow), 1);
        Click(d, kIdCancel);
    });
}

TEST_F(ConstDialog, ConstantTakesItsValueNameAndUnitsOnOkOnly)
{
    auto& constant = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    EXPECT_FALSE(Run(constant, [&](CConstDialog& d) {
        SetText(d, res::kIdcConstValue, "3.25");
        SetText(d, CIconDialog::kIdcUnits, "degC");
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(constant.Value(), 0.0F);
    EXPECT_TRUE(Run(constant, [&](CConstDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcConstValue), "0");
        SetText(d, res::kIdcConstValue, "-3.25");
        SetText(d, CIconDialog::kIdcUnits, "degC");
        SetText(d, CIconDialog::kIdcName, "Offset");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(constant.Value(), -3.25F);
    EXPECT_EQ(constant.Header().name, "Offset");
    const auto& data = constant.GetOutputEntries()[0].data;
    EXPECT_EQ(std::string(data.begin(), data.begin() + 4), "degC");
    EXPECT_EQ(data[4], 0);
}

TEST_F(ConstDialog, RefusesAValueThatIsNotANumber)
{
    auto& constant = Place<CConstIcon>(doc, kDrop, res::kBitmapConstant);
    EXPECT_FALSE(Run(constant, [&](CConstDialog& d) {
        SetText(d, res::kIdcConstValue, "");
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(constant.Value(), 0.0F);
}

TEST_F(ConstDialog, RetainOrResetIsOfferedOnlyWhileTheEnableInputIsLinked)
{
    auto& remote = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteConstant);
    remote.SetModeWord(0xC000);
    EXPECT_TRUE(Run(remote, [&](CConstDialog& d) {
        EXPECT_FALSE(Shown(d, res::kIdcConstSpecialGroup));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(remote.ModeWord(), 0xC000) << "the hidden choice keeps its bit";

    Link(Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch), 0, remote, kEnableSlot);
    EXPECT_TRUE(Run(remote, [&](CConstDialog& d) {
        EXPECT_TRUE(Shown(d, res::kIdcConstSpecialGroup));
        EXPECT_EQ(Text(d, res::kIdcConstRetain), "Retain last set value when Enabled after prior Disable");
        EXPECT_EQ(Text(d, res::kIdcConstReset), "Reset to initial value when Enabled after prior Disable");
        EXPECT_EQ(Checked(d, res::kIdcConstReset), 1);
        Click(d, res::kIdcConstRetain);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(remote.ModeWord(), 0x8000);

    auto& toggle = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    Link(remote, 0, toggle, kEnableSlot);
    EXPECT_TRUE(Run(toggle, [&](CConstDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcConstRetain), "Retain last set state when Enabled after prior Disable");
        Click(d, res::kIdcConstReset);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(toggle.ModeWord(), 0xE000);
}

TEST_F(ConstDialog, HelpOpensTheContextOfTheKind)
{
    for (const auto& [bitmap, context] : std::vector<std::pair<int, std::uint32_t>>{
             {res::kBitmapConstant, 501}, {res::kBitmapRemoteConstant, 711}, {res::kBitmapRemoteSwitch, 721}}) {
        Prompts().helpIds.clear();
        auto& icon = Place<CConstIcon>(doc, kDrop, bitmap);
        Run(icon, [&](CConstDialog& d) {
            Click(d, kIdHelp);
            Click(d, kIdCancel);
        });
        EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{context});
    }
}

}  // namespace
}  // namespace c_const_dialog_test
}  // namespace corvane
