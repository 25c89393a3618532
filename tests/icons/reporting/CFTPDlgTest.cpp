#include "icons/reporting/CFTPDlg.h"

#include "ModalDriver.h"
#include "ReportingIconTestSupport.h"
#include "TestOutput.h"

#include "icons/reporting/CDataTagIcon.h"
#include "icons/reporting/CEmailAttachPage.h"
#include "icons/reporting/CFTPDestPage.h"
#include "icons/reporting/CFTPIcon.h"
#include "icons/reporting/CFTPSheet.h"
#include "icons/reporting/CTagPickerPage.h"
#include "platform/ButtonControl.h"
#include "platform/ListBoxControl.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace corvane {
namespace c_ftp_dlg_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};

class FtpDialog : public test::ReportingNetTest {
protected:
    CDataTagIcon& PlaceTag(std::string_view name, std::uint16_t bits)
    {
        auto& tag = Place<CDataTagIcon>(doc, kDrop);
        tag.SetName(name);
        tag.SetAssignmentBits(bits);
        return tag;
    }
    // Opens the icon's own dialog, runs drive inside it and returns whether
    // it ended with OK.
    bool Run(CFTPIcon& ftp, const std::function<void(CFTPDlg&)>& drive)
    {
        std::unique_ptr<IconDialog> made = ftp.CreateIconDialog();
        auto* dialog = dynamic_cast<CFTPDlg*>(made.get());
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr)
            return false;
        test::ModalDriver driver(*dialog, [&] { drive(*dialog); });
        return dialog->RunModal();
    }
    static bool Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck() != 0; }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
};

TEST_F(FtpDialog, NewIconNeedsAFilenameAndStoresAnEmptyDirectoryAsTheRoot)
{
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    EXPECT_TRUE(ftp.HasProperties());
    bool stayedOpen = false;
    const bool ok = Run(ftp, [&](CFTPDlg& d) {
        CFTPDestPage& dest = d.Sheet().DestPage();
        EXPECT_TRUE(Checked(dest, res::kIdcFtpPassive));
        EXPECT_FALSE(Checked(dest, res::kIdcFtpSubdirectory));
        SetText(dest, res::kIdcFtpDirectory, "");
        EXPECT_TRUE(d.SaveImage(test::OutputFile("ftp-dialog.png").string()));
        EXPECT_TRUE(d.Sheet().SaveImage(test::OutputFile("ftp-destination-page.png").string()));
        EXPECT_TRUE(d.Sheet().SetActivePage(1));
        EXPECT_TRUE(d.Sheet().SaveImage(test::OutputFile("ftp-file-specification-page.png").string()));
        Click(d, kIdOk);
        stayedOpen = d.IsOpen();
        SetText(d.Sheet().AttachPage(), res::kIdcAttachBaseFilename, "tank");
        EXPECT_TRUE(d.Sheet().SetActivePage(2));
        EXPECT_TRUE(d.Sheet().SaveImage(test::OutputFile("ftp-tag-picker-page.png").string()));
        Click(d, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Filename Base is required for Data Files");
    EXPECT_EQ(ftp.SelectTextBlock(0), "tank");
    EXPECT_EQ(ftp.SelectTextBlock(1), "/");
    EXPECT_EQ(ftp.ConfirmedMarker(), CFTPIcon::kConfirmedMarker);
    EXPECT_EQ(ftp.OptionWord() & 0x3000, 0x2000);
    EXPECT_EQ(ftp.Settings().optionWord, ftp.OptionWord());
}

TEST_F(FtpDialog, ActiveModeSubdirectoryAndDirectoryReachTheIconOnOk)
{
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    ftp.SetTextBlock(0, "tank");
    const bool ok = Run(ftp, [&](CFTPDlg& d) {
        CFTPDestPage& dest = d.Sheet().DestPage();
        Click(dest, res::kIdcFtpActive);
        Click(dest, res::kIdcFtpSubdirectory);
        SetText(dest, res::kIdcFtpDirectory, "plant/tanks");
        Click(d, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(ftp.SelectTextBlock(1), "plant/tanks");
    EXPECT_EQ(ftp.OptionWord() & 0x3000, 0x1000);
}

TEST_F(FtpDialog, CancelRestoresThePickersListsAndLeavesTheIconAsItWas)
{
    auto& flow = PlaceTag("Flow", 0x0008);
    PlaceTag("Level", 0);
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    const auto before = Saved(ftp);
    const auto lists = ftp.Lists();
    const bool ok = Run(ftp, [&](CFTPDlg& d) {
        CTagPickerPage& picker = d.Sheet().PickerPage();
        EXPECT_TRUE(d.Sheet().SetActivePage(2));
        Click(picker, res::kIdcTagPickerAddAll);
        EXPECT_EQ(picker.GetControlAs<ListBoxControl>(res::kIdcTagPickerSelected)->GetCount(), 2);
        Click(d, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Saved(ftp), before);
    EXPECT_EQ(ftp.Lists().Selected().size(), lists.Selected().size());
    EXPECT_EQ(ftp.Lists().Available().size(), lists.Available().size());
    EXPECT_EQ(flow.AssignmentBits(), 0x0008);
}

}  // namespace
}  // namespace c_ftp_dlg_test
}  // namespace corvane
