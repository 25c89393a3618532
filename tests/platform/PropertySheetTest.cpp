#include "platform/PropertySheet.h"

#include "PlatformTestSupport.h"
#include "TestOutput.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/DataExchange.h"
#include "platform/PropertyPage.h"
#include "platform/TabControl.h"

#include <array>
#include <filesystem>
#include <functional>
#include <thread>
#include <tuple>

namespace corvane {
namespace property_sheet_test {
namespace {

using test::PlatformTest;
using test::RecordingWindow;

constexpr int kText = 100;
constexpr int kNumber = 101;
constexpr int kAlarm = 102;
constexpr int kIconName = 824;
constexpr int kPlaceholder = 1212;

using K = ControlKind;
namespace s = control_style;

// Three pages of different sizes; each exchanges a text and a number from 1 to 99.
constexpr std::array kGeneralControls = {
    ControlTemplate{K::GroupBox, kIdStatic, "Identification", {8, 6, 304, 136}},
    ControlTemplate{K::Static, kIdStatic, "Net name:", {20, 34, 90, 20}},
    ControlTemplate{K::Edit, kText, "", {116, 30, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Channels:", {20, 68, 90, 20}},
    ControlTemplate{K::Edit, kNumber, "", {116, 64, 60, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "From 1 to 99.", {116, 96, 180, 20}},
};
constexpr DialogTemplate kGeneralPage{139, "General", 320, 150, kGeneralControls};

constexpr std::array kLimitsControls = {
    ControlTemplate{K::Static, kIdStatic, "Alarm text:", {12, 16, 90, 20}},
    ControlTemplate{K::Edit, kText, "", {108, 12, 160, 24}},
    ControlTemplate{K::Static, kIdStatic, "Threshold:", {12, 50, 90, 20}},
    ControlTemplate{K::Edit, kNumber, "", {108, 46, 60, 24}},
    ControlTemplate{K::CheckBox, kAlarm, "Raise an alarm above the threshold", {12, 84, 256, 22}},
};
constexpr DialogTemplate kLimitsPage{140, "Limits", 280, 180, kLimitsControls};

constexpr std::array kNotesControls = {
    ControlTemplate{K::Static, kIdStatic, "Comment:", {12, 16, 80, 20}},
    ControlTemplate{K::Edit, kText, "", {96, 12, 130, 24}},
    ControlTemplate{K::Edit, kNumber, "", {96, 46, 60, 24}},
};
constexpr DialogTemplate kNotesPage{141, "Notes", 240, 100, kNotesControls};

// A dialog that hosts a sheet over its frame kPlaceholder.
constexpr std::array kHostControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {10, 14, 80, 20}},
    ControlTemplate{K::Edit, kIconName, "", {96, 10, 200, 24}},
    ControlTemplate{K::GroupBox, kPlaceholder, "", {10, 44, 360, 214}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {210, 266, 75, 26}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {295, 266, 75, 26}},
};
constexpr DialogTemplate kHostDialog{351, "Global System Settings", 380, 300, kHostControls};

// A page that writes what the sheet asks of it into a shared journal.
class TestPage : public PropertyPage {
public:
    TestPage(const DialogTemplate& layout, std::vector<std::string>& journal) : PropertyPage(layout), journal_(journal)
    {}

    std::string text = "unset";
    int number = 5;
    bool refusesToEnter = false;
    bool applies = true;

protected:
    bool OnSetActive() override
    {
        Log("set");
        return PropertyPage::OnSetActive() && !refusesToEnter;
    }
    bool OnKillActive() override
    {
        Log("kill");
        return PropertyPage::OnKillActive();
    }
    bool OnApply() override
    {
        Log("apply");
        return applies;
    }
    void OnOK() override { Log("ok"); }
    void OnCancel() override { Log("cancel"); }
    void DoDataExchange(DataExchange& dx) override
    {
        DdxText(dx, kText, text);
        DdxInt(dx, kNumber, number, 1, 99);
    }

private:
    void Log(const char* what) { journal_.push_back(std::string(Layout().caption) + ":" + what); }

    std::vector<std::string>& journal_;
};

using Journal = std::vector<std::string>;

class ThreePageSheet : public PropertySheet {
public:
    ThreePageSheet() : PropertySheet("Logger Settings") {}

    Journal journal;
    TestPage& general = AddPage(std::make_unique<TestPage>(kGeneralPage, journal));
    TestPage& limits = AddPage(std::make_unique<TestPage>(kLimitsPage, journal));
    TestPage& notes = AddPage(std::make_unique<TestPage>(kNotesPage, journal));
    std::function<std::intptr_t(Message&)> onMessage;

    std::intptr_t OnMessage(Message& message) override { return onMessage ? onMessage(message) : 0; }

    TabControl& Tabs() const { return *GetControlAs<TabControl>(kIdTabStrip); }
    // Picks a tab with the mouse, as the user does.
    bool ClickTab(int index) { return control_automation::ClickItem(Tabs(), index); }
    void ClickButton(int id) { GetControlAs<ButtonControl>(id)->Click(); }
};

// The host's buttons drive its child sheet.
class HostDialog : public Dialog {
public:
    HostDialog() : Dialog(kHostDialog) {}

    ThreePageSheet sheet;

protected:
    bool OnInitDialog() override
    {
        Dialog::OnInitDialog();
        return sheet.CreateAsChild(*this, kPlaceholder);
    }
    void OnOK() override
    {
        if (sheet.OkAll())
            Dialog::OnOK();
    }
    void OnCancel() override
    {
        sheet.CancelAll();
        Dialog::OnCancel();
    }
};

std::tuple<int, int, int, int> Corners(const DialogRect& r) { return {r.x, r.y, r.width, r.height}; }

using PropertySheetTest = PlatformTest;

TEST_F(PropertySheetTest, ActivatesPagesInTurnAndLoadsEachOnItsFirstActivationOnly)
{
    ThreePageSheet sheet;
    sheet.general.text = "Tank";
    sheet.limits.number = 7;
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(sheet.journal, Journal{"General:set"});
    EXPECT_EQ(sheet.general.GetControl(kText)->GetText(), "Tank");
    EXPECT_EQ(sheet.limits.GetControl(kText), nullptr) << "a page is built when first shown";
    ASSERT_EQ(sheet.Tabs().GetItemCount(), 3);
    EXPECT_EQ(sheet.Tabs().GetItemText(2), "Notes");

    ASSERT_TRUE(sheet.ClickTab(1));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(sheet.GetActivePage(), &sheet.limits);
    EXPECT_EQ(sheet.limits.GetControl(kNumber)->GetText(), "7");

    // Leaving a page stores what was typed; coming back does not reload it.
    sheet.limits.GetControl(kText)->SetText("typed");
    ASSERT_TRUE(sheet.ClickTab(0));
    EXPECT_EQ(sheet.limits.text, "typed");
    sheet.limits.number = 42;
    ASSERT_TRUE(sheet.ClickTab(1));
    EXPECT_EQ(sheet.limits.GetControl(kText)->GetText(), "typed");
    EXPECT_EQ(sheet.limits.GetControl(kNumber)->GetText(), "7");

    // The program changes pages the same way.
    EXPECT_TRUE(sheet.SetActivePage(2));
    EXPECT_EQ(sheet.Tabs().GetCurSel(), 2);
    EXPECT_EQ(sheet.journal,
        (Journal{"General:set", "General:kill", "Limits:set", "Limits:kill", "General:set", "General:kill",
            "Limits:set", "Limits:kill", "Notes:set"}));
    EXPECT_TRUE(sheet.notes.WasActivated());
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(PropertySheetTest, OpensOnTheChosenPage)
{
    ThreePageSheet sheet;
    EXPECT_TRUE(sheet.SetActivePage(2));
    EXPECT_FALSE(sheet.SetActivePage(3));
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(sheet.Tabs().GetCurSel(), 2);
    EXPECT_EQ(sheet.journal, Journal{"Notes:set"});
    EXPECT_FALSE(sheet.general.WasActivated());
}

TEST_F(PropertySheetTest, PageRefusingToBeLeftKeepsItsTabAndTheSheet)
{
    struct Case {
        const char* name;
        std::function<void(ThreePageSheet&)> act;
        int activeAfterFix;
        bool openAfterFix;
    };
    const Case cases[] = {
        {"tab clicked", [](ThreePageSheet& s) { s.ClickTab(1); }, 1, true},
        {"SetActivePage", [](ThreePageSheet& s) { s.SetActivePage(1); }, 1, true},
        {"Apply", [](ThreePageSheet& s) { s.ClickButton(PropertySheet::kIdApply); }, 0, true},
        {"OK", [](ThreePageSheet& s) { s.ClickButton(kIdOk); }, 0, false},
    };
    for (const Case& c : cases) {
        ThreePageSheet sheet;
        ASSERT_TRUE(sheet.Create());
        sheet.general.SetModified();
        Prompts().messageBoxes.clear();
        sheet.general.GetControl(kNumber)->SetText("0");
        c.act(sheet);
        EXPECT_EQ(sheet.GetActiveIndex(), 0) << c.name;
        EXPECT_EQ(sheet.Tabs().GetCurSel(), 0) << c.name;
        EXPECT_TRUE(sheet.IsOpen()) << c.name;
        EXPECT_FALSE(sheet.limits.WasActivated()) << c.name;
        EXPECT_EQ(sheet.journal, (Journal{"General:set", "General:kill"})) << c.name;
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << c.name;
        EXPECT_EQ(Prompts().messageBoxes[0].text, "Enter a whole number from 1 to 99.");
        EXPECT_TRUE(sheet.general.GetControl(kNumber)->HasFocus()) << c.name;

        // Once the value is good, the same action goes through.
        sheet.general.GetControl(kNumber)->SetText("12");
        c.act(sheet);
        EXPECT_EQ(sheet.general.number, 12) << c.name;
        EXPECT_EQ(sheet.IsOpen(), c.openAfterFix) << c.name;
        if (c.openAfterFix)
            EXPECT_EQ(sheet.GetActiveIndex(), c.activeAfterFix) << c.name;
        else
            EXPECT_EQ(sheet.EndCode(), kIdOk) << c.name;
        EXPECT_EQ(Prompts().messageBoxes.size(), 1u) << c.name;
    }
}

TEST_F(PropertySheetTest, PageRefusingToBeEnteredSendsTheUserBack)
{
    ThreePageSheet sheet;
    sheet.notes.refusesToEnter = true;
    ASSERT_TRUE(sheet.Create());
    ASSERT_TRUE(sheet.ClickTab(2));
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(sheet.Tabs().GetCurSel(), 0);
    EXPECT_FALSE(sheet.SetActivePage(2));
    EXPECT_EQ(sheet.journal,
        (Journal{
            "General:set", "General:kill", "Notes:set", "General:set", "General:kill", "Notes:set", "General:set"}));
    EXPECT_FALSE(sheet.notes.WasActivated());

    // A page that was never current has nothing to apply.
    sheet.journal.clear();
    sheet.ClickButton(kIdOk);
    EXPECT_EQ(sheet.journal, (Journal{"General:kill", "General:apply", "General:ok"}));
}

TEST_F(PropertySheetTest, ApplyFollowsModificationsAndReachesActivatedPagesOnly)
{
    ThreePageSheet sheet;
    ASSERT_TRUE(sheet.Create());
    auto& apply = *sheet.GetControlAs<ButtonControl>(PropertySheet::kIdApply);
    EXPECT_FALSE(apply.IsEnabled());
    sheet.ClickTab(1);
    sheet.limits.SetModified();
    EXPECT_TRUE(apply.IsEnabled());
    sheet.general.SetModified();
    sheet.limits.SetModified(false);
    EXPECT_TRUE(apply.IsEnabled()) << "the General page still holds changes";
    sheet.general.SetModified(false);
    EXPECT_FALSE(apply.IsEnabled());

    sheet.limits.SetModified();
    sheet.limits.GetControl(kText)->SetText("High");
    sheet.journal.clear();
    apply.Click();
    EXPECT_EQ(sheet.journal, (Journal{"Limits:kill", "General:apply", "Limits:apply"}));
    EXPECT_EQ(sheet.limits.text, "High");
    EXPECT_FALSE(apply.IsEnabled());
    EXPECT_FALSE(sheet.limits.IsModified());
    EXPECT_TRUE(sheet.IsOpen());
    EXPECT_EQ(sheet.GetActiveIndex(), 1);

    // A page that refuses to apply keeps its changes pending and the sheet open.
    sheet.general.applies = false;
    sheet.limits.SetModified();
    sheet.journal.clear();
    apply.Click();
    sheet.ClickButton(kIdOk);
    EXPECT_EQ(sheet.journal, (Journal{"Limits:kill", "General:apply", "Limits:kill", "General:apply"}));
    EXPECT_TRUE(apply.IsEnabled());
    EXPECT_TRUE(sheet.IsOpen());
}

TEST_F(PropertySheetTest, OkWritesThePagesAndCancelWritesNone)
{
    struct Case {
        int button;
        const char* limitsText;
        const char* hook;
    };
    for (const Case& c : {Case{kIdOk, "Valve", "ok"}, Case{kIdCancel, "unset", "cancel"}}) {
        ThreePageSheet sheet;
        // The user moves to the Limits page, types and presses the button.
        sheet.onMessage = [&sheet, &c](Message&) {
            sheet.ClickTab(1);
            sheet.limits.GetControl(kText)->SetText("Valve");
            sheet.ClickButton(c.button);
            return 0;
        };
        sheet.PostMessage(kUserMessage);
        EXPECT_EQ(sheet.DoModal(), c.button);
        EXPECT_EQ(sheet.limits.text, c.limitsText);
        const std::string hook = c.hook;
        EXPECT_EQ(
            std::vector(sheet.journal.end() - 2, sheet.journal.end()), (Journal{"General:" + hook, "Limits:" + hook}))
            << "pages never shown are left alone";
    }
}

TEST_F(PropertySheetTest, ModalSheetReceivesPostedMessagesAndDrawsItsPages)
{
    ThreePageSheet sheet;
    sheet.SetHelpButton(true);
    RecordingWindow other;
    std::thread replier([&sheet] { sheet.PostMessage(kUserMessage + 5, 7); });
    other.PostMessage(kUserMessage + 6);
    const std::filesystem::path picture = test::OutputFile("PropertySheetTest-modal.png");
    std::filesystem::remove(picture);
    sheet.onMessage = [&](Message& m) {
        if (m.id != kUserMessage + 5)
            return 0;
        sheet.general.GetControl(kText)->SetText("reply " + std::to_string(m.wParam));
        sheet.general.SetModified();
        EXPECT_TRUE(sheet.SaveImage(picture.string()));
        sheet.ClickButton(kIdHelp);
        sheet.ClickTab(1);
        sheet.ClickButton(kIdHelp);
        sheet.ClickButton(kIdOk);
        return 0;
    };
    EXPECT_EQ(sheet.DoModal(), kIdOk);
    replier.join();
    EXPECT_EQ(sheet.general.text, "reply 7");
    EXPECT_EQ(other.received.size(), 1u) << "other windows' messages go on while the sheet is open";
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{0x20000 + 139, 0x20000 + 140}));
    EXPECT_GT(std::filesystem::file_size(picture), 0u);
}

TEST_F(PropertySheetTest, ChildSheetLiesOverItsPlaceholderAndFollowsTheHostsButtons)
{
    HostDialog host;
    ThreePageSheet& sheet = host.sheet;
    ASSERT_TRUE(host.Create());
    EXPECT_EQ(Corners(sheet.Rect()), Corners(kHostControls[2].rect));
    EXPECT_FALSE(host.GetControl(kPlaceholder)->IsVisible());
    EXPECT_EQ(Corners(sheet.Tabs().Rect()), std::make_tuple(0, 0, 360, 214));
    for (int id : {kIdOk, kIdCancel, PropertySheet::kIdApply})
        EXPECT_EQ(sheet.GetControl(id), nullptr) << "the host's buttons serve instead";
    EXPECT_FALSE(sheet.CreateAsChild(host, kPlaceholder)) << "made once only";

    sheet.ClickTab(1);
    sheet.limits.GetControl(kNumber)->SetText("100");
    host.GetControlAs<ButtonControl>(kIdOk)->Click();
    EXPECT_TRUE(host.IsOpen());
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);

