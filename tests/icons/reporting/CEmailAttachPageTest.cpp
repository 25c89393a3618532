#include "icons/reporting/CEmailAttachPage.h"

#include "ModalDriver.h"
#include "TestOutput.h"

#include "platform/ButtonControl.h"
#include "platform/PropertySheet.h"
#include "res/ResourceIds.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane {
namespace c_email_attach_page_test {
namespace {

using Bits = FileSpecificationBits;

// A second page to leave the File Specification page for.
constexpr std::array kOtherControls = {
    ControlTemplate{ControlKind::Static, kIdStatic, "Another page", {12, 12, 200, 20}},
};
constexpr DialogTemplate kOtherPage{9001, "Other", 472, 410, kOtherControls};

class EmailAttachPage : public test::PlatformTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck() != 0; }
    static bool Enabled(Dialog& d, int id) { return d.GetControl(id)->IsEnabled(); }
    static bool Shown(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }

    // Runs a sheet of the File Specification page and another page over
    // the settings; drive gets the sheet and the page.
    int Run(AttachSettings& settings, const std::function<void(PropertySheet&, CEmailAttachPage&)>& drive)
    {
        PropertySheet sheet(settings.ftp ? "File Transfer Protocol (FTP)" : "Email");
        CEmailAttachPage& page = sheet.AddPage(std::make_unique<CEmailAttachPage>());
        sheet.AddPage(std::make_unique<PropertyPage>(kOtherPage));
        page.SetSettings(settings);
        test::ModalDriver driver(sheet, [&] { drive(sheet, page); });
        return sheet.DoModal();
    }
};

TEST_F(EmailAttachPage, NewEmailIconSendsNothingAndNeedsNoFilename)
{
    AttachSettings settings{"", 0x0408, false};
    const int end = Run(settings, [&](PropertySheet& sheet, CEmailAttachPage& page) {
        EXPECT_EQ(page.GetControl(res::kIdcAttachDataGroup)->GetText(), "Data to Attach");
        EXPECT_EQ(page.GetControl(res::kIdcAttachFilenameGroup)->GetText(), "Attachment Base Filename");
        EXPECT_TRUE(Shown(page, res::kIdcAttachNone));
        EXPECT_TRUE(Checked(page, res::kIdcAttachNone));
        for (const int id : {res::kIdcAttachCommaSeparated, res::kIdcAttachTabSeparated, res::kIdcAttachOmbrelixFormat,
                 res::kIdcAttachRawData})
            EXPECT_FALSE(Enabled(page, id)) << id;
        EXPECT_TRUE(sheet.SaveImage(test::OutputFile("file-specification-page-email.png").string()));
        Click(sheet, kIdOk);
    });
    EXPECT_EQ(end, kIdOk);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(settings.optionWord, 0x0408) << "bit 10 passes through the page";
    EXPECT_EQ(settings.baseFilename, "");
}

TEST_F(EmailAttachPage, FtpNeverShowsNoneAndRequiresAFilenameStoredUnchanged)
{
    AttachSettings settings{"", 0x2000, true};
    bool stayedOpen = false;
    const int end = Run(settings, [&](PropertySheet& sheet, CEmailAttachPage& page) {
        EXPECT_EQ(page.GetControl(res::kIdcAttachDataGroup)->GetText(), "Data to Transfer");
        EXPECT_EQ(page.GetControl(res::kIdcAttachFilenameGroup)->GetText(), "FTP Base Filename");
        EXPECT_FALSE(Shown(page, res::kIdcAttachNone));
        for (const int id : {res::kIdcAttachAllNew, res::kIdcAttachCommaSeparated, res::kIdcAttachContentEach})
            EXPECT_TRUE(Checked(page, id)) << id;
        EXPECT_TRUE(Enabled(page, res::kIdcAttachRawData));
        EXPECT_TRUE(sheet.SaveImage(test::OutputFile("file-specification-page-ftp.png").string()));
        Click(sheet, kIdOk);
        stayedOpen = sheet.IsOpen();
        page.GetControl(res::kIdcAttachBaseFilename)->SetText("flow%d");
        Click(page, res::kIdcAttachAppendSerialNumber);
        Click(sheet, kIdOk);
    });
    EXPECT_EQ(end, kIdOk);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Filename Base is required for Data Files");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Data Files");
    EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Warning);
    EXPECT_EQ(settings.baseFilename, "flow%d");
    EXPECT_EQ(settings.optionWord, 0x2080) << "passive mode kept, serial number added";
}

