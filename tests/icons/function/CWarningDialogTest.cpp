#include "icons/function/CWarningDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/function/CWarningIcon.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace c_warning_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};

class WarningDialog : public test::FunctionIconNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck(); }

    bool Run(CWarningIcon& icon, const std::function<void(CWarningDialog&)>& drive)
    {
        CWarningDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    std::vector<std::pair<std::string, std::string>> Boxes()
    {
        std::vector<std::pair<std::string, std::string>> boxes;
        for (const MessageBoxRequest& box : Prompts().messageBoxes)
            boxes.emplace_back(box.text, box.caption);
        return boxes;
    }
};

TEST_F(WarningDialog, NewIconOpensEmptyAndRefusesOkWithoutAWarning)
{
    CWarningIcon& warning = Place<CWarningIcon>(doc, kDrop);
    EXPECT_FALSE(Run(warning, [&](CWarningDialog& d) {
        for (const auto& condition : CWarningDialog::kConditions)
            EXPECT_EQ(Checked(d, condition.controlId), 0);
        EXPECT_EQ(d.GetControl(res::kIdcWarningPercentage)->GetText(), "50");
        EXPECT_FALSE(d.GetControl(res::kIdcWarningPercentage)->IsEnabled());
        Click(d, res::kIdcWarningMemory);
        EXPECT_TRUE(d.GetControl(res::kIdcWarningPercentage)->IsEnabled());
        Click(d, res::kIdcWarningMemory);
        EXPECT_FALSE(d.GetControl(res::kIdcWarningPercentage)->IsEnabled());
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, std::string>>{{"No warning selected", "Warning Icon"}}));
    EXPECT_EQ(Prompts().messageBoxes.at(0).icon, MessageBoxIcon::Warning);
}

TEST_F(WarningDialog, EachBoxStoresItsConditionBit)
{
    for (const auto& condition : CWarningDialog::kConditions) {
        SCOPED_TRACE(condition.controlId);
        CWarningIcon& warning = Place<CWarningIcon>(doc, kDrop);
        EXPECT_TRUE(Run(warning, [&](CWarningDialog& d) {
            Click(d, condition.controlId);
            Click(d, kIdOk);
        }));
        EXPECT_EQ(warning.Conditions(), condition.bit);
        EXPECT_EQ(warning.MemoryPercentage(), 50);
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(WarningDialog, MemoryPercentageMustLieBetweenOneAndHundred)
{
    CWarningIcon& warning = Place<CWarningIcon>(doc, kDrop);
    EXPECT_TRUE(Run(warning, [&](CWarningDialog& d) {
        Click(d, res::kIdcWarningMemory);
        d.GetControl(res::kIdcWarningPercentage)->SetText("0");
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        EXPECT_EQ(warning.Conditions(), 0) << "nothing is stored while a check fails";
        d.GetControl(res::kIdcWarningPercentage)->SetText("100");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, std::string>>{
                           {"Memory Percentage must be between 1 and 100", "Configuration Error"},
                           {"Memory Percentage not valid", "Warning Icon"}}));
    EXPECT_EQ(warning.Conditions(), CWarningIcon::kMemoryFull);
    EXPECT_EQ(warning.MemoryPercentage(), 100);
    const auto saved = Saved(warning);
    EXPECT_EQ(std::vector<std::uint8_t>(saved.begin() + 72, saved.begin() + 76),
        (std::vector<std::uint8_t>{0x00, 0x20, 100, 0}));
}

TEST_F(WarningDialog, UncheckedMemoryPercentageIsLimitedToHundred)
{
    CWarningIcon& warning = Place<CWarningIcon>(doc, kDrop);
    EXPECT_TRUE(Run(warning, [&](CWarningDialog& d) {
        d.GetControl(res::kIdcWarningPercentage)->SetText("250");
        Click(d, res::kIdcWarningWatchdog);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(warning.Conditions(), 0x0020);
    EXPECT_EQ(warning.MemoryPercentage(), 100);

    EXPECT_TRUE(Run(warning, [&](CWarningDialog& d) {
        d.GetControl(res::kIdcWarningPercentage)->SetText("");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(warning.MemoryPercentage(), 100) << "an unused blank percentage keeps the stored one";
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(WarningDialog, OpensWithTheStoredChoicesAndCancelKeepsThem)
{
    CWarningIcon& warning = Place<CWarningIcon>(doc, kDrop);
    warning.SetConditions(0x2041);
    warning.SetMemoryPercentage(75);
    const auto before = Saved(warning);
    EXPECT_FALSE(Run(warning, [&](CWarningDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcWarningMemory), 1);
        EXPECT_EQ(Checked(d, res::kIdcWarningSystemReset), 1);
        EXPECT_EQ(Checked(d, res::kIdcWarningOverloadShutdown), 1);
        EXPECT_EQ(Checked(d, res::kIdcWarningOvercurrent), 0);
        EXPECT_EQ(d.GetControl(res::kIdcWarningPercentage)->GetText(), "75");
        EXPECT_TRUE(d.GetControl(res::kIdcWarningPercentage)->IsEnabled());
        Click(d, res::kIdcWarningOvercurrent);
        d.GetControl(CIconDialog::kIdcName)->SetText("Alarms");
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Saved(warning), before);
}

TEST_F(WarningDialog, HelpOpensTheDefaultContext)
{
    CWarningIcon& warning = Place<CWarningIcon>(doc, kDrop);
    Run(warning, [&](CWarningDialog& d) {
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    });
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 336});
}

}  // namespace
}  // namespace c_warning_dialog_test
}  // namespace corvane