    sheet.limits.GetControl(kNumber)->SetText("60");
    sheet.journal.clear();
    host.GetControlAs<ButtonControl>(kIdOk)->Click();
    EXPECT_FALSE(host.IsOpen());
    EXPECT_EQ(host.EndCode(), kIdOk);
    EXPECT_EQ(sheet.limits.number, 60);
    EXPECT_EQ(sheet.journal, (Journal{"Limits:kill", "General:apply", "Limits:apply", "General:ok", "Limits:ok"}));
}

TEST_F(PropertySheetTest, ChildSheetRefusesAMissingPlaceholderAndSurvivesItsHost)
{
    ThreePageSheet sheet;
    {
        Dialog host(kHostDialog);
        EXPECT_FALSE(sheet.CreateAsChild(host, kPlaceholder)) << "the host is not open";
        ASSERT_TRUE(host.Create());
        EXPECT_FALSE(sheet.CreateAsChild(host, 999));
        ASSERT_TRUE(sheet.CreateAsChild(host, kPlaceholder));
        sheet.ClickTab(2);
        EXPECT_TRUE(sheet.IsOpen());
    }
    // The host's window took the sheet's with it.
    EXPECT_FALSE(sheet.IsOpen());
    EXPECT_EQ(sheet.general.GetControl(kText)->GetText(), "");
    EXPECT_TRUE(sheet.ApplyAll());
}

}  // namespace
}  // namespace property_sheet_test
}  // namespace corvane
