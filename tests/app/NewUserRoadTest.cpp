// A new user's whole road through the program: the simulated logger runs as
// its own program with its shipped defaults (its sessions and card image
// made the way the run command makes them), and the program, put together
// as its main() does, is driven through its own menus, windows and dialogs
// from the first connection to the last disconnect. A picture of the main
// window is kept after each stage.
#include "AppTestSupport.h"

#include "app/CCorvaneSettingsDialog.h"
#include "app/CMainFrame.h"
#include "app/NetEditorAssembly.h"
#include "app/ShellMessages.h"
#include "commwindow/CConnectDialog.h"
#include "commwindow/CConnectionSettingsDlg.h"
#include "commwindow/CLaunchView.h"
#include "download/CDownloadDlg.h"
#include "download/CDownloadFromCardDialog.h"
#include "download/CFilterDownloadDialog.h"
#include "download/SessionFileName.h"
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/NetImageFile.h"
#include "loggersim/SessionRequests.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetDownloadDialog.h"
#include "netdoc/CNetUploadDialog.h"
#include "netdoc/CNetView.h"
#include "netdoc/CQuvTestDlg.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CInput.h"
#include "netmodel/COutput.h"
#include "netmodel/PaletteMessages.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/Dialog.h"
#include "platform/FrameAutomation.h"
#include "platform/ListBoxControl.h"
#include "platform/ListViewControl.h"
#include "platform/Notification.h"
#include "res/ResourceIds.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace corvane::test {
namespace new_user_road_test {
namespace {

// The File menu's "Corvane Settings..." command of the Communication Window.
constexpr int kCorvaneSettingsCommand = 32895;

// Palette cells of the icons the net is drawn with.
constexpr int kClockCell = 0;
constexpr int kMemoryCell = 1;
constexpr int kDataTagCell = 44;

constexpr std::string_view kVersionWarningCaption = "Version Compatibility Warning";

// The simulated logger as a program of its own. Start() runs it serving;
// the destructor ends it (SIGTERM, then SIGKILL past a bound) and reaps it,
// also when a test fails half-way.
class SimulatorProcess {
public:
    SimulatorProcess() = default;
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;
    ~SimulatorProcess() { Stop(); }

    static std::string Program() { return CORVANE_LOGGERSIM_PROGRAM; }

