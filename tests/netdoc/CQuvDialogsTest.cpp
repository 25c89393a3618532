#include "netdoc/CQuvNetDlg.h"
#include "netdoc/CQuvTestDlg.h"

#include "ModalDriver.h"
#include "NetDocTestSupport.h"

#include "netdoc/NetFindingsText.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_quv_dialogs_test {
namespace {

using test::ModalDriver;

TEST(NetFindingsText, IndentsEveryLineAndEndsEachWithCrLf)
{
    const std::vector<std::string> lines{"First finding.", "", "Second finding."};
    EXPECT_EQ(
        NetFindingsText("Heading:", lines), "Heading:\r\n     First finding.\r\n     \r\n     Second finding.\r\n");
    EXPECT_EQ(NetFindingsText("Heading:", {}), "Heading:\r\n");
    EXPECT_EQ(ToDisplayLineEnds("a\r\n\r\nb\rc\n"), "a\n\nb\rc\n");
}

class QuvDialogs : public test::NetDocTest {
protected:
    // A net whose checks find nothing: the small net with a logger connected.
    void BuildCleanNet()
    {
        services.connected = true;
        BuildSmallNet(doc);
    }
    std::vector<std::string> CheckMessages()
    {
        std::vector<std::string> messages;
        (void)doc.CompileNet(messages, {}, CompileMode::CheckOnly);
        return messages;
    }
    std::string BoxText(const Dialog& dialog, int id) const { return dialog.GetControl(id)->GetText(); }
};

TEST_F(QuvDialogs, CheckOfACleanNetShowsTheBoxInsteadOfTheWindow)
{
    BuildCleanNet();
    CQuvTestDlg dialog(doc);
    ModalDriver driver(dialog, [] {});
    EXPECT_EQ(dialog.DoModal(), CQuvTestDlg::kNoFindings);
    EXPECT_EQ(driver.runs, 0) << "the window never showed";
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "No warnings or errors");
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::Ok);
}

TEST_F(QuvDialogs, CheckListsEveryFindingIndentedEmptyLinesIncluded)
{
    PlaceProgram(doc);  // a Program icon alone: several findings with separator lines
    const std::vector<std::string> expected = CheckMessages();
    ASSERT_GE(expected.size(), 2u);
    CQuvTestDlg dialog(doc);
    std::string shown;
    ModalDriver driver(dialog, [&] {
        shown = BoxText(dialog, res::kIdcCheckNetReport);
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_EQ(dialog.Report(), NetFindingsText("Program net check found:", expected));
    EXPECT_NE(dialog.Report().find("\r\n     \r\n"), std::string::npos) << "an empty line keeps its indent";
    EXPECT_EQ(shown, ToDisplayLineEnds(dialog.Report()));
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), static_cast<long>(expected.size() + 1));
}

TEST_F(QuvDialogs, ConversionOfACleanNetWritesAtOnceWithoutTheWindow)
{
    BuildCleanNet();
    const auto out = Folder() / "net.quv";
    CQuvNetDlg dialog(doc, out);
    ModalDriver driver(dialog, [] {});
    EXPECT_EQ(dialog.DoModal(), CQuvNetDlg::kWritten);
    EXPECT_EQ(driver.runs, 0);
    EXPECT_TRUE(dialog.Written());
    EXPECT_TRUE(std::filesystem::exists(out));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(QuvDialogs, ConversionFindingsAreListedAndOnlyAcceptWrites)
{
    BuildSmallNet(doc);  // no logger connected: the checks say so
    const std::vector<std::string> expected = CheckMessages();
    const auto out = Folder() / "net.quv";
    for (const int button : {kIdCancel, kIdOk}) {
        CQuvNetDlg dialog(doc, out);
        std::string shown;
        bool acceptShown = false;
        ModalDriver driver(dialog, [&] {
            shown = BoxText(dialog, res::kIdcConvertNetReport);
            acceptShown = dialog.GetControl(kIdOk)->IsVisible();
            EXPECT_FALSE(std::filesystem::exists(out)) << "nothing is written before the user decides";
            dialog.GetControlAs<ButtonControl>(button)->Click();
        });
        EXPECT_EQ(dialog.DoModal(), button);
        EXPECT_TRUE(acceptShown);
        EXPECT_EQ(shown.rfind("Program net errors found:\n     ", 0), 0u) << shown;
        EXPECT_EQ(dialog.Report().size() - shown.size(), expected.size() + 1) << "one CR per line";
        EXPECT_EQ(dialog.Written(), button == kIdOk);
        EXPECT_EQ(std::filesystem::exists(out), button == kIdOk);
    }
}

TEST_F(QuvDialogs, AcceptThatCannotWriteSaysSoAndStaysOpen)
{
    BuildSmallNet(doc);
    const auto out = Folder() / "missing-folder" / "net.quv";
    CQuvNetDlg dialog(doc, out);
    std::string after;
    bool acceptShown = true;
    ModalDriver driver(dialog, [&] {
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
        after = BoxText(dialog, res::kIdcConvertNetReport);
        acceptShown = dialog.GetControl(kIdOk)->IsVisible();
        dialog.GetControlAs<ButtonControl>(kIdCancel)->Click();
    });
    EXPECT_EQ(dialog.DoModal(), kIdCancel);
    EXPECT_FALSE(dialog.Written());
    EXPECT_NE(after.find("     Net output file Could Not be Opened\n"), std::string::npos) << after;
    EXPECT_FALSE(acceptShown);
}

}  // namespace
}  // namespace c_quv_dialogs_test
}  // namespace corvane