TEST_F(EmailAttachPage, OnlyLastValuesDisableRawDataAndTakeCommaSeparatedInstead)
{
    AttachSettings settings{"data", 0x0030, false};  // all new, raw data
    const int end = Run(settings, [&](PropertySheet& sheet, CEmailAttachPage& page) {
        EXPECT_TRUE(Checked(page, res::kIdcAttachRawData));
        Click(page, res::kIdcAttachLastAcquired);
        EXPECT_FALSE(Enabled(page, res::kIdcAttachRawData));
        EXPECT_FALSE(Checked(page, res::kIdcAttachRawData));
        EXPECT_TRUE(Checked(page, res::kIdcAttachCommaSeparated));
        Click(page, res::kIdcAttachNone);
        EXPECT_FALSE(Enabled(page, res::kIdcAttachTabSeparated));
        Click(page, res::kIdcAttachAllNew);
        EXPECT_TRUE(Enabled(page, res::kIdcAttachRawData));
        Click(page, res::kIdcAttachTabSeparated);
        Click(page, res::kIdcAttachContentNone);
        Click(sheet, kIdOk);
    });
    EXPECT_EQ(end, kIdOk);
    Bits expected;
    expected.format = Bits::kTabSeparated;
    expected.content = 3;
    EXPECT_EQ(settings.optionWord, expected.Encode(0));
}

TEST_F(EmailAttachPage, LeavingThePageWritesItsValuesAndReturningKeepsWhatWasEntered)
{
    AttachSettings settings{"old", 0x0000, false};
    const int end = Run(settings, [&](PropertySheet& sheet, CEmailAttachPage& page) {
        page.GetControl(res::kIdcAttachBaseFilename)->SetText("new");
        Click(page, res::kIdcAttachAppendDateTime);
        ASSERT_TRUE(sheet.SetActivePage(1));
        EXPECT_EQ(settings.baseFilename, "new");
        EXPECT_EQ(settings.optionWord, Bits::kAppendDateTime);
        settings.baseFilename = "changed behind the page";
        ASSERT_TRUE(sheet.SetActivePage(0));
        EXPECT_EQ(page.GetControl(res::kIdcAttachBaseFilename)->GetText(), "new");
        Click(sheet, kIdCancel);
    });
    EXPECT_EQ(end, kIdCancel);
}

TEST_F(EmailAttachPage, CheckWorksOnTheSettingsOfAPageNeverShown)
{
    struct Case {
        AttachSettings settings;
        bool passes;
    };
    const std::vector<Case> cases{
        {{"", 0x2000, true}, false},
        {{"base", 0x2000, true}, true},
        {{"", 0x0008, false}, true},
        {{"", 0x0004, false}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings.optionWord);
        Prompts().messageBoxes.clear();
        AttachSettings settings = c.settings;
        CEmailAttachPage page;
        page.SetSettings(settings);
        EXPECT_EQ(page.ValidateFilenameBase(), c.passes);
        EXPECT_EQ(Prompts().messageBoxes.size(), c.passes ? 0U : 1U);
        page.WriteSettings();
        EXPECT_EQ(settings.optionWord, c.settings.optionWord) << "a page never shown writes nothing";
    }
}

}  // namespace
}  // namespace c_email_attach_page_test
}  // namespace corvane
