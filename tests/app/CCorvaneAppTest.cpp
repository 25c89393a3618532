#include "AppTestSupport.h"

#include "app/CMainFrame.h"
#include "app/ProgramSettings.h"
#include "app/ShellMessages.h"
#include "platform/Document.h"
#include "platform/SettingsStore.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace corvane::test {
namespace c_corvane_app_test {
namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> ValueNames(const SettingsStore& store, std::string_view key)
{
    std::vector<std::string> names;
    for (std::size_t index = 0; index < store.ValueCount(key); ++index) {
        names.push_back(store.ValueAt(key, index)->name);
    }
    return names;
}

class CCorvaneAppTest : public ShellTest {};

TEST_F(CCorvaneAppTest, StartShowsTheMainFrameWithItsDocumentsAndSavesAPicture)
{
    CCorvaneApp& shell = Start();
    CMainFrame* frame = shell.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsVisible());
    EXPECT_EQ(frame->ToolBarCount(), 5);
    EXPECT_TRUE(frame->GetToolBar(0)->IsShown());
    for (int index = 1; index < 5; ++index) {
        EXPECT_FALSE(frame->GetToolBar(index)->IsShown()) << index;
    }
    EXPECT_NE(shell.CommWindowDocument(), nullptr);
    EXPECT_NE(shell.NetDocument(), nullptr);
    EXPECT_NE(shell.TrendingDocument(), nullptr);
    EXPECT_NE(shell.WebDocument(), nullptr);
    frame->UpdateCommandUi();
    StatusBar* bar = frame->GetStatusBar();
    EXPECT_EQ(bar->PaneText(bar->IndexOf(kPaneConnection)), "Disconnected");
    EXPECT_TRUE(shell.CommsThreadRunning());
    EXPECT_TRUE(Prompts().messageBoxes.empty());

    const char* out = std::getenv("CORVANE_SHELL_PICTURE");
    const std::filesystem::path picture
        = out != nullptr ? std::filesystem::path(out) : test::OutputFile("MainFrame.png");
    EXPECT_TRUE(frame->SaveImage(picture));
    EXPECT_GT(std::filesystem::file_size(picture), 1000u);
}

TEST_F(CCorvaneAppTest, FirstStartCreatesExactlyTheStartupSettings)
{
    Start();
    const SettingsStore& store = Shell().Settings();
    EXPECT_EQ(
        ValueNames(store, kProductKey), (std::vector<std::string>{"LoggerRetryTime", "SocketTimeout", "SnapToGrid"}));
    EXPECT_EQ(ValueNames(store, kAdminKey),
        (std::vector<std::string>{"DontResetLoggerAfterConfigUpdate", "DontDeleteRawData"}));
    EXPECT_EQ(*store.GetValue(kProductKey, "LoggerRetryTime")->AsDword(), 5000u);
    EXPECT_EQ(*store.GetValue(kProductKey, "SocketTimeout")->AsDword(), 5000u);
    EXPECT_EQ(*store.GetValue(kProductKey, "SnapToGrid")->AsDword(), 0u);
    EXPECT_EQ(*store.GetValue(kAdminKey, "DontDeleteRawData")->AsDword(), 0u);
    EXPECT_FALSE(store.GetValue(kAdminKey, "ShowProduction").has_value());
    EXPECT_FALSE(store.GetValue(kAdminKey, "SendKeepAlivePing").has_value());
}

