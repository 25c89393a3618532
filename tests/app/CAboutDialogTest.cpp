#include "app/CAboutDialog.h"

#include "ModalDriver.h"
#include "PlatformTestSupport.h"
#include "app/CFileVersionInfo.h"
#include "base/ProgramFileVersion.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"
#include "tests/platform/TestOutput.h"

#include <filesystem>
#include <string>

namespace corvane {
namespace c_about_dialog_test {
namespace {

using CAboutDialogTest = test::PlatformTest;

TEST_F(CAboutDialogTest, ShowsTheSharedVersionAndLegalNoticeAndOffersHelp)
{
    CAboutDialog about;
    const std::filesystem::path png = test::OutputFile("AboutBox.png");
    test::ModalDriver driver(about, [&] {
        EXPECT_EQ(
            about.GetControl(res::kIdcAboutVersion)->GetText(), "Corvane Version " + std::string(kProgramFileVersion));
        EXPECT_EQ(about.GetControl(res::kIdcAboutLegal)->GetText(), CFileVersionInfo().GetValue("LegalCopyright"));
        EXPECT_TRUE(about.SaveImage(png.string()));
        about.GetControlAs<ButtonControl>(kIdHelp)->Click();
        about.GetControlAs<ButtonControl>(kIdOk)->Click();
    });
    EXPECT_EQ(about.DoModal(), kIdOk);
    EXPECT_FALSE(about.LegalText().empty());
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{0x20064}));
    EXPECT_GT(std::filesystem::file_size(png), 0u);
}

TEST(CFileVersionInfoTest, ReadsTheProgramsVersionStrings)
{
    const CFileVersionInfo info("Corvane-III  Application");
    EXPECT_EQ(info.FileName(), "Corvane-III");
    EXPECT_EQ(info.GetValue("FileVersion"), kProgramFileVersion);
    EXPECT_EQ(info.GetValue("fileversion"), kProgramFileVersion);
    EXPECT_EQ(info.GetValue("ProductName"), "Corvane");
    EXPECT_EQ(info.GetValue("SpecialBuild"), "");
    EXPECT_EQ(info.GetValue("NoSuchKey"), "");
    EXPECT_EQ(CFileVersionInfo("Corvane").FileName(), "Corvane");
}

}  // namespace
}  // namespace c_about_dialog_test
}  // namespace corvane
