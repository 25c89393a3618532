// The recent-file lists in the File menus of the net window and the
// Communication Window, driven through the menus as a user does: saved and
// opened nets listed, numbered, opened from the menu, left out once their
// file is gone; recent data files handed to the desktop.
#include "AppTestSupport.h"

#include "app/CMainFrame.h"
#include "app/NetEditorAssembly.h"
#include "app/ShellMessages.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetView.h"
#include "platform/FrameAutomation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace corvane::test {
namespace recent_file_menu_test {
namespace {

namespace fa = frame_automation;
using Texts = std::vector<std::string>;

FileDialogResult Chosen(const std::filesystem::path& path)
{
    FileDialogResult result;
    result.paths = {path.string()};
    return result;
}

class RecentFileMenuTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellNeighbours neighbours = MakePlaceholderNeighbours();
        InstallProgramWindows(neighbours, {Scratch() / "sys", Scratch() / "dev"});
        Start(std::move(neighbours));
        std::filesystem::create_directories(Nets());
    }

    CMainFrame& Frame() { return *Shell().MainFrame(); }
    std::filesystem::path Nets() const { return Scratch() / "nets"; }

    void Activate(WindowKind kind)
    {
        ASSERT_TRUE(Frame().PostMessage(kActivateKindMessage, 0, static_cast<std::intptr_t>(kind)));
        App().ProcessPending();
    }

    CNetDoc& Net() { return dynamic_cast<CNetDoc&>(*Shell().NetDocument()); }

    // Starts a net of the Program icon alone (as a query without a logger
    // does) and saves it under the name through Save As.
    void SaveNetAs(const std::filesystem::path& path)
    {
        dynamic_cast<CNetView&>(*Net().FirstView()).OnQueryLoggerConfiguration();
        Prompts().fileDialogAnswers.push_back(Chosen(path));
        ASSERT_TRUE(fa::ChooseMenuItem(Frame(), CNetView::kSaveAsCommand));
        ASSERT_TRUE(std::filesystem::exists(path));
    }

    // The File menu's items between the separators around the recent files.
    Texts RecentItems()
    {
        const Texts file = fa::MenuItemTexts(Frame(), "&File");
        const auto exit = std::find(file.begin(), file.end(), "E&xit");
        Texts items;
        if (exit == file.begin() || exit == file.end())
            return items;
        auto first = exit - 1;  // the separator above Exit
        while (first != file.begin() && !(first - 1)->empty())
            --first;
        return Texts(first, exit - 1);
    }

    std::string LastNotice() { return Prompts().messageBoxes.empty() ? "" : Prompts().messageBoxes.back().text; }
};

TEST_F(RecentFileMenuTest, NetsShowNumberedInTheNetFileMenuOpenFromItAndGoWithTheirFiles)
{
    Activate(WindowKind::ProgramDevelopment);
    EXPECT_EQ(RecentItems(), Texts{"Recent File"});
    EXPECT_FALSE(fa::LookAtMenuItem(Frame(), kCmdRecentFirst).enabled) << "an empty list shows greyed";

    const std::filesystem::path tank = Nets() / "tank.nt3";
    const std::filesystem::path rd = Nets() / "R&D.nt3";
    SaveNetAs(tank);
    SaveNetAs(rd);
    EXPECT_EQ(RecentItems(), (Texts{"&1 " + Nets().string() + "/R&&D.nt3", "&2 " + tank.string()}));
    EXPECT_EQ(fa::LookAtMenuItem(Frame(), kCmdRecentFirst + 1).prompt, "2 " + tank.string());

    // File > Open of a listed net leaves the list as it is; the menu opens either.
    Prompts().fileDialogAnswers.push_back(Chosen(tank));
    ASSERT_TRUE(fa::ChooseMenuItem(Frame(), CNetView::kOpenCommand));
    EXPECT_EQ(Net().PathName(), tank);
    ASSERT_TRUE(fa::ChooseMenuItem(Frame(), kCmdRecentFirst));
    EXPECT_EQ(Net().PathName(), rd);
    ASSERT_TRUE(fa::ChooseMenuItem(Frame(), kCmdRecentFirst + 1));
    EXPECT_EQ(Net().PathName(), tank);
    EXPECT_FALSE(Net().IsModified());

    // The Communication Window keeps its own list, of data files.
    Activate(WindowKind::CommWindow);
    EXPECT_EQ(RecentItems(), Texts{"Recent File"});

    // A deleted net is left out when the net window shows again.
    std::filesystem::remove(rd);
    Activate(WindowKind::ProgramDevelopment);
    EXPECT_EQ(RecentItems(), Texts{"&1 " + tank.string()});
    EXPECT_FALSE(fa::LookAtMenuItem(Frame(), kCmdRecentFirst + 1).found);
    EXPECT_EQ(Shell().Recent(CCorvaneApp::RecentList::Net).Slot(0), rd.string()) << "the list keeps it";

    // One that goes while it is listed fails as its open does.
    std::filesystem::remove(tank);
    const std::size_t boxes = Prompts().messageBoxes.size();
    ASSERT_TRUE(fa::ChooseMenuItem(Frame(), kCmdRecentFirst));
    App().ProcessPending();
    ASSERT_EQ(Prompts().messageBoxes.size(), boxes + 1);
    EXPECT_EQ(LastNotice(), tank.string() + " File Could Not be Opened");
    EXPECT_EQ(Prompts().messageBoxes.back().caption, "Open File");
    Activate(WindowKind::CommWindow);
    Activate(WindowKind::ProgramDevelopment);
    EXPECT_EQ(RecentItems(), Texts{"Recent File"});
}

TEST_F(RecentFileMenuTest, DataFilesShowInTheCommunicationWindowAndOpenOnTheDesktop)
{
    Activate(WindowKind::CommWindow);
    std::filesystem::create_directories(Scratch() / "data");
    std::vector<std::filesystem::path> files;
    for (int index = 0; index < 10; ++index) {
        files.push_back(Scratch() / "data" / ("run" + std::to_string(index) + ".csv"));
        std::ofstream(files.back()) << "Time,Value\n";
        Shell().AddRecentFile(CCorvaneApp::RecentList::Data, files.back().string());
    }
    const Texts items = RecentItems();
    ASSERT_EQ(items.size(), 9u) << "the newest nine";
    EXPECT_EQ(items.front(), "&1 " + files[9].string());
    EXPECT_EQ(items.back(), "&9 " + files[1].string());

    ASSERT_TRUE(fa::ChooseMenuItem(Frame(), kCmdRecentFirst + 2));
    EXPECT_EQ(DesktopOpened(), std::vector<std::filesystem::path>{files[7]});

    std::filesystem::remove(files[9]);
    ASSERT_TRUE(fa::ChooseMenuItem(Frame(), kCmdRecentFirst));
    App().ProcessPending();
    EXPECT_EQ(DesktopOpened().size(), 1u) << "nothing is handed over";
    EXPECT_EQ(LastNotice(), files[9].string() + " File Could Not be Opened");

    // The net window's menu never lists data files.
    Activate(WindowKind::ProgramDevelopment);
    EXPECT_EQ(RecentItems(), Texts{"Recent File"});
    Activate(WindowKind::CommWindow);
    EXPECT_EQ(RecentItems().front(), "&1 " + files[8].string());
    EXPECT_EQ(RecentItems().size(), 9u) << "the oldest shows again once a newer one is gone";
}

}  // namespace
}  // namespace recent_file_menu_test
}  // namespace corvane::test
