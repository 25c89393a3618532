// Reading logged sessions out of the simulated logger from the
// Communication Window's command, through the whole program: the session
// list, downloads converted to text, a filtered download, erasing, and the
// faults of a session download.
#include "LoggerConnectionTest.h"

#include "app/DownloadShellServices.h"
#include "download/CDownloadDlg.h"
#include "download/CFilterDownloadDialog.h"
#include "download/SessionFileName.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/SessionAdditions.h"
#include "loggersim/SessionRequests.h"
#include "platform/ButtonControl.h"
#include "platform/DateTimeControl.h"
#include "platform/FrameAutomation.h"
#include "platform/ListBoxControl.h"
#include "platform/Notification.h"
#include "platform/StatusBar.h"
#include "res/ResourceIds.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::test {
namespace data_download_test {
namespace {

constexpr std::uint32_t kFirstStart = 1710498030;  // 2024-03-15 10:20:30 UTC
constexpr std::uint32_t kDay = 86400;
constexpr std::string_view kUtcHeads
    = "UTC Date,UTC Time,Elapsed,Tank Temperature,Line Pressure,Pulse Count,Pump Running,";

class DataDownloadTest : public LoggerConnectionTest {
protected:
    // Three sessions a day apart, of 100, 200 and 300 scans a second apart
    // (each many download blocks long).
    static std::vector<LoggedSessionPlan> ThreeSessions()
    {
        std::vector<LoggedSessionPlan> plans(3);
        for (std::size_t i = 0; i < plans.size(); ++i) {
            plans[i].startSeconds = kFirstStart + static_cast<std::uint32_t>(i) * kDay;
            plans[i].scanCount = static_cast<std::uint32_t>(100 * (i + 1));
        }
        return plans;
    }

    // Waits on the real clock, bounded, until done() holds.
    bool WaitFor(const std::function<bool()>& done)
    {
        for (int round = 0; round < 250 && !done(); ++round)
            App().WaitMilliseconds(20);
        return done();
    }

    std::filesystem::path LoggerFolder() const { return Scratch() / "logger"; }
    std::filesystem::path Output(std::string_view name) const { return Scratch() / "out" / name; }

    // The program connected to a logger that holds these sessions.
    void Connect(const std::vector<LoggedSessionPlan>& plans)
    {
        StartLogger(false, false);
        ASSERT_FALSE(SaveLoggedSessions(LoggerFolder(), plans));
        StartProgram();
        SaveConnections();
        ConnectThroughTheDialog("Plant network");
        ASSERT_TRUE(Shell().Connection().IsConnected());
        std::filesystem::create_directories(Scratch() / "out");
    }