    // Runs the program with the arguments to its end; its exit status, or -1.
    static int RunToEnd(const std::vector<std::string>& arguments)
    {
        const pid_t pid = Spawn(arguments, -1);
        int status = 0;
        if (pid <= 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

    // Starts it and reads the address it says it listens on; false when it
    // says none within the bound.
    bool Start(const std::vector<std::string>& arguments)
    {
        int out[2] = {-1, -1};
        if (pipe2(out, O_CLOEXEC) != 0)
            return false;
        pid_ = Spawn(arguments, out[1]);
        ::close(out[1]);
        output_ = out[0];
        if (pid_ <= 0)
            return false;
        std::string text;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd entry{output_, POLLIN, 0};
            if (::poll(&entry, 1, 100) <= 0)
                continue;
            char chunk[256];
            const ssize_t count = ::read(output_, chunk, sizeof chunk);
            if (count <= 0)
                return false;
            text.append(chunk, static_cast<std::size_t>(count));
            // "listening HOST:PORT"
            const std::size_t at = text.find("listening ");
            const std::size_t end = at == std::string::npos ? at : text.find('\n', at);
            if (end != std::string::npos) {
                const std::string address = text.substr(at + 10, end - at - 10);
                port_ = std::stoi(address.substr(address.rfind(':') + 1));
                return port_ > 0;
            }
        }
        return false;
    }

    int Port() const { return port_; }

    void Stop()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            bool reaped = false;
            for (int round = 0; round < 500 && !reaped; ++round) {
                reaped = waitpid(pid_, &status, WNOHANG) == pid_;
                if (!reaped)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            if (!reaped) {
                ::kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
            }
            pid_ = -1;
        }
        if (output_ >= 0) {
            ::close(output_);
            output_ = -1;
        }
    }

private:
    // Its standard input is empty; its output goes to outputFd, or nowhere.
    static pid_t Spawn(const std::vector<std::string>& arguments, int outputFd)
    {
        std::vector<std::string> argv = {Program()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        std::vector<char*> argp;
        for (std::string& argument : argv)
            argp.push_back(argument.data());
        argp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        if (outputFd >= 0)
            posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
        else
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const int error = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, argp.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        return error == 0 ? pid : -1;
    }

    pid_t pid_ = -1;
    int output_ = -1;
    int port_ = 0;
};

// Sets environment variables for the test's life and puts back what they were.
class EnvironmentGuard {
public:
    EnvironmentGuard() = default;
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;
    ~EnvironmentGuard()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }
    void Set(const std::string& name, const std::filesystem::path& value)
    {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        std::filesystem::create_directories(value);
        setenv(name.c_str(), value.c_str(), 1);
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// A converted file's lines from its column heads on.
std::vector<std::string> TableOf(const std::filesystem::path& path)
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

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', start)) {
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

// A row's UTC date and time ("MM/DD/YYYY", " HH:MM:SS" with ":mmm" for a
// stamp with ticks) as one number that grows with the time; -1 when the
// row does not start with them.
std::int64_t TimeKey(const std::vector<std::string>& fields)
{
    int month = 0, day = 0, year = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    if (fields.size() < 2 || std::sscanf(fields[0].c_str(), "%d/%d/%d", &month, &day, &year) != 3
        || std::sscanf(fields[1].c_str(), " %d:%d:%d:%d", &hour, &minute, &second, &millisecond) < 3)
        return -1;
    const std::int64_t days = (std::int64_t{year} * 13 + month) * 32 + day;
    return ((days * 24 + hour) * 3600 + minute * 60 + second) * 1000 + millisecond;
}

// Checks a converted session: its heads, then units, then one row per scan
// whose time grows row by row. A running session has gone on scanning since
// it was listed, so it holds at least the scans it was listed with.
void ExpectSessionTable(
    const std::filesystem::path& path, std::string_view heads, std::size_t scans, bool running = false)
{
    SCOPED_TRACE(path.string());
    const std::vector<std::string> table = TableOf(path);
    ASSERT_GE(table.size(), 3u);
    EXPECT_EQ(table[0], heads);
    if (running)
        EXPECT_GE(table.size() - 2, scans);
    else
        EXPECT_EQ(table.size() - 2, scans);
    std::int64_t last = -1;
    for (std::size_t row = 2; row < table.size(); ++row) {
        const std::vector<std::string> fields = Fields(table[row]);
        ASSERT_EQ(fields.size(), Fields(std::string(heads)).size()) << table[row];
        const std::int64_t time = TimeKey(fields);
        ASSERT_GT(time, last) << table[row];
        last = time;
    }
}

class NewUserRoadTest : public ShellTest {
protected:
    NewUserRoadTest() : ShellTest(true)
    {
        for (const auto& [name, folder] :
            {std::pair{"HOME", "home"}, std::pair{"XDG_CONFIG_HOME", "config"}, std::pair{"XDG_DATA_HOME", "data"},
                std::pair{"XDG_STATE_HOME", "state"}, std::pair{"CORVANE_HOME", "corvane"}, std::pair{"TMPDIR", "tmp"}})
            environment_.Set(name, Scratch() / folder);
        std::filesystem::create_directories(Pictures());
        std::filesystem::create_directories(Output(""));
        std::filesystem::create_directories(Card());
    }
    // The program goes first, while the folders it was given are still set.
    ~NewUserRoadTest() override { Stop(); }

    std::filesystem::path StateFolder() const { return Scratch() / "loggersim"; }
    std::filesystem::path Card() const { return Scratch() / "card"; }
    std::filesystem::path Output(std::string_view name) const { return Scratch() / "out" / name; }
    static std::filesystem::path Pictures() { return test::OutputFile("new-user-road"); }

    // A card reader that holds the card image: the mount table names a
    // partition of a removable disk, mounted on the card's folder.
    CommWindowShellServices::Places DevicePlaces() const
    {
        const std::filesystem::path sys = Scratch() / "sys";
        std::filesystem::create_directories(sys / "devices" / "sdz" / "sdz1");
        std::filesystem::create_directories(sys / "block");
        std::ofstream(sys / "devices" / "sdz" / "removable") << "1\n";
        std::ofstream(sys / "devices" / "sdz" / "size") << "3911680\n";
        std::ofstream(sys / "devices" / "sdz" / "sdz1" / "partition") << "1\n";
        std::filesystem::create_directory_symlink(sys / "devices" / "sdz" / "sdz1", sys / "block" / "sdz1");
        std::ofstream(Scratch() / "mounts") << "/dev/nvme0n1p2 / ext4 rw 0 0\n/dev/sdz1 "
                                            << std::filesystem::canonical(Card()).string() << " vfat rw,nosuid 0 0\n";
        CommWindowShellServices::Places places;
        places.usbDeviceRoot = Scratch() / "usb" / "sys";
        places.deviceFolder = Scratch() / "usb" / "dev";
        places.mountTable = Scratch() / "mounts";
        places.sysBlockRoot = sys / "block";
        return places;
    }

    void StartTheProgram()
    {
        ShellNeighbours neighbours = MakePlaceholderNeighbours();
        InstallProgramWindows(neighbours, DevicePlaces());
        Start(std::move(neighbours));
        Frame().MoveTo({0, 0, 1280, 960});
        App().ProcessPending();
    }

    CMainFrame& Frame() { return *Shell().MainFrame(); }
    CLaunchView& CommView() { return *dynamic_cast<CLaunchView*>(Shell().CommWindowDocument()->FirstView()); }
    CNetDoc& Net() { return *dynamic_cast<CNetDoc*>(Shell().NetDocument()); }
    CNetView& NetView() { return *dynamic_cast<CNetView*>(Net().FirstView()); }

    void Show(WindowKind kind)
    {
        ASSERT_TRUE(Frame().PostMessage(kActivateKindMessage, 0, static_cast<std::intptr_t>(kind)));
        App().ProcessPending();
    }

    // A picture of the main window as the stage left it.
    void Snap(std::string_view stage)
    {
        App().ProcessPending();
        EXPECT_TRUE(Frame().SaveImage(Pictures() / (std::string(stage) + ".png"))) << stage;
    }

    // Runs action, which opens modal dialogs, while drive() is called every
    // 50 ms with the topmost one open (null while there is none). drive may
    // be called again from a dialog that its own step opened, so it acts
    // by what is on top. A dialog still open after the bound is ended, so
    // that a broken build never hangs.
    void WithDialogs(const std::function<void()>& action, const std::function<void(Dialog*)>& drive)
    {
        RecordingWindow driver;
        int rounds = 0;
        driver.onMessage = [&](Message&) {
            Dialog* top = control_automation::OpenModalDialog();
            if (++rounds > 1200 && top != nullptr) {
                ADD_FAILURE() << "\"" << top->Layout().caption << "\" was left open";
                top->EndDialog(kIdAbort);
                return std::intptr_t{0};
            }
            drive(top);
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        action();
        driver.KillTimer(1);
        App().ProcessPending();
    }

    // Chooses the active window's menu item, as the user does.
    void Choose(
        int command, const std::function<void(Dialog*)>& drive = [](Dialog*) {})
    {
        WithDialogs([&] { EXPECT_TRUE(frame_automation::ChooseMenuItem(Frame(), command)) << command; }, drive);
    }

    // Waits on the real clock, bounded, until done() holds.
    bool WaitFor(const std::function<bool()>& done)
    {
        for (int round = 0; round < 500 && !done(); ++round)
            App().WaitMilliseconds(20);
        return done();
    }

    static void Click(Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }
    static void SelectOnly(Dialog& dialog, int listId, std::initializer_list<int> lines)
    {
        auto* list = dialog.GetControlAs<ListBoxControl>(listId);
        list->SetSel(-1, false);
        for (const int line : lines)
            list->SetSel(line, true);
        NotifyEvent changed{Notification::SelectionChanged, listId};
        dialog.Notify(changed);
    }
    static void SaveDialogPicture(const Dialog& dialog, std::string_view name)
    {
        EXPECT_TRUE(dialog.SaveImage((Pictures() / (std::string(name) + ".png")).string())) << name;
    }

    void AnswerFile(const std::filesystem::path& path)
    {
        FileDialogResult result;
        result.paths = {path.string()};
        Prompts().fileDialogAnswers.push_back(result);
    }
    bool BoxShownWithCaption(std::string_view caption)
    {
        return std::ranges::any_of(
            Prompts().messageBoxes, [&](const MessageBoxRequest& box) { return box.caption == caption; });
    }
    bool BoxShownWithText(std::string_view text)
    {
        return std::ranges::any_of(
            Prompts().messageBoxes, [&](const MessageBoxRequest& box) { return box.text == text; });
    }

    // Drops a palette cell at a point of the net and returns the icon it made.
    CCorvaneIcon* Drop(int cell, Point docPoint)
    {
        const std::size_t before = Net().Icons().size();
        App().SendMessage(NetView().Handle(), kPaletteDropMessage, static_cast<std::uintptr_t>(cell), 0,
            std::make_unique<PaletteDropPayload>(NetView().LogicalToClient(docPoint)));
        const std::vector<CCorvaneIcon*> icons = Net().Icons();
        EXPECT_EQ(icons.size(), before + 1) << "cell " << cell;
        return icons.size() == before + 1 ? icons.back() : nullptr;
    }
    // Drags from one connector to another with the left button.
    void Link(const CConnector& from, const CConnector& to)
    {
        using frame_automation::MouseAction;
        const Point start = NetView().LogicalToClient(from.HotRect().Centre());
        const Point end = NetView().LogicalToClient(to.HotRect().Centre());
        frame_automation::SendMouse(NetView(), MouseAction::Press, MouseButton::Left, start);
        frame_automation::SendMouse(
            NetView(), MouseAction::Move, MouseButton::Left, Point{(start.x + end.x) / 2, (start.y + end.y) / 2});
        frame_automation::SendMouse(NetView(), MouseAction::Move, MouseButton::Left, end);
        frame_automation::SendMouse(NetView(), MouseAction::Release, MouseButton::Left, end);
    }

    EnvironmentGuard environment_;
    SimulatorProcess simulator_;
};

TEST_F(NewUserRoadTest, FromTheFirstConnectionToTheLastDisconnect)
{
    // The simulated logger as the run command starts it: two sessions added
    // to a new state folder, the card image written from them, then serving.
    const std::string state = StateFolder().string();
    ASSERT_EQ(SimulatorProcess::RunToEnd(
                  {"--state", state, "--add-session", "3600", "--add-session", "3000,interval=40,subsecond,running"}),
        0);
    ASSERT_EQ(SimulatorProcess::RunToEnd({"--state", state, "--write-card", Card().string()}), 0);
    ASSERT_TRUE(simulator_.Start({"--listen", "127.0.0.1:0", "--state", state}));
    const LoadedLoggedSessions sessions = LoadLoggedSessions(StateFolder());
    ASSERT_TRUE(sessions.error.empty()) << sessions.error;
    ASSERT_EQ(sessions.sessions.size(), 2u);
    const LoggedSessionPlan& finished = sessions.sessions[0];
    const LoggedSessionPlan& running = sessions.sessions[1];

    StartTheProgram();
    Show(WindowKind::CommWindow);
    Snap("01-started");

    // A saved network connection added in the connect dialog, then connected;
    // the dialog closes itself once the hardware query has ended.
    {
        int step = 0;
        Choose(CLaunchView::kLoggerConnectionCommand, [&](Dialog* top) {
            if (auto* settings = dynamic_cast<CConnectionSettingsDlg*>(top)) {
                settings->GetControl(res::kIdcSettingsName)->SetText("Simulated logger");
                Click(*settings, res::kIdcSettingsEthernet);
                settings->GetControl(res::kIdcSettingsAddress)->SetText("127.0.0.1");
                settings->GetControl(res::kIdcSettingsIpPort)->SetText(std::to_string(simulator_.Port()));
                SaveDialogPicture(*settings, "02-connection-settings");
                Click(*settings, res::kIdcSettingsOk);
                return;
            }
            auto* connect = dynamic_cast<CConnectDialog*>(top);
            if (connect == nullptr)
                return;
            if (step == 0) {
                step = 1;
                Click(*connect, res::kIdcConnectAdd);
            } else if (step == 1) {
                step = 2;
                EXPECT_TRUE(connect->GetControlAs<ListViewControl>(res::kIdcConnectList)
                                ->SetItemSelected(connect->FindListRow("Simulated logger")));
                SaveDialogPicture(*connect, "03-connect");
                Click(*connect, res::kIdcConnectNow);
            }
        });
    }
    ASSERT_TRUE(Shell().Connection().IsConnected());
    EXPECT_TRUE(CommView().IsConnected());
    Snap("04-connected");

    // The hardware query starts the net; the Memory icon, a clock that
    // triggers the first analog input and a data tag that it feeds are added.
    Show(WindowKind::ProgramDevelopment);
    Choose(CNetView::kQueryCommand);
    ASSERT_TRUE(WaitFor([&] { return !Net().GetHardwarePoll().IsRunning(); }));
    App().ProcessPending();
    ASSERT_GT(Net().Icons().size(), 2u);
    Snap("05-queried");
    CCorvaneIcon* clock = Drop(kClockCell, {250, 420});
    ASSERT_NE(clock, nullptr);
    (void)Drop(kMemoryCell, {450, 220});
    CCorvaneIcon* tag = Drop(kDataTagCell, {600, 300});
    ASSERT_NE(tag, nullptr);
    CCorvaneIcon* input = nullptr;
    for (CCorvaneIcon* icon : Net().Icons()) {
        if (input == nullptr && icon->OutputCount() > 0 && icon->ClassName() == "CEngInputsIcon")
            input = icon;
    }
    ASSERT_NE(input, nullptr);
    Link(clock->Output(0), input->TriggerInput());
    Link(input->Output(0), tag->Input(0));
    const std::vector<LinkedInput> fed = input->FindLinkedInputs(0);
    EXPECT_TRUE(std::ranges::any_of(fed, [&](const LinkedInput& linked) { return linked.icon == tag; }));
    Snap("06-net");

    // Check Net finds nothing: its box says so and its window never shows.
    std::string findings;
    Choose(CNetView::kCheckNetCommand, [&](Dialog* top) {
        if (auto* check = dynamic_cast<CQuvTestDlg*>(top)) {
            findings = check->Report();
            SaveDialogPicture(*check, "07-check-findings");
            Click(*check, kIdOk);
        }
    });
    EXPECT_EQ(findings, "");
    EXPECT_TRUE(BoxShownWithText(CQuvTestDlg::kCleanText));

    // Saved, then opened again without a version warning.
    const std::filesystem::path netFile = Scratch() / "home" / "Pump station.nt3";
    AnswerFile(netFile);
    Choose(CNetView::kSaveCommand);
    ASSERT_TRUE(std::filesystem::exists(netFile));
    EXPECT_FALSE(Net().IsModified());
    const std::size_t iconCount = Net().Icons().size();
    const std::size_t boxesBeforeOpening = Prompts().messageBoxes.size();
    AnswerFile(netFile);
    Choose(CNetView::kOpenCommand);
    EXPECT_EQ(Net().PathName(), netFile);
    EXPECT_EQ(Net().Icons().size(), iconCount);
    EXPECT_FALSE(BoxShownWithCaption(kVersionWarningCaption));
    EXPECT_EQ(Prompts().messageBoxes.size(), boxesBeforeOpening) << Prompts().messageBoxes.back().text;
    Snap("08-reopened");

    // Both sessions listed and downloaded to comma-separated files with UTC
    // times; then the running one through the filter, all its points in
    // the window proposed.
    Show(WindowKind::CommWindow);
    constexpr std::string_view kUtcHeads
        = "UTC Date,UTC Time,Elapsed,Tank Temperature,Line Pressure,Pulse Count,Pump Running,";
    {
        enum { kListing, kDownloading, kFiltering, kDone } stage = kListing;
        bool filterStarted = false;
        const auto bothWritten = [&] {
            return std::ranges::all_of(sessions.sessions, [&](const LoggedSessionPlan& plan) {
                return std::filesystem::exists(MakeSessionFileName(Output("logger.csv"), plan.startSeconds));
            });
        };
        Choose(CLaunchView::kDownloadDataCommand, [&](Dialog* top) {
            if (auto* filter = dynamic_cast<CFilterDownloadDialog*>(top)) {
                auto* points = filter->GetControlAs<ListBoxControl>(res::kIdcFilterPointList);
                if (!filterStarted && points->GetCount() == 4
                    && filter->CurrentPhase() == CFilterDownloadDialog::Phase::Idle) {
                    filterStarted = true;
                    Click(*filter, res::kIdcFilterSelectAll);
                    SaveDialogPicture(*filter, "10-filter-download");
                    Click(*filter, res::kIdcFilterGetLogData);
                }
                return;
            }
            auto* download = dynamic_cast<CDownloadDlg*>(top);
            if (download == nullptr)
                return;
            auto& list = *download->GetControlAs<ListBoxControl>(res::kIdcDownloadSessionList);
            if (stage == kListing && download->SessionLineCount() == 2) {
                SaveDialogPicture(*download, "09-sessions");
                stage = kDownloading;
                AnswerFile(Output("logger.csv"));
                Click(*download, res::kIdcDownloadUtcTime);
                Click(*download, res::kIdcDownloadSelectAll);
                Click(*download, res::kIdcDownloadSelected);
            } else if (stage == kDownloading && bothWritten() && !download->IsTransferring()) {
                stage = kFiltering;
                int line = -1;
                for (int i = 0; i < list.GetCount(); ++i)
                    if (list.GetText(i).ends_with("\t" + SessionName(running)))
                        line = i;
                EXPECT_GE(line, 0);
                SelectOnly(*download, res::kIdcDownloadSessionList, {line});
                AnswerFile(Output("filtered.csv"));
                Click(*download, res::kIdcDownloadFilter);  // returns once the filter dialog has closed
                stage = kDone;
                Click(*download, kIdCancel);
            }
        });
        EXPECT_EQ(stage, kDone);
        EXPECT_TRUE(filterStarted);
    }
    ExpectSessionTable(MakeSessionFileName(Output("logger.csv"), finished.startSeconds), kUtcHeads, finished.scanCount);
    ExpectSessionTable(
        MakeSessionFileName(Output("logger.csv"), running.startSeconds), kUtcHeads, running.scanCount, true);
    {
        // The window proposed for a running session, its start to now,
        // holds every row it was listed with.
        ExpectSessionTable(Output("filtered.csv"), kUtcHeads, running.scanCount, true);
    }
    Snap("11-downloaded");

    // The net sent with "Upload and Enable": the logger runs it.
    {
        bool pressed = false;
        Choose(CLaunchView::kUploadNetCommand, [&](Dialog* top) {
            if (auto* upload = dynamic_cast<CNetUploadDialog*>(top); upload != nullptr && !pressed) {
                pressed = true;
                SaveDialogPicture(*upload, "12-upload");
                Click(*upload, kIdOk);
            }
        });
        EXPECT_TRUE(pressed);
    }
    {
        const LoadedNetImage net = LoadNetImage(StateFolder());
        EXPECT_FALSE(net.image.empty()) << net.notice;
        EXPECT_TRUE(LoadLoggerState(StateFolder()).state.running);
    }
    // The view learns the run state from the logger's status message.
    EXPECT_TRUE(WaitFor([&] { return CommView().RunState() == CLaunchView::kRunEnabled; })) << CommView().RunState();
    Snap("13-uploaded");

    // Read back into the editor without a version warning.
    const std::size_t boxesBeforeReading = Prompts().messageBoxes.size();
    Choose(CLaunchView::kDownloadNetCommand, [&](Dialog* top) {
        auto* download = dynamic_cast<CNetDownloadDialog*>(top);
        if (download == nullptr)
            return;
        if (download->CurrentState() == CNetDownloadDialog::kDone) {
            SaveDialogPicture(*download, "14-net-read-back");
            Click(*download, kIdOk);
        } else if (download->CurrentState() == CNetDownloadDialog::kFailed) {
            ADD_FAILURE() << download->StatusText();
            Click(*download, kIdOk);
        }
    });
    EXPECT_FALSE(BoxShownWithCaption(kVersionWarningCaption));
    EXPECT_EQ(Prompts().messageBoxes.size(), boxesBeforeReading) << Prompts().messageBoxes.back().text;
    EXPECT_GT(Net().Icons().size(), 2u);
    Show(WindowKind::ProgramDevelopment);
    Snap("15-net-read-back");
    Show(WindowKind::CommWindow);

    // The card reader's mount point chosen in the settings dialog.
    {
        const auto setMountPoint = [&](Dialog* top) {
            auto* settings = dynamic_cast<CCorvaneSettingsDialog*>(top);
            if (settings == nullptr)
                return;
            Prompts().folderAnswer = Card().string();
            Click(*settings, res::kIdcCardFolderBrowse);
            SaveDialogPicture(*settings, "16-settings");
            Click(*settings, kIdOk);
        };
        Choose(kCorvaneSettingsCommand, setMountPoint);
    }

    // The card scanned and its stopped session converted.
    Choose(CLaunchView::kScanCardCommand);
    ASSERT_TRUE(CommView().IsCardPresent());
    ASSERT_TRUE(CommView().IsCardAnalysed());
    Snap("17-card-scanned");
    {
        bool converted = false;
        Choose(CLaunchView::kDownloadCardDataCommand, [&](Dialog* top) {
            auto* card = dynamic_cast<CDownloadFromCardDialog*>(top);
            if (card == nullptr)
                return;
            auto& list = *card->GetControlAs<ListViewControl>(res::kIdcCardSessionList);
            const int line = list.FindItemData(-1, static_cast<std::intptr_t>(finished.startSeconds));
            if (line < 0)
                return;
            SaveDialogPicture(*card, "18-card-sessions");
            if (!converted) {
                converted = true;
                list.SetItemSelected(line, true);
                AnswerFile(Output("card.csv"));
                Click(*card, res::kIdcCardUtcTime);
                Click(*card, res::kIdcCardDownload);
            }
            Click(*card, kIdCancel);
        });
        EXPECT_TRUE(converted);
    }
    ExpectSessionTable(Output("card.csv"), kUtcHeads, finished.scanCount);

    // Disconnected through the connect dialog.
    Choose(CLaunchView::kLoggerConnectionCommand, [&](Dialog* top) {
        if (auto* connect = dynamic_cast<CConnectDialog*>(top)) {
            if (Shell().Connection().IsConnected())
                Click(*connect, res::kIdcConnectDisconnect);
            else
                Click(*connect, kIdOk);
        }
    });
    EXPECT_FALSE(Shell().Connection().IsConnected());
    EXPECT_FALSE(CommView().IsConnected());
    Snap("19-disconnected");
}

}  // namespace
}  // namespace new_user_road_test
}  // namespace corvane::test
