#include "platform/Dialog.h"

#include "PlatformTestSupport.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/ControlAutomation.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"

#include <array>
#include <thread>

namespace corvane {
namespace dialog_test {
namespace {

using test::PlatformTest;
using test::RecordingWindow;

constexpr int kName = 100;
constexpr int kCount = 101;
constexpr int kLimit = 102;
constexpr int kGain = 103;
constexpr int kEnabled = 104;
constexpr int kModeA = 105;
constexpr int kModeB = 106;
constexpr int kModeC = 107;
constexpr int kOtherA = 108;
constexpr int kUnits = 109;
constexpr int kApply = 110;

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Edit, kName, "", {10, 10, 120, 24}},
    ControlTemplate{K::Edit, kCount, "", {10, 40, 120, 24}},
    ControlTemplate{K::Edit, kLimit, "", {10, 70, 120, 24}},
    ControlTemplate{K::Edit, kGain, "", {10, 100, 120, 24}},
    ControlTemplate{K::CheckBox, kEnabled, "Enabled", {10, 130, 120, 20}},
    ControlTemplate{K::RadioButton, kModeA, "A", {10, 160, 40, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kModeB, "B", {60, 160, 40, 20}},
    ControlTemplate{K::RadioButton, kModeC, "C", {110, 160, 40, 20}},
    ControlTemplate{K::RadioButton, kOtherA, "X", {160, 160, 40, 20}, s::kGroup},
    ControlTemplate{K::ComboBox, kUnits, "", {10, 190, 120, 24}, s::kDropDownList},
    ControlTemplate{K::PushButton, kApply, "Apply", {10, 230, 70, 26}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {90, 230, 70, 26}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {170, 230, 70, 26}},
};
constexpr DialogTemplate kTestDialog{9001, "Test Dialog", 260, 270, kControls};

class TestDialog : public Dialog {
public:
    TestDialog() : Dialog(kTestDialog) {}

    std::string name = "Tank";
    int count = 3;
    std::uint32_t limit = 10;
    double gain = 1.5;
    int enabled = 1;
    int mode = 1;
    int units = 2;
    std::function<void(TestDialog&)> onInit;
    std::function<std::intptr_t(Message&)> onMessage;

    std::intptr_t OnMessage(Message& message) override { return onMessage ? onMessage(message) : 0; }

protected:
    bool OnInitDialog() override
    {
        auto* combo = GetControlAs<ComboBoxControl>(kUnits);
        for (const char* unit : {"ms", "s", "min", "h"})
            combo->AddString(unit);
        Dialog::OnInitDialog();
        if (onInit)
            onInit(*this);
        return true;
    }
    void DoDataExchange(DataExchange& dx) override
    {
        DdxText(dx, kName, name, 8);
        DdxInt(dx, kCount, count, 1, 99);
        DdxUnsigned(dx, kLimit, limit);
        DdxFloat(dx, kGain, gain, -10.0, 10.0);
        DdxCheck(dx, kEnabled, enabled);
        DdxRadio(dx, kModeA, mode);
        DdxComboIndex(dx, kUnits, units);
    }
};

using DialogTest = PlatformTest;

TEST_F(DialogTest, ExchangesDataBothWays)
{
    TestDialog dialog;
    ASSERT_TRUE(dialog.CreateHidden());
    EXPECT_EQ(dialog.GetControl(kName)->GetText(), "Tank");
    EXPECT_EQ(dialog.GetControl(kCount)->GetText(), "3");
    EXPECT_EQ(dialog.GetControl(kGain)->GetText(), "1.5");
    EXPECT_EQ(dialog.GetControlAs<ButtonControl>(kModeB)->GetCheck(), 1);
    EXPECT_EQ(dialog.GetControlAs<ButtonControl>(kOtherA)->GetCheck(), 0);
    EXPECT_EQ(dialog.GetControlAs<ComboBoxControl>(kUnits)->GetCurSel(), 2);

    dialog.GetControl(kName)->SetText("Pump");
    dialog.GetControl(kCount)->SetText(" 42 ");
    dialog.GetControl(kLimit)->SetText("4294967295");
    dialog.GetControl(kGain)->SetText("-2.25e0");
    dialog.GetControlAs<ButtonControl>(kEnabled)->SetCheck(0);
    dialog.GetControlAs<ButtonControl>(kModeC)->Click();
    dialog.GetControlAs<ComboBoxControl>(kUnits)->SetCurSel(0);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.name, "Pump");
    EXPECT_EQ(dialog.count, 42);
    EXPECT_EQ(dialog.limit, 4294967295u);
    EXPECT_EQ(dialog.gain, -2.25);
    EXPECT_EQ(dialog.enabled, 0);
    EXPECT_EQ(dialog.mode, 2);
    EXPECT_EQ(dialog.units, 0);
    EXPECT_EQ(dialog.GetControlAs<ButtonControl>(kModeB)->GetCheck(), 0) << "radio buttons of a group exclude";
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(DialogTest, RefusesBadValuesWithAMessageAndTheFocus)
{
    struct Case {
        int control;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {kName, "Too long!", "Enter no more than 8 characters."},
        {kCount, "12abc", "Enter a whole number."},
        {kCount, "", "Enter a whole number."},
        {kCount, "- 5", "Enter a whole number."},
        {kCount, "100", "Enter a whole number from 1 to 99."},
        {kCount, "99999999999", "Enter a whole number."},
        {kLimit, "-1", "Enter a whole number of 0 or more."},
        {kLimit, "4294967296", "Enter a whole number of 0 or more."},
        {kGain, "1,5", "Enter a number."},
        {kGain, "nan", "Enter a number."},
        {kGain, "10.5", "Enter a number from -10 to 10."},
    };
    for (const Case& c : cases) {
        TestDialog dialog;
        ASSERT_TRUE(dialog.Create());
        Prompts().messageBoxes.clear();
        dialog.GetControl(c.control)->SetText(c.text);
        dialog.count = 7;
        EXPECT_FALSE(dialog.UpdateData(true)) << c.text;
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << c.text;
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.message) << c.text;
        EXPECT_TRUE(dialog.GetControl(c.control)->HasFocus() || !dialog.GetControl(c.control)->IsVisible());
        // Values before the refused one are stored, those after it are not.
        if (c.control != kCount) {
            EXPECT_EQ(dialog.count, c.control == kName ? 7 : 3) << c.text;
        }
        dialog.EndDialog(kIdCancel);
    }
}

TEST_F(DialogTest, OkValidatesBeforeEnding)
{
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        d.GetControl(kCount)->SetText("0");
        d.GetControlAs<ButtonControl>(kIdOk)->Click();  // refused: stays open
        EXPECT_TRUE(d.IsOpen());
        d.GetControl(kCount)->SetText("5");
        d.GetControlAs<ButtonControl>(kIdOk)->Click();
    };
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(dialog.count, 5);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
}

