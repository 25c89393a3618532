#include "icons/program/CGlobalDialog.h"

#include "ModalDriver.h"
#include "PlatformTestSupport.h"
#include "icons/program/CGlobalLCDPage.h"
#include "icons/program/CGlobalSheet.h"
#include "icons/program/CGlobalSystemPage.h"
#include "icons/program/ProgramSheetServices.h"
#include "icons/program/RegisterProgramIcon.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/IconFactory.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"

#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace corvane {
namespace c_global_dialog_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kModelWord = 0x03010203;
constexpr std::uint32_t kSecondWord = 0x02050007;
constexpr std::uint32_t kProgramWord = 0x02060001;
constexpr std::uint32_t kFirmwareWord = 0x03020000;

class FakeSheetServices final : public ProgramSheetServices {
public:
    std::optional<std::string> warning;
    std::optional<std::string> CheckNetVersion(std::uint32_t, std::uint32_t) const override { return warning; }
    std::uint32_t ProgramVersionWord() const override { return kProgramWord; }
    std::uint32_t LoggerFirmwareWord() const override { return kFirmwareWord; }
};

Bytes Store(CGlobalIcon& icon)
{
    auto stored = icon.StoreRecord(TransferMode::Save);
    EXPECT_TRUE(std::holds_alternative<Bytes>(stored));
    return std::holds_alternative<Bytes>(stored) ? std::get<Bytes>(stored) : Bytes{};
}

class CGlobalDialogTest : public test::PlatformTest {
protected:
    CGlobalDialogTest()
    {
        CHardwarePoll poll;
        icon = std::make_unique<CGlobalIcon>(Rect{20, 20, 52, 52}, poll, kModelWord, kSecondWord, 0x21);
    }