TEST_F(CCorvaneAppTest, DiagnosticsLogStartsWithItsTitleLineInCrLf)
{
    Start();
    Shell().WriteDiagnosticLine("connected");
    Stop();
    const std::string text = ReadAll(Scratch() / "work" / "diagnostics.txt");
    ASSERT_GE(text.size(), 21u);
    EXPECT_EQ(text.substr(21, 28), "Corvane-III diagnostic log\r\n");
    EXPECT_TRUE(text.ends_with("  connected\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
}

TEST_F(CCorvaneAppTest, DesktopFilesAreRegistered)
{
    RegisterDesktopFiles();
    Start();
    const std::string entry = ReadAll(Scratch() / "share" / "applications" / "corvane.desktop");
    EXPECT_NE(entry.find("Exec=\"/opt/corvane/bin/corvane\" %f\n"), std::string::npos);
    EXPECT_NE(entry.find("Icon=corvane\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(Scratch() / "share" / "icons" / "hicolor" / "48x48" / "apps" / "corvane.png"));
    EXPECT_NE(entry.find("MimeType=application/x-corvane-net;\n"), std::string::npos);
    const std::string mime = ReadAll(Scratch() / "share" / "mime" / "packages" / "corvane-net.xml");
    EXPECT_NE(mime.find("<glob pattern=\"*.nt3\"/>"), std::string::npos);
}

TEST_F(CCorvaneAppTest, MaximizedPlacementIsSavedAndRestored)
{
    Start();
    Shell().MainFrame()->ShowMaximized();
    App().ProcessPending();
    ASSERT_TRUE(Shell().MainFrame()->Close());
    EXPECT_EQ(*Shell().Settings().GetValue(kProductKey, "WindowPosMaximized")->AsString(), "1");
    Stop();

    Start();
    EXPECT_TRUE(Shell().MainFrame()->IsMaximized());
}

TEST_F(CCorvaneAppTest, NormalPlacementIsRestored)
{
    {
        SettingsStore store;
        (void)store.Load(Options().settingsFile);
        (void)store.CreateKey(kProductKey);
        for (const auto& [name, value] :
            std::vector<std::pair<std::string, std::string>>{{"WindowPosX", "40"}, {"WindowPosY", "30"},
                {"WindowPosWidth", "900"}, {"WindowPosHeight", "650"}, {"WindowPosMaximized", "0"}}) {
            (void)store.SetValue(kProductKey, name, SettingsValue::String(value));
        }
    }
    Start();
    EXPECT_FALSE(Shell().MainFrame()->IsMaximized());
    EXPECT_EQ(Shell().MainFrame()->GetPlacement().normal.Width(), 900);
}

TEST_F(CCorvaneAppTest, OpenDocumentFileChoosesTheDocumentByExtension)
{
    Start();
    struct Case {
        const char* name;
        int templateId;
    };
    for (const Case& c : {Case{"plant.NT3", kNetTemplate}, Case{"trend.Xml", kTrendingTemplate},
             Case{"comms.cvc", kCommWindowTemplate}, Case{"page.htm", 0}}) {
        Document* document = Shell().OpenDocumentFile(Scratch() / c.name);
        if (c.templateId == 0) {
            EXPECT_EQ(document, nullptr) << c.name;
        } else {
            ASSERT_NE(document, nullptr) << c.name;
            EXPECT_EQ(document->PathName().filename(), c.name);
        }
    }
}

TEST_F(CCorvaneAppTest, CommunicationLogKeepsTheNewestFiftySingleLines)
{
    Start();
    for (int index = 0; index < 60; ++index) {
        Shell().AddCommLogLine("INFO  ", "line " + std::to_string(index) + "\nmore");
    }
    const auto lines = Shell().CommLogLines();
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_TRUE(lines.front().ends_with(": INFO    line 10 more"));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos);
}

TEST_F(CCorvaneAppTest, RecentListsKeepAllTenSlotsAcrossRestarts)
{
    Start();
    for (int index = 0; index < 11; ++index) {
        Shell().AddRecentFile(CCorvaneApp::RecentList::Net, "/nets/n" + std::to_string(index) + ".nt3");
    }
    Stop();
    Start();
    const CRecentFileList& list = Shell().Recent(CCorvaneApp::RecentList::Net);
    EXPECT_EQ(list.Slot(0), "/nets/n10.nt3");
    EXPECT_EQ(list.Slot(9), "/nets/n1.nt3");
}

}  // namespace
}  // namespace c_corvane_app_test
}  // namespace corvane::test