TEST_F(DialogTest, ModalDialogReceivesPostedRepliesAndTimers)
{
    TestDialog dialog;
    RecordingWindow other;
    std::thread replier;
    int ticks = 0;
    dialog.onInit = [&](TestDialog& d) {
        d.SetTimer(1, 100);
        // A reply arrives from another thread while the dialog is open.
        replier = std::thread([&d] { d.PostMessage(kUserMessage + 5, 7); });
        other.PostMessage(kUserMessage + 6);
    };
    dialog.onMessage = [&](Message& m) {
        if (m.id == kUserMessage + 5) {
            dialog.GetControl(kName)->SetText("reply " + std::to_string(m.wParam));
            TestClock().Advance(100);
        }
        if (m.id == kTimerMessage) {
            if (++ticks == 2)
                dialog.EndDialog(kIdOk + 40);
            else
                TestClock().Advance(100);
        }
        return 0;
    };
    // Ended from within by its own timer; EndDialog works from anywhere.
    EXPECT_EQ(dialog.DoModal(), kIdOk + 40);
    replier.join();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(other.received.size(), 1u) << "other windows' messages go on during the modal loop";
    EXPECT_EQ(dialog.GetControl(kName)->GetText(), "reply 7");
}

TEST_F(DialogTest, TheOpenModalDialogIsTheTopmostRunningOne)
{
    EXPECT_EQ(control_automation::OpenModalDialog(), nullptr);
    TestDialog outer;
    TestDialog inner;
    Dialog* seenInOuter = nullptr;
    Dialog* seenInInner = nullptr;
    Dialog* seenAfterInner = nullptr;
    RecordingWindow driver;
    driver.onMessage = [&](Message& m) {
        if (m.id == kUserMessage) {
            seenInOuter = control_automation::OpenModalDialog();
            driver.PostMessage(kUserMessage + 1);
            inner.DoModal();
            seenAfterInner = control_automation::OpenModalDialog();
            outer.EndDialog(kIdOk);
        } else {
            seenInInner = control_automation::OpenModalDialog();
            inner.EndDialog(kIdOk);
        }
        return std::intptr_t{0};
    };
    // A dialog made alone (not modal) is none.
    TestDialog modeless;
    ASSERT_TRUE(modeless.Create());
    driver.PostMessage(kUserMessage);
    EXPECT_EQ(outer.DoModal(), kIdOk);
    EXPECT_EQ(seenInOuter, &outer);
    EXPECT_EQ(seenInInner, &inner);
    EXPECT_EQ(seenAfterInner, &outer);
    EXPECT_EQ(control_automation::OpenModalDialog(), nullptr);
}

