#include "platform/HelpPage.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace help_page_test {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

TEST(HelpPageTest, FolderComesFromTheVariableElseBesideTheProgram)
{
    EXPECT_EQ(HelpFolder("/srv/help", "/opt/corvane/bin"), fs::path("/srv/help"));
    EXPECT_EQ(HelpFolder("", "/opt/corvane/bin"), fs::path("/opt/corvane/share/corvane/help"));
    EXPECT_EQ(HelpFolder("", "/usr/bin/"), fs::path("/usr/share/corvane/help"));
    EXPECT_TRUE(HelpFolder("", "").empty());
}

TEST(HelpPageTest, NamesPagesByTheIdInEightHexDigits)
{
    EXPECT_EQ(HelpPageName(0x20064), "00020064.html");
    EXPECT_EQ(HelpPageName(0), "00000000.html");
    EXPECT_EQ(HelpPageName(0x2ABCDu), "0002abcd.html");
    EXPECT_EQ(HelpPageName(0xFFFFFFFFu), "ffffffff.html");
    EXPECT_EQ(MissingHelpText(0x2ABCDu), "No help page is installed for topic 0x0002ABCD.");
}

TEST(HelpPageTest, FindsOnlyExistingPageFiles)
{
    ScratchFolder help;
    const fs::path lower = help.Write("00020064.html");
    const fs::path upper = help.Write("0002ABCD.html");
    fs::create_directory(help.Path() / "00000156.html");  // a folder is no page
    fs::create_symlink(lower, help.Path() / "00000008.html");

    EXPECT_EQ(FindHelpPage(help.Path(), 0x20064), lower);
    EXPECT_EQ(FindHelpPage(help.Path(), 0x2ABCD), upper);
    EXPECT_EQ(FindHelpPage(help.Path(), 8), help.Path() / "00000008.html");
    EXPECT_EQ(FindHelpPage(help.Path(), 0x156), std::nullopt);
    EXPECT_EQ(FindHelpPage(help.Path(), 0x20065), std::nullopt);
    EXPECT_EQ(FindHelpPage(help.Path() / "missing", 0x20064), std::nullopt);
    EXPECT_EQ(FindHelpPage({}, 0x20064), std::nullopt);
}

}  // namespace
}  // namespace help_page_test
}  // namespace corvane