    // Opens the dialog, runs drive inside it and returns whether it ended with OK.
    bool Run(const std::function<void(CGlobalDialog&)>& drive)
    {
        CGlobalDialog dialog(*icon, services);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    static CGlobalSystemPage& System(CGlobalDialog& d) { return d.Sheet().SystemPage(); }
    static CGlobalLCDPage& Lcd(CGlobalDialog& d) { return d.Sheet().LcdPage(); }
    static ButtonControl& Button(Dialog& page, int id) { return *page.GetControlAs<ButtonControl>(id); }
    static void Click(Dialog& dialog, int id) { Button(dialog, id).Click(); }
    static std::string Text(Dialog& page, int id) { return page.GetControl(id)->GetText(); }
    static std::vector<std::string> Markers(const CGlobalIcon& icon)
    {
        std::vector<std::string> markers;
        for (int slot = 0; slot < CGlobalIcon::kMarkerCount; ++slot)
            if (!icon.GetLcdMarker(slot).empty())
                markers.emplace_back(icon.GetLcdMarker(slot));
        return markers;
    }

    FakeSheetServices services;
    std::unique_ptr<CGlobalIcon> icon;
};

TEST_F(CGlobalDialogTest, ANewProgramIconShowsItsDefaults)
{
    EXPECT_FALSE(Run([&](CGlobalDialog& d) {
        EXPECT_EQ(Text(d, CIconDialog::kIdcName), "Global Settings");
        CGlobalSystemPage& system = System(d);
        EXPECT_EQ(Text(system, res::kIdcGlobalNetName), "Global Settings");
        EXPECT_EQ(Button(system, res::kIdcGlobalMemoryContinue).GetCheck(), 1);
        EXPECT_EQ(Text(system, res::kIdcGlobalSavedProgram), "2.05.00.07");
        EXPECT_EQ(Text(system, res::kIdcGlobalSavedLogger), "3.01.02.03");
        EXPECT_FALSE(system.GetControl(res::kIdcGlobalUpdateVersions)->IsVisible()) << "the versions suit";
        EXPECT_FALSE(system.GetControl(res::kIdcGlobalCurrentProgram)->IsVisible());
        ASSERT_TRUE(d.Sheet().SetActivePage(1));
        CGlobalLCDPage& lcd = Lcd(d);
        EXPECT_EQ(Text(lcd, res::kIdcGlobalUpdateRate), "2");
        EXPECT_EQ(Button(lcd, res::kIdcGlobalAllowOverride).GetCheck(), 1);
        EXPECT_EQ(Button(lcd, res::kIdcGlobalAllowErasure).GetCheck(), 1);
        EXPECT_EQ(Button(lcd, res::kIdcGlobalSdFormatting).GetCheck(), 1);
        EXPECT_EQ(Button(lcd, res::kIdcGlobalLockout).GetCheck(), 0);
        EXPECT_EQ(Button(lcd, res::kIdcGlobalActiveMessages).GetCheck(), 0);
        EXPECT_FALSE(lcd.GetControl(res::kIdcGlobalSystemMessages)->IsEnabled());
        Click(d, kIdCancel);
    }));
}

TEST_F(CGlobalDialogTest, OkWithoutChangesRoundTripsTheRecord)
{
    icon->SetDescription("Pump station");
    icon->SetOptionFlags(0x5DB0);
    icon->SetUpdateRate(17);
    icon->SetLcdMarker(0, "alpha");
    icon->SetLcdMarker(1, "beta");
    const Bytes before = Store(*icon);
    icon = std::make_unique<CGlobalIcon>();
    ASSERT_TRUE(std::holds_alternative<std::size_t>(icon->LoadRecord(before)));

    EXPECT_TRUE(Run([&](CGlobalDialog& d) {
        ASSERT_TRUE(d.Sheet().SetActivePage(1));
        ASSERT_TRUE(d.Sheet().SetActivePage(0));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(Store(*icon), before);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(CGlobalDialogTest, OkWritesEveryPageAndCancelWritesNothing)
{
    const Bytes before = Store(*icon);
    const auto edit = [&](CGlobalDialog& d) {
        d.GetControl(CIconDialog::kIdcName)->SetText("Station 4");
        EXPECT_EQ(Text(System(d), res::kIdcGlobalNetName), "Station 4") << "the page follows the icon name";
        System(d).GetControl(res::kIdcGlobalDescription)->SetText("North pump");
        Click(System(d), res::kIdcGlobalMemoryStop);
        ASSERT_TRUE(d.Sheet().SetActivePage(1));
        CGlobalLCDPage& lcd = Lcd(d);
        lcd.GetControl(res::kIdcGlobalUpdateRate)->SetText("45");
        Click(lcd, res::kIdcGlobalAllowOverride);
        Click(lcd, res::kIdcGlobalLockout);
        Click(lcd, res::kIdcGlobalProbePoints);
        Click(lcd, res::kIdcGlobalActiveMessages);
        Click(lcd, res::kIdcGlobalSystemMessages);
    };
    EXPECT_FALSE(Run([&](CGlobalDialog& d) {
        edit(d);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Store(*icon), before);

    EXPECT_TRUE(Run([&](CGlobalDialog& d) {
        edit(d);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon->Header().name, "Station 4");
    EXPECT_EQ(icon->GetDescription(), "North pump");
    EXPECT_EQ(icon->GetUpdateRate(), 45);
    // 0x8C80 with the memory mode Stop (0x4000 for 0x8000), override off
    // (0x0400), lockout (0x0010), probe points (0x0200), active (0x0100)
    // and system messages (0x0020) on.
    EXPECT_EQ(icon->GetOptionFlags(), 0x4BB0);
    EXPECT_TRUE(icon->IsFrontPanelLockout());
}

TEST_F(CGlobalDialogTest, BothMemoryModeBitsShowFifoAndOkClearsThem)
{
    icon->SetOptionFlags(0xC000);
    EXPECT_TRUE(Run([&](CGlobalDialog& d) {
        EXPECT_EQ(Button(System(d), res::kIdcGlobalMemoryFifo).GetCheck(), 1);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon->GetOptionFlags(), 0x0000);
}

TEST_F(CGlobalDialogTest, MarkersComeBackSortedWithoutTheBlankEntry)
{
    struct Case {
        std::vector<std::string> stored;
        std::vector<std::string> written;
        bool present;
    };
    for (const Case& c : {Case{{"b", "a"}, {"a", "b"}, true}, Case{{"                   "}, {}, false}}) {
        icon = std::make_unique<CGlobalIcon>();
        for (std::size_t i = 0; i < c.stored.size(); ++i)
            icon->SetLcdMarker(static_cast<int>(i), c.stored[i]);
        icon->SetOptionFlags(0x8C80 | CGlobalIcon::kLcdMarkersPresent);
        EXPECT_TRUE(Run([&](CGlobalDialog& d) {
            ASSERT_TRUE(d.Sheet().SetActivePage(1));
            Click(d, kIdOk);
        }));
        EXPECT_EQ(Markers(*icon), c.written);
        EXPECT_EQ((icon->GetOptionFlags() & CGlobalIcon::kLcdMarkersPresent) != 0, c.present);
    }
}

TEST_F(CGlobalDialogTest, AnUpdateRateOutOfRangeKeepsTheDialogOpenAndWritesNothing)
{
    const Bytes before = Store(*icon);
    EXPECT_TRUE(Run([&](CGlobalDialog& d) {
        System(d).GetControl(res::kIdcGlobalDescription)->SetText("Changed");
        ASSERT_TRUE(d.Sheet().SetActivePage(1));
        Control& rate = *Lcd(d).GetControl(res::kIdcGlobalUpdateRate);
        for (const char* bad : {"61", "1", "0"}) {
            rate.SetText(bad);
            Click(d, kIdOk);
            EXPECT_TRUE(d.IsOpen()) << bad;
            EXPECT_EQ(Store(*icon), before) << bad;
        }
        rate.SetText("61");
        EXPECT_FALSE(d.Sheet().SetActivePage(0)) << "leaving the page is refused too";
        rate.SetText("60");
        Click(d, kIdOk);
    }));
    ASSERT_EQ(Prompts().messageBoxes.size(), 4u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Update Rate must be between 2 and 60");
    EXPECT_EQ(Prompts().messageBoxes[3].text, "Message auto-sequence Update Rate must be between 2 and 60");
    EXPECT_EQ(icon->GetUpdateRate(), 60);
    EXPECT_EQ(icon->GetDescription(), "Changed");
}

TEST_F(CGlobalDialogTest, LeavingThePageWithRateZeroTakesTwo)
{
    EXPECT_TRUE(Run([&](CGlobalDialog& d) {
        ASSERT_TRUE(d.Sheet().SetActivePage(1));
        Lcd(d).GetControl(res::kIdcGlobalUpdateRate)->SetText("0");
        ASSERT_TRUE(d.Sheet().SetActivePage(0));
        EXPECT_EQ(Text(Lcd(d), res::kIdcGlobalUpdateRate), "2");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon->GetUpdateRate(), 2);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(CGlobalDialogTest, ClearingActiveMessagesClearsAndDisablesSystemMessages)
{
    icon->SetOptionFlags(0x8C80 | 0x0100 | 0x0020);
    EXPECT_FALSE(Run([&](CGlobalDialog& d) {
        ASSERT_TRUE(d.Sheet().SetActivePage(1));
        CGlobalLCDPage& lcd = Lcd(d);
        EXPECT_TRUE(lcd.GetControl(res::kIdcGlobalSystemMessages)->IsEnabled());
        EXPECT_EQ(Button(lcd, res::kIdcGlobalSystemMessages).GetCheck(), 1);
        Click(lcd, res::kIdcGlobalActiveMessages);
        EXPECT_FALSE(lcd.GetControl(res::kIdcGlobalSystemMessages)->IsEnabled());
        EXPECT_EQ(Button(lcd, res::kIdcGlobalSystemMessages).GetCheck(), 0);
        Click(d, kIdCancel);
    }));
}

TEST_F(CGlobalDialogTest, TheDescriptionIsCutAtTwentyCharactersWhileTyped)
{
    EXPECT_TRUE(Run([&](CGlobalDialog& d) {
        auto& edit = *System(d).GetControlAs<EditControl>(res::kIdcGlobalDescription);
        edit.SetText("A description too long");
        EXPECT_EQ(edit.GetText(), "A description too lo");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon->GetDescription(), "A description too lo");
}

TEST_F(CGlobalDialogTest, UpdateRewritesTheVersionWordsAtOnceAfterAsking)
{
    services.warning = "This net was made for other versions.";
    Prompts().messageBoxAnswers = {kIdCancel, kIdOk};
    EXPECT_FALSE(Run([&](CGlobalDialog& d) {
        CGlobalSystemPage& system = System(d);
        EXPECT_TRUE(system.GetControl(res::kIdcGlobalUpdateVersions)->IsVisible());
        EXPECT_EQ(Text(system, res::kIdcGlobalCurrentProgram), "2.06.00.01");
        EXPECT_EQ(Text(system, res::kIdcGlobalCurrentLogger), "3.02.00.00");
        Click(system, res::kIdcGlobalUpdateVersions);
        EXPECT_EQ(icon->GetModelWord(), kModelWord) << "declined";
        Click(system, res::kIdcGlobalUpdateVersions);
        EXPECT_EQ(icon->GetModelWord(), kFirmwareWord);
        EXPECT_EQ(icon->GetSecondVersionWord(), kProgramWord);
        EXPECT_EQ(Text(system, res::kIdcGlobalSavedProgram), "2.06.00.01");
        EXPECT_EQ(Text(system, res::kIdcGlobalSavedLogger), "3.02.00.00");
        Click(d, kIdCancel);
    }));
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, CGlobalSystemPage::kUpdateQuestion);
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::OkCancel);
    EXPECT_EQ(icon->GetModelWord(), kFirmwareWord) << "Cancel keeps what Update wrote";
}

TEST_F(CGlobalDialogTest, HelpOpensTheDialogsDefaultContext)
{
    EXPECT_FALSE(Run([&](CGlobalDialog& d) {
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{0x20000 + 351}));
}

TEST_F(CGlobalDialogTest, ProgramIconsOfTheFactoryOpenTheSheet)
{
    EXPECT_EQ(CGlobalIcon().CreateIconDialog(), nullptr) << "no dialog without the sheet's library";
    IconFactory factory;
    RegisterProgramIcon(factory, services);
    std::unique_ptr<CCorvaneIcon> made = factory.Create(CGlobalIcon::kTypeCode, 0);
    ASSERT_NE(made, nullptr);
    EXPECT_NE(dynamic_cast<CGlobalDialog*>(made->CreateIconDialog().get()), nullptr);

    InstallProgramSheet(*icon, services);
    EXPECT_NE(dynamic_cast<CGlobalDialog*>(icon->CreateIconDialog().get()), nullptr);
}

}  // namespace
}  // namespace c_global_dialog_test
}  // namespace corvane