    // Runs Download Data from the Communication Window's menu command;
    // step() is called every 50 ms while the dialog is open and closes it
    // (as the Close button does) by returning true. A dialog still open
    // after the bound is ended.
    void RunDownload(const std::function<bool(CDownloadDlg&)>& step)
    {
        RecordingWindow driver;
        int rounds = 0;
        bool busy = false;
        driver.onMessage = [&](Message&) {
            auto* dialog = dynamic_cast<CDownloadDlg*>(view_->OpenDownloadDialog());
            // A step may open a nested loop (a filtered download) in which
            // this timer goes on; the step itself drives that loop.
            if (dialog == nullptr || !dialog->IsOpen() || busy)
                return std::intptr_t{0};
            busy = true;
            if (step(*dialog) && dialog->IsOpen())
                dialog->GetControlAs<ButtonControl>(kIdCancel)->Click();
            busy = false;
            // A bound that only keeps a broken build from hanging.
            if (++rounds > 1200 && dialog->IsOpen()) {
                ADD_FAILURE() << "the download dialog did not close";
                dialog->EndDialog(kIdAbort);
            }
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        EXPECT_TRUE(view_->RouteCommand(CLaunchView::kDownloadDataCommand));
        driver.KillTimer(1);
        App().ProcessPending();
        EXPECT_EQ(view_->OpenDownloadDialog(), nullptr);
    }

    static ListBoxControl& List(Dialog& dialog)
    {
        return *dialog.GetControlAs<ListBoxControl>(res::kIdcDownloadSessionList);
    }
    static void Click(Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }
    // Selects these lines of a list as the user's clicks would.
    static void SelectOnly(Dialog& dialog, int listId, std::initializer_list<int> lines)
    {
        auto* list = dialog.GetControlAs<ListBoxControl>(listId);
        list->SetSel(-1, false);
        for (const int line : lines)
            list->SetSel(line, true);
        NotifyEvent changed{Notification::SelectionChanged, listId};
        dialog.Notify(changed);
    }

    void AnswerFile(const std::filesystem::path& path)
    {
        FileDialogResult result;
        result.paths = {path.string()};
        Prompts().fileDialogAnswers.push_back(result);
    }

    // The message box shown with that text; null when there was none.
    const MessageBoxRequest* Box(std::string_view text)
    {
        const auto& boxes = Prompts().messageBoxes;
        const auto box
            = std::ranges::find_if(boxes, [&](const MessageBoxRequest& shown) { return shown.text == text; });
        return box != boxes.end() ? &*box : nullptr;
    }

    // A converted file's lines from its column heads on.
    static std::vector<std::string> TableOf(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::vector<std::string> lines;
        bool inTable = false;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            inTable = inTable || line.starts_with("Local Date") || line.starts_with("UTC Date");
            if (inTable)
                lines.push_back(line);
        }
        return lines;
    }
};

TEST_F(DataDownloadTest, ListsTheSessionsAndDownloadsThemAllToStampedFiles)
{
    const std::vector<LoggedSessionPlan> plans = ThreeSessions();
    Connect(plans);
    // The logger's download in the Logger menu; the card's commands in the
    // SD Card menu, its download only once a scan found sessions.
    CMainFrame& frame = *Shell().MainFrame();
    const std::vector<std::string> titles = frame_automation::MenuBarTitles(frame);
    EXPECT_NE(std::ranges::find(titles, "&SD Card"), titles.end());
    struct Item {
        int command;
        bool enabled;
    };
    for (const Item item : {Item{CLaunchView::kDownloadDataCommand, true}, Item{CLaunchView::kScanCardCommand, true},
             Item{CLaunchView::kDownloadCardDataCommand, false}}) {
        const frame_automation::MenuItemLook look = frame_automation::LookAtMenuItem(frame, item.command);
        EXPECT_TRUE(look.found) << item.command;
        EXPECT_EQ(look.enabled, item.enabled) << item.command;
    }

    // The first session's start is answered late, so the run is seen under way.
    SimFault lateStart;
    lateStart.kind = SimFault::Kind::Delay;
    lateStart.requestType = kRequestSdlStart;
    lateStart.delayMs = 500;
    lateStart.count = 1;
    logger_->InjectFault(lateStart);
    std::vector<std::string> lines;
    bool started = false;
    bool timedOutAside = false;
    RunDownload([&](CDownloadDlg& dialog) {
        if (!started) {
            if (dialog.SessionLineCount() < 3)
                return false;
            for (int i = 0; i < List(dialog).GetCount(); ++i)
                lines.push_back(List(dialog).GetText(i));
            EXPECT_TRUE(dialog.SaveImage(test::OutputFile("DataDownloadDialog-app.png").string()));
            AnswerFile(Output("all.csv"));
            Click(dialog, res::kIdcDownloadUtcTime);
            Click(dialog, res::kIdcDownloadSelectAll);
            Click(dialog, res::kIdcDownloadSelected);
            started = true;
            return false;
        }
        if (dialog.IsTransferring() && !timedOutAside) {
            // Another request's time-out during the run leaves the run's
            // controls disabled.
            timedOutAside = true;
            App().SendMessage(view_->Handle(), kTimeoutMessage, kRequestPing, kRequestPing);
            EXPECT_FALSE(dialog.GetControl(res::kIdcDownloadSelected)->IsEnabled());
            EXPECT_FALSE(dialog.GetControl(res::kIdcDownloadEraseSelected)->IsEnabled());
        }
        return std::ranges::all_of(plans, [&](const LoggedSessionPlan& plan) {
            return std::filesystem::exists(MakeSessionFileName(Output("all.csv"), plan.startSeconds));
        }) && !dialog.IsTransferring();
    });

    EXPECT_TRUE(timedOutAside);
    ASSERT_EQ(lines.size(), 3u);
    for (std::size_t i = 0; i < plans.size(); ++i) {
        EXPECT_TRUE(lines[i].starts_with("\tCont\t")) << lines[i];
        EXPECT_TRUE(lines[i].ends_with("\t" + SessionName(plans[i]))) << lines[i];
        const std::vector<std::string> table = TableOf(MakeSessionFileName(Output("all.csv"), plans[i].startSeconds));
        ASSERT_GE(table.size(), 2u) << i;
        EXPECT_EQ(table[0], kUtcHeads);
        EXPECT_EQ(table.size() - 2, plans[i].scanCount) << i;  // heads, units, one row per scan
    }
    // The time columns chosen are the program's from now on; the chosen file
    // is remembered as the last download and a recent data file.
    EXPECT_EQ(Shell().TimeColumnChoice(), 1);
    const auto last = Shell().Settings().GetValue(
        std::string(CCorvaneApp::kRecentRoot) + "\\Settings", DownloadShellServices::kLastDownloadFileValue);
    ASSERT_TRUE(last.has_value());
    ASSERT_NE(last->AsString(), nullptr);
    EXPECT_EQ(*last->AsString(), Output("all.csv").string());
    EXPECT_EQ(Shell().Recent(CCorvaneApp::RecentList::Data).Slot(0), Output("all.csv").string());
}

TEST_F(DataDownloadTest, FilteredDownloadKeepsThePointsAndTheTimeWindowChosen)
{
    const std::vector<LoggedSessionPlan> plans = ThreeSessions();
    Connect(plans);
    bool pressed = false;
    bool asked = false;
    RunDownload([&](CDownloadDlg& dialog) {
        if (dialog.SessionLineCount() < 3)
            return false;
        if (pressed)
            return true;
        // The second session, through the Filter Download button: the
        // output file first, then the filter dialog, driven by its own
        // timer while its loop runs inside the button's handler.
        SelectOnly(dialog, res::kIdcDownloadSessionList, {1});
        AnswerFile(Output("filtered.csv"));
        RecordingWindow driver;
        int rounds = 0;
        driver.onMessage = [&](Message&) {
            auto* filter = dynamic_cast<CFilterDownloadDialog*>(dialog.OpenFilterDialog());
            if (filter == nullptr || !filter->IsOpen())
                return std::intptr_t{0};
            auto* points = filter->GetControlAs<ListBoxControl>(res::kIdcFilterPointList);
            if (!asked && points->GetCount() == 4 && filter->CurrentPhase() == CFilterDownloadDialog::Phase::Idle) {
                asked = true;
                EXPECT_TRUE(filter->SaveImage(test::OutputFile("FilterDownloadDialog-app.png").string()));
                SelectOnly(*filter, res::kIdcFilterPointList, {1});  // Line Pressure
                // From 5 s after the start to 14 s after it.
                auto* startTime = filter->GetControlAs<DateTimeControl>(res::kIdcFilterStartTime);
                auto* stopTime = filter->GetControlAs<DateTimeControl>(res::kIdcFilterStopTime);
                const std::int64_t start = startTime->GetTimeSeconds();
                for (const auto& [picker, id, seconds] : {std::tuple{startTime, res::kIdcFilterStartTime, start + 5},
                         std::tuple{stopTime, res::kIdcFilterStopTime, start + 14}}) {
                    picker->SetTimeSeconds(seconds);
                    NotifyEvent changed{Notification::Changed, id};
                    filter->Notify(changed);
                }
                Click(*filter, res::kIdcFilterGetLogData);
            }
            if (++rounds > 1200) {
                ADD_FAILURE() << "the filter dialog did not close";
                filter->EndDialog(kIdAbort);
            }
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        pressed = true;
        Click(dialog, res::kIdcDownloadFilter);
        driver.KillTimer(1);
        EXPECT_EQ(dialog.OpenFilterDialog(), nullptr);
        return true;
    });

    EXPECT_TRUE(asked);
    const std::vector<std::string> table = TableOf(Output("filtered.csv"));
    ASSERT_GE(table.size(), 2u);
    EXPECT_EQ(table[0], "Local Date,Local Time,Elapsed,Line Pressure,");
    EXPECT_EQ(table.size() - 2, 10u);  // one row a second, both ends included
    for (std::size_t row = 2; row < table.size(); ++row)
        EXPECT_EQ(std::ranges::count(table[row], ','), 4) << table[row];
}

// The simulator's shipped pair of sessions, added just now: an hour of a
// scan a second, then ten minutes of five scans a second, still logging.
TEST_F(DataDownloadTest, FilterDownloadProposesTheSessionsOwnTimesAndTheStatusClearsAtTheEnd)
{
    std::vector<LoggedSessionPlan> plans;
    ASSERT_EQ(
        AddSessionsEndingAt(plans,
            std::vector{*ParseSessionAddition("3600"), *ParseSessionAddition("3000,interval=40,subsecond,running")},
            static_cast<std::int64_t>(std::time(nullptr))),
        "");
    Connect(plans);
    struct Proposal {
        std::int64_t start = 0;
        std::int64_t stop = 0;
        bool stillLogging = false;
    };
    Proposal proposed[2];
    int done = 0;
    RunDownload([&](CDownloadDlg& dialog) {
        if (dialog.SessionLineCount() < 2 || done == 2)
            return done == 2;
        // Each session through Filter Download with every point and the
        // window it proposes.
        const int line = done;
        Click(dialog, res::kIdcDownloadUtcTime);
        SelectOnly(dialog, res::kIdcDownloadSessionList, {line});
        AnswerFile(Output("session" + std::to_string(line) + ".csv"));
        RecordingWindow driver;
        bool asked = false;
        driver.onMessage = [&](Message&) {
            auto* filter = dynamic_cast<CFilterDownloadDialog*>(dialog.OpenFilterDialog());
            if (filter == nullptr || !filter->IsOpen() || asked)
                return std::intptr_t{0};
            if (filter->GetControlAs<ListBoxControl>(res::kIdcFilterPointList)->GetCount() == 4
                && filter->CurrentPhase() == CFilterDownloadDialog::Phase::Idle) {
                asked = true;
                Proposal& proposal = proposed[line];
                proposal.start = filter->GetControlAs<DateTimeControl>(res::kIdcFilterStartTime)->GetTimeSeconds();
                proposal.stop = filter->GetControlAs<DateTimeControl>(res::kIdcFilterStopTime)->GetTimeSeconds();
                proposal.stillLogging = filter->GetControl(res::kIdcFilterStillLoggingNotice)->IsVisible();
                Click(*filter, res::kIdcFilterGetLogData);
            }
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        Click(dialog, res::kIdcDownloadFilter);
        driver.KillTimer(1);
        EXPECT_TRUE(asked) << line;
        ++done;
        return false;
    });
    ASSERT_EQ(done, 2);

    // The stopped hour: from its start to its stop, every scan converted.
    const std::int64_t hourStop = LoggedSessionGenerator(LoggerState::Fresh(), plans[0]).StopSeconds();
    EXPECT_EQ(proposed[0].start, plans[0].startSeconds);
    EXPECT_EQ(proposed[0].stop, hourStop);
    EXPECT_FALSE(proposed[0].stillLogging);
    const std::vector<std::string> hour = TableOf(Output("session0.csv"));
    ASSERT_GE(hour.size(), 2u);
    EXPECT_EQ(hour[0], kUtcHeads);
    EXPECT_EQ(hour.size() - 2, 3600u);

    // The running session: from its start to now, said to be still logging,
    // with the scans up to then (five a second).
    EXPECT_EQ(proposed[1].start, plans[1].startSeconds);
    EXPECT_GE(proposed[1].stop, plans[1].startSeconds + 600);
    EXPECT_LE(proposed[1].stop, static_cast<std::int64_t>(std::time(nullptr)));
    EXPECT_TRUE(proposed[1].stillLogging);
    const std::vector<std::string> running = TableOf(Output("session1.csv"));
    ASSERT_GE(running.size(), 2u);
    const std::size_t rows = running.size() - 2;
    EXPECT_GE(rows, 3000u);
    EXPECT_LE(rows, static_cast<std::size_t>(5 * (proposed[1].stop - proposed[1].start + 1)));
    EXPECT_EQ(Box("Nothing selected"), nullptr);

    // The dialog gone, the status bar keeps neither a message nor a bar.
    App().ProcessPending();
    StatusBar* bar = Shell().MainFrame()->GetStatusBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->PaneText(bar->IndexOf(kPaneStatus2)), "");
    EXPECT_EQ(bar->Progress(), nullptr);
}

TEST_F(DataDownloadTest, ErasesOneSessionInTheLogger)
{
    const std::vector<LoggedSessionPlan> plans = ThreeSessions();
    Connect(plans);
    bool asked = false;
    RunDownload([&](CDownloadDlg& dialog) {
        if (!asked) {
            if (dialog.SessionLineCount() < 3)
                return false;
            SelectOnly(dialog, res::kIdcDownloadSessionList, {1});
            asked = true;
            Click(dialog, res::kIdcDownloadEraseSelected);  // the warning is answered OK
        }
        return dialog.SessionLineCount() == 2 && !dialog.IsErasePending();
    });
    EXPECT_TRUE(asked);
    const LoadedLoggedSessions left = LoadLoggedSessions(LoggerFolder());
    ASSERT_TRUE(left.error.empty()) << left.error;
    EXPECT_EQ(left.sessions, (std::vector<LoggedSessionPlan>{plans[0], plans[2]}));
    const std::vector<std::uint16_t> seen = logger_->RequestTypes();
    EXPECT_NE(std::ranges::find(seen, kRequestEraseSession), seen.end());

    // An erase the logger refuses is reported and ends the dialog.
    SimFault refusal;
    refusal.kind = SimFault::Kind::ErrorReply;
    refusal.requestType = kRequestEraseSession;
    refusal.code = 0x410E;
    refusal.text = "Memory busy";
    refusal.count = 1;
    logger_->InjectFault(refusal);
    asked = false;
    RunDownload([&](CDownloadDlg& dialog) {
        if (!asked && dialog.SessionLineCount() == 2) {
            SelectOnly(dialog, res::kIdcDownloadSessionList, {0});
            asked = true;
            Click(dialog, res::kIdcDownloadEraseSelected);
        }
        return false;  // the dialog ends itself
    });
    const MessageBoxRequest* box = Box("Error while attempting to clear memory.");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->caption, "Unable to clear memory");
    EXPECT_EQ(LoadLoggedSessions(LoggerFolder()).sessions.size(), 2u);
}

TEST_F(DataDownloadTest, ALostBlockAndASilentLoggerEndTheDownloadWithTheirMessages)
{
    Connect(ThreeSessions());
    struct Case {
        SimFault::Kind fault;
        std::string_view text;
    };
    const Case cases[] = {
        {SimFault::Kind::SdlSkipBlock, "Data sequence error during  data download."},
        {SimFault::Kind::SdlStall, "Communication timeout during data download."},
    };
    for (const Case& c : cases) {
        SimFault fault;
        fault.kind = c.fault;
        fault.requestType = kRequestSdlStart;
        fault.count = 1;
        logger_->InjectFault(fault);
        bool started = false;
        RunDownload([&](CDownloadDlg& dialog) {
            if (!started && dialog.SessionLineCount() == 3) {
                SelectOnly(dialog, res::kIdcDownloadSessionList, {2});
                AnswerFile(Output("faulty.csv"));
                Click(dialog, res::kIdcDownloadSelected);
                started = true;
            }
            return false;  // the dialog ends itself
        });
        EXPECT_NE(Box(c.text), nullptr) << c.text;
        // The logger is told to stop.
        EXPECT_TRUE(WaitFor([&] { return logger_->RequestTypes().back() == kRequestSdlError; })) << c.text;
        EXPECT_FALSE(std::filesystem::exists(Output("faulty.csv"))) << c.text;
    }
}

TEST_F(DataDownloadTest, AnEmptyLoggerHasNoDataToDownloadAndAFailedListIsReported)
{
    Connect({});
    RunDownload([](CDownloadDlg&) { return false; });  // the dialog ends itself
    const MessageBoxRequest* box = Box("There is no data to download");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->caption, "Data Download");
    EXPECT_EQ(view_->DownloadKind(), 0);

    SimFault refusal;
    refusal.kind = SimFault::Kind::ErrorReply;
    refusal.requestType = kRequestListSessions;
    refusal.code = 0x410E;
    refusal.text = "Sessions unreadable";
    refusal.count = 1;
    logger_->InjectFault(refusal);
    Prompts().messageBoxes.clear();
    RunDownload([](CDownloadDlg&) { return false; });
    EXPECT_NE(Box("Error (410E) while processing request.\n\nSessions unreadable"), nullptr);
    EXPECT_EQ(view_->DownloadKind(), 0);
}

}  // namespace
}  // namespace data_download_test
}  // namespace corvane::test