TEST_F(DialogTest, NotificationsReachTheirHandlers)
{
    TestDialog dialog;
    std::vector<std::string> seen;
    dialog.On(Notification::Clicked, kApply, [&](NotifyEvent&) { seen.push_back("apply"); });
    dialog.On(Notification::Changed, kName, [&](NotifyEvent&) { seen.push_back("name changed"); });
    dialog.On(Notification::KillFocus, kName,
        [&](NotifyEvent& e) { seen.push_back("name lost focus to " + std::to_string(e.otherControlId)); });
    ASSERT_TRUE(dialog.Create());
    seen.clear();
    dialog.GetControlAs<ButtonControl>(kApply)->Click();
    dialog.GetControl(kName)->SetText("x");
    dialog.GetControl(kName)->SetFocus();
    App().ProcessPending();
    dialog.GetControl(kCount)->SetFocus();
    App().ProcessPending();
    EXPECT_EQ(seen, (std::vector<std::string>{"apply", "name changed", "name lost focus to 101"}));
}

TEST_F(DialogTest, F1PressesTheHelpButton)
{
    static constexpr std::array kHelpControls = {
        ControlTemplate{ControlKind::Edit, 300, "", {10, 10, 120, 24}},
        ControlTemplate{ControlKind::PushButton, kIdHelp, "Help", {10, 40, 80, 24}},
    };
    static constexpr DialogTemplate kHelpLayout{950, "Help", 200, 80, kHelpControls};
    Dialog dialog(kHelpLayout);
    int helps = 0;
    dialog.On(Notification::Clicked, kIdHelp, [&](NotifyEvent&) { ++helps; });
    ASSERT_TRUE(dialog.Create());
    dialog.GetControl(300)->SetFocus();
    App().ProcessPending();
    EXPECT_TRUE(control_automation::PressKey(*dialog.GetControl(300), control_automation::Key::F1));
    EXPECT_EQ(helps, 1);
    dialog.GetControl(kIdHelp)->Enable(false);
    control_automation::PressKey(*dialog.GetControl(300), control_automation::Key::F1);
    EXPECT_EQ(helps, 1) << "a disabled Help button is not pressed";
}

TEST_F(DialogTest, CancelChangesNothing)
{
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        d.GetControl(kName)->SetText("Changed");
        d.GetControlAs<ButtonControl>(kIdCancel)->Click();
    };
    EXPECT_EQ(dialog.DoModal(), kIdCancel);
    EXPECT_EQ(dialog.name, "Tank");
}

TEST_F(DialogTest, MultiLineButtonsReadBackTheirCaptionUnbroken)
{
    constexpr std::array controls = {
        ControlTemplate{
            K::CheckBox, kEnabled, "Remain connected during the logging session", {10, 10, 120, 40}, s::kMultiLine},
        ControlTemplate{
            K::RadioButton, kModeA, "Open Collector Discrete Output", {10, 60, 100, 40}, s::kGroup | s::kMultiLine},
    };
    const DialogTemplate layout{9002, "Wrapped", 200, 120, controls};
    Dialog dialog(layout);
    ASSERT_TRUE(dialog.CreateHidden());
    EXPECT_EQ(dialog.GetControl(kEnabled)->GetText(), "Remain connected during the logging session");
    EXPECT_EQ(dialog.GetControl(kModeA)->GetText(), "Open Collector Discrete Output");
    dialog.GetControl(kModeA)->SetText("Frequency Output at the open collector");
    dialog.GetControl(kModeA)->Move({10, 60, 180, 40});
    EXPECT_EQ(dialog.GetControl(kModeA)->GetText(), "Frequency Output at the open collector");
}

TEST_F(DialogTest, CharacterFilterJudgesTypedText)
{
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    auto* edit = dialog.GetControlAs<EditControl>(kName);
    edit->SetText("");
    edit->SetCharFilter([](char32_t c) { return c >= 'a' && c <= 'z'; });
    edit->SetFocus();
    edit->ReplaceSel("ab");  // typed or pasted text goes through the filter
    EXPECT_EQ(edit->GetText(), "ab");
    edit->ReplaceSel("c1");
    EXPECT_EQ(edit->GetText(), "ab");
}

}  // namespace
}  // namespace dialog_test
}  // namespace corvane
