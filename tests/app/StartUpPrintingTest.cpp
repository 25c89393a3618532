// The print system is asked for printers and paper only when printing or
// the net's page needs them, never while the program starts or a new net is
// made, and the net's page is the printer's paper all the same.
#include "AppTestSupport.h"

#include "app/CMainFrame.h"
#include "app/CSplashWnd.h"
#include "app/NetEditorAssembly.h"
#include "app/ShellMessages.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetView.h"
#include "netmodel/CCorvaneView.h"
#include "platform/FrameAutomation.h"
#include "platform/MdiFrame.h"
#include "platform/PrintSetup.h"

#include "FakePrinterBackend.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace start_up_printing_test {
namespace {

class StartUpPrinting : public ShellTest {
protected:
    void SetUp() override
    {
        printers_.printers = {"Office"};
        printers_.papers = {{"Office", kOfficePaper}};
        App().SetPrinterBackend(&printers_);
    }
    void TearDown() override
    {
        Stop();
        App().SetPrinterBackend(nullptr);
    }

    // Starts the program with its net window, as the program does, and lets
    // the start-up picture go by.
    void StartProgram()
    {
        ShellNeighbours neighbours = MakePlaceholderNeighbours();
        InstallProgramWindows(neighbours, {Scratch() / "sys", Scratch() / "dev"});
        Start(std::move(neighbours));
        TestClock().Advance(CSplashWnd::kShowMilliseconds);
        App().ProcessPending();
    }

    // Brings the net window to the front, as its menu command does.
    void ShowNetWindow()
    {
        ASSERT_TRUE(Shell().MainFrame()->PostMessage(
            kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::ProgramDevelopment)));
        App().ProcessPending();
    }

    CNetDoc& Net() { return *dynamic_cast<CNetDoc*>(Shell().NetDocument()); }

    static constexpr Size kOfficePaper{850, 1100};
    FakePrinterBackend printers_;
};

TEST_F(StartUpPrinting, StartingAndANewNetAskNothingThePageAsksOnceWhenNeeded)
{
    StartProgram();
    EXPECT_EQ(printers_.questions, 0) << "starting the program";
    ASSERT_TRUE(Shell().HandleCommand(kCmdFileNew));
    App().ProcessPending();
    EXPECT_EQ(printers_.questions, 0) << "new documents";

    // The net window's page is the printer's paper once the window shows it.
    ShowNetWindow();
    auto* view = dynamic_cast<CNetView*>(Net().FirstView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->PrintSize(), (Size{816, 1056})) << "8.5 x 11 inches at 96 pixels to the inch";
    EXPECT_EQ(Net().GetPaperSize(), kOfficePaper);
    EXPECT_GT(printers_.questions, 0);
    const int asked = printers_.questions;
    (void)view->TotalSize();
    (void)Net().GetPaperSize();
    EXPECT_EQ(printers_.questions, asked) << "the answer is kept";
}

TEST_F(StartUpPrinting, PageSetUpAndPrintingAsk)
{
    StartProgram();
    ASSERT_EQ(printers_.questions, 0);
    ShowNetWindow();
    MdiFrame& frame = *Shell().MainFrame();

    printers_.questions = 0;
    PrintSetup setup;
    setup.printerName = "Office";
    setup.paper = kOfficePaper;
    Prompts().pageSetupAnswers.push_back(setup);
    ASSERT_TRUE(frame_automation::ChooseMenuItem(frame, kCmdPrintSetup));
    EXPECT_GT(printers_.questions, 0) << "page set-up";

    printers_.questions = 0;
    ASSERT_TRUE(frame_automation::ChooseMenuItem(frame, view_command::kPrint));
    EXPECT_EQ(printers_.jobs.size(), 1u);
    EXPECT_GT(printers_.questions, 0) << "printing";
    EXPECT_EQ(Net().GetPaperSize(), kOfficePaper);
}

}  // namespace
}  // namespace start_up_printing_test
}  // namespace corvane::test
