#include "commwindow/CConnectDialog.h"

#include "DiagnosticTestServices.h"
#include "DownloadTestServices.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"
#include "base/AtomicFile.h"
#include "base/LoggerTimeZone.h"
#include "card/CardSettings.h"
#include "card/RemovableMediaProbe.h"
#include "comms/CConnectionDetails.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "comms/ProgramVersion.h"
#include "commwindow/CommWindowHooks.h"
#include "base/NoticeSink.h"
#include "commwindow/CommWindowServices.h"
#include "halvix/HalvixLib.h"
#include "halvix/MessagePoster.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/SimulatedLogger.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/DialogLayoutCheck.h"
#include "platform/ListViewControl.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"
#include "shell/StatusSink.h"
#include "shell/Waits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace corvane {
namespace c_connect_dialog_test {
namespace {

using test::RecordingPromptSink;
using test::ScratchFolder;

constexpr std::string_view kProductKey = "Software\\Tarnwick\\Corvane";

// Bounds that only keep a broken build from hanging; no timing is asserted.
constexpr int kConnectLimitRounds = 400;
constexpr std::uint32_t kRoundMs = 50;

struct QuietPoster final : MainFramePoster {
    bool PostToMainFrame(MessageId, std::uintptr_t, std::unique_ptr<Payload>) override { return true; }
};

struct FixedSettings final : CommsSettings {
    std::uint32_t LoggerRetryTime() const override { return retryTimeMs; }
    std::uint32_t retryTimeMs = 5000;
};

struct QuietStatus final : StatusSink {
    void SetStatusText(std::string_view text) override { texts.emplace_back(text); }
    void SetStatusMessage(std::string_view text) override { texts.emplace_back(text); }
    bool HasProgress() const override { return false; }
    void CreateProgress() override {}
    void SetProgressPos(int) override {}
    void SetProgressRange(std::uint16_t) override {}
    void StartProgressAnimation() override {}
    void StopProgressAnimation() override {}
    std::vector<std::string> texts;
};

// No memory card in the PC: the connect dialog does not look for one.
struct NoCard final : CardSettings, RemovableMediaProbe {
    std::string Drive() const override { return {}; }
    std::uint32_t OutputSplitLimit() const override { return 0; }
    std::filesystem::path WorkFolder() const override { return {}; }
    bool IsRemovable(const std::filesystem::path&) const override { return false; }
    bool IsMediumPresent(const std::filesystem::path&) const override { return false; }
};

// The program around the dialog, recording what the handshake hands it.
class FakeServices final : public CommWindowServices {
public:
    explicit FakeServices(const std::filesystem::path& folder) : downloads(folder / "downloads"), folder_(folder) {}

    CConnectionDetails& Connection() override { return connection; }
    SettingsStore& Settings() override { return settings; }
    StatusSink& Status() override { return status; }
    Window* MainWindow() override { return nullptr; }
    void PostToMainWindow(std::uint32_t) override {}
    void SetNetworkPasswordWarningAccepted(bool) override {}
    void SetLoggerInfoText(std::string_view text) override { infoText = text; }
    void SetLoggerStateWords(std::uint32_t word, std::uint32_t, std::uint32_t) override { stateWord = word; }
    std::uint32_t LoggerStatusWord() const override { return stateWord; }
    void SetLoggerStatusWord(std::uint32_t word) override { stateWord = word; }
    LoggerTimeZone& TimeZone() override { return zone; }
    std::uint32_t LoggerMemoryKb() const override { return 0; }
    std::uint32_t LoggerMemoryUsedKb() const override { return 0; }
    void UpdateNetIconBar() override { ++iconBarUpdates; }
    std::filesystem::path DirectoryFile() const override { return folder_ / "dir.bin"; }
    std::filesystem::path UsbDeviceRoot() const override { return folder_ / "sys"; }
    std::filesystem::path DeviceFolder() const override { return folder_ / "dev"; }
    CNetDoc* NetDocument() override { return nullptr; }
    const CardSettings& CardSettingsSource() override { return noCard; }
    const RemovableMediaProbe& MediaProbe() override { return noCard; }
    DownloadServices& Downloads() override { return downloads; }
    void ShowProgramSettings(Window*) override { ADD_FAILURE() << "the connect dialog opens no program settings"; }
    void OpenLastDownloadFile() override { ADD_FAILURE() << "the connect dialog opens no data file"; }
    bool& VerifyRemoteValues() override { return verifyRemoteValues; }
    bool verifyRemoteValues = true;
    bool NetworkPasswordWarningAccepted() const override { return false; }
    DiagnosticLogServices& DiagnosticLogs() override { return diagnostics; }
    NoticeSink& MainFrameNotices() override { return notices; }

    QuietPoster poster;
    FixedSettings commsSettings;
    CConnectionDetails connection{poster, commsSettings};
    struct Notices final : NoticeSink {
        void ShowNotice(std::string_view, std::string_view, NoticeStyle) override {}
    } notices;
    SettingsStore settings;
    QuietStatus status;
    LoggerTimeZone zone;
    NoCard noCard;
    test::DownloadTestServices downloads;
    test::DiagnosticTestServices diagnostics;
    std::string infoText;
    std::uint32_t stateWord = 0;
    int iconBarUpdates = 0;

private:
    std::filesystem::path folder_;
};

struct RecordingHooks final : CommWindowHooks {
    void SetCommType(int kind) override { kinds.push_back(kind); }
    void CheckCommLibVersion(std::span<const std::uint8_t> block) override { stateBlocks.push_back(block.size()); }
    void Reconnect(int) override
    {
        CxLoggerConnect(0);
        ++disconnects;
    }
    std::vector<int> kinds;
    std::vector<std::size_t> stateBlocks;
    int disconnects = 0;
};

// The connect dialog with the settings dialog's answers scripted (each
// answer is the entry as the user leaves it, or nothing for Cancel) and a
// login that lets the user in or not.
class ScriptedConnectDialog final : public CConnectDialog {
public:
    using CConnectDialog::CConnectDialog;
    std::deque<std::optional<OM_DIRECTORY_ENTRY>> answers;
    std::vector<std::string> editedNames;
    bool loginSucceeds = false;
    int logins = 0;

protected:
    void RunLoginDialog() override
    {
        ++logins;
        if (loginSucceeds) {
            Connection().SetAuthenticated(true);
            Connection().SetRightsLow(0xFFFFFFFF);
        }
    }

    bool EditInSettingsDialog(OM_DIRECTORY_ENTRY& entry) override
    {
        editedNames.push_back(entry.name);
        if (answers.empty() || !answers.front()) {
            if (!answers.empty())
                answers.pop_front();
            return false;
        }
        entry = *answers.front();
        answers.pop_front();
        return true;
    }
};

std::vector<std::string> NamesOf(const ConnectionDirectory& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : directory.Entries())
        names.push_back(entry.name);
    return names;
}

OM_DIRECTORY_ENTRY NetworkEntry(std::string name, std::uint16_t port)
{
    OM_DIRECTORY_ENTRY entry;
    entry.name = std::move(name);
    entry.address = "127.0.0.1";
    entry.ipPort = port;
    return entry;
}

// The dialog against an in-process simulated logger over TCP, through the
// communications library and the application's message loop (real clock).
class CConnectDialogTest : public ::testing::Test {
protected:
    CConnectDialogTest()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<Application>(std::vector<std::string>{"corvane-test"});
        app_->SetPromptSink(&prompts);
        std::filesystem::create_directories(folder_.Path() / "sys");
        std::filesystem::create_directories(folder_.Path() / "dev");
        services = std::make_unique<FakeServices>(folder_.Path());
        EXPECT_FALSE(services->settings.CreateKey(kProductKey));
        library_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(*app_));
        installation_ = std::make_unique<HalvixInstallation>(*library_);
        EXPECT_EQ(CxInitHalvixLib(), kCxOk);
        state.firmwareVersion = GetProgramVersion();
        std::vector<std::uint8_t> polled(102, 0);
        polled[100] = 0x34;
        polled[101] = 0x12;
        state.items[42] = polled;
        std::vector<std::uint8_t> info(64, 0);
        const std::string infoText = "Pump station 4";
        std::copy(infoText.begin(), infoText.end(), info.begin());
        state.items[80] = info;
        state.hardwareType = 5;
    }

    ~CConnectDialogTest() override
    {
        dialog.reset();
        CxLoggerConnect(0);
        installation_.reset();
        library_.reset();
        if (sim_)
            sim_->Stop();
    }

    // Starts the logger with state; returns its TCP port. With pty it
    // also offers a serial link on a pseudo-terminal (PtyPath).
    std::uint16_t StartLogger(bool pty = false)
    {
        const auto folder = folder_.Path() / "logger";
        std::filesystem::create_directories(folder);
        EXPECT_FALSE(SaveLoggerState(folder, state));
        SimulatorOptions options;
        options.stateFolder = folder;
        options.pty = pty;
        sim_ = std::make_unique<SimulatedLogger>(options);
        EXPECT_TRUE(sim_->Start()) << sim_->StartError();
        return sim_->Port();
    }

    // A logger on USB as sysfs shows it; its node is made by LinkNode.
    void PlugUsbLogger(const std::string& tty, const std::string& serial)
    {
        namespace fs = std::filesystem;
        const fs::path device = folder_.Path() / "sys" / "devices" / "usb1" / "1-1";
        fs::create_directories(device / "1-1:1.0");
        std::ofstream(device / "idVendor") << "1209\n";
        std::ofstream(device / "idProduct") << "c0a7\n";
        std::ofstream(device / "serial") << serial << "\n";
        fs::create_directories(folder_.Path() / "sys" / "class" / "tty" / tty);
        fs::create_directory_symlink(device / "1-1:1.0", folder_.Path() / "sys" / "class" / "tty" / tty / "device");
    }

    // The device node name, a link to the logger's pseudo-terminal.
    void LinkNode(const std::string& name)
    {
        const std::filesystem::path node = folder_.Path() / "dev" / name;
        std::filesystem::remove(node);
        std::filesystem::create_symlink(sim_->PtyPath(), node);
    }

    // A device node that exists, with nothing behind it.
    void MakeNode(const std::string& name) { std::ofstream(folder_.Path() / "dev" / name); }

    void InjectFault(const SimFault& fault) { sim_->InjectFault(fault); }
    void ClearFaults() { sim_->ClearFaults(); }

    void StopLogger()
    {
        CxLoggerConnect(0);
        sim_->Stop();
    }

    void SaveEntries(std::vector<OM_DIRECTORY_ENTRY> entries, std::string last)
    {
        ConnectionDirectory directory;
        for (auto& entry : entries)
            directory.Append(std::move(entry));
        directory.SetLastConnection(std::move(last));
        ASSERT_FALSE(directory.Save(services->DirectoryFile()));
    }

    void OpenDialog()
    {
        dialog = std::make_unique<ScriptedConnectDialog>(*services, &hooks, false, nullptr);
        ASSERT_TRUE(dialog->Create());
    }

    // Runs a command as its button would, then what it posted.
    void RunCommand(int controlId)
    {
        app_->SendMessage(dialog->Handle(), CConnectDialog::kCommandMessage, static_cast<std::uintptr_t>(controlId), 0);
        PumpMessages(10);
    }

    void SelectRow(std::string_view name)
    {
        auto* list = dialog->GetControlAs<ListViewControl>(res::kIdcConnectList);
        ASSERT_TRUE(list->SetItemSelected(dialog->FindListRow(name)));
    }

    ConnectionDirectory SavedDirectory() const
    {
        ConnectionDirectory saved;
        EXPECT_EQ(saved.Load(services->DirectoryFile()).status, DirectoryReadStatus::Read);
        return saved;
    }

    // Connects without waiting and runs the loop until the handshake ends.
    int Connect()
    {
        app_->SendMessage(dialog->Handle(), CConnectDialog::kConnectNowMessage, 0, 0);
        for (int round = 0; round < kConnectLimitRounds && dialog->ConnectResult() == 0; ++round)
            WaitMilliseconds(kRoundMs);
        return dialog->ConnectResult();
    }

    std::vector<std::string> BoxCaptions() const
    {
        std::vector<std::string> captions;
        for (const auto& box : prompts.messageBoxes)
            captions.push_back(box.caption);
        return captions;
    }

    RecordingPromptSink prompts;
    LoggerState state = LoggerState::Fresh();
    std::unique_ptr<FakeServices> services;
    RecordingHooks hooks;
    std::unique_ptr<ScriptedConnectDialog> dialog;

private:
    ScratchFolder folder_;
    std::unique_ptr<Application> app_;
    std::unique_ptr<HalvixLibrary> library_;
    std::unique_ptr<HalvixInstallation> installation_;
    std::unique_ptr<SimulatedLogger> sim_;
};

TEST_F(CConnectDialogTest, ASavedConnectionConnectsThroughTheWholeHandshake)
{
    state.fullAccess = 0;
    SaveEntries({NetworkEntry("Other", 1), NetworkEntry("Station", StartLogger())}, "Station");
    OpenDialog();
    EXPECT_EQ(dialog->FindListRow("Station"), 1);
    EXPECT_EQ(dialog->GetDetailsText(NetworkEntry("Station", 4660)), "127.0.0.1:4660");

    ASSERT_EQ(Connect(), 1) << "state " << dialog->HandshakeState() << " "
                            << (prompts.messageBoxes.empty() ? "" : prompts.messageBoxes[0].text);
    EXPECT_TRUE(prompts.messageBoxes.empty()) << prompts.messageBoxes[0].text;
    const CConnectionDetails& connection = services->connection;
    EXPECT_EQ(connection.GetConnectionKind(), ConnectionKind::Ethernet);
    EXPECT_EQ(connection.GetConnectionName(), "Station");
    EXPECT_FALSE(connection.GetFullAccessFlag());
    EXPECT_FALSE(connection.IsRightsLoaded());
    EXPECT_EQ(connection.GetPolledConfigWord(), 0x1234);
    EXPECT_EQ(connection.GetLoggerCapabilityByte(), 5);
    EXPECT_EQ(services->infoText, "Pump station 4");
    EXPECT_EQ(connection.GetTitleText(), "Logger Name: Simulated Logger - ID: SIM-0001");
    EXPECT_EQ(services->iconBarUpdates, 1);
    EXPECT_EQ(hooks.kinds, (std::vector<int>{0}));
    ASSERT_EQ(hooks.stateBlocks.size(), 1u);
    EXPECT_GE(hooks.stateBlocks[0], ConnectHandshake::kStateBlockSize);

    const std::vector<std::string> linking = {"Initializing Communications...", "Connecting...", "Pinging..."};
    ASSERT_GE(services->status.texts.size(), linking.size());
    EXPECT_EQ(std::vector<std::string>(services->status.texts.begin(), services->status.texts.begin() + 3), linking);
    // The connection is saved as the last one used.
    EXPECT_EQ(SavedDirectory().LastConnection(), "Station");
}

// How firmware reflash and reset reconnect: a hidden dialog told to
// disconnect and then to connect, waiting for the logger.
TEST_F(CConnectDialogTest, AHiddenDialogReconnectsOnPostedCommands)
{
    SaveEntries({NetworkEntry("Station", StartLogger())}, "Station");
    dialog = std::make_unique<ScriptedConnectDialog>(*services, &hooks, true, nullptr);
    ASSERT_TRUE(dialog->CreateHidden());
    dialog->PostMessage(CConnectDialog::kCommandMessage, res::kIdcConnectDisconnect);
    dialog->PostMessage(CConnectDialog::kConnectNowMessage, 1);
    for (int round = 0; round < kConnectLimitRounds && dialog->ConnectResult() == 0; ++round)
        WaitMilliseconds(kRoundMs);
    EXPECT_EQ(dialog->ConnectResult(), 1);
    EXPECT_EQ(hooks.disconnects, 1);
    EXPECT_EQ(hooks.stateBlocks.size(), 1u);
}

// A request the logger leaves unanswered: the stream request's time-out
// lets the chain go on quietly, the state request's ends the attempt.
TEST_F(CConnectDialogTest, UnansweredRequestsTimeOutAsTheirTypeSays)
{
    const struct {
        std::uint16_t type;
        int result;
        std::vector<std::string> captions;
        bool failedShown;
    } cases[] = {
        {kRequestRtStreamReq, 1, {}, false},
        {kRequestStateGet, -1, {"Communication Timeout"}, true},
    };
    services->commsSettings.retryTimeMs = 200;
    SaveEntries({NetworkEntry("Station", StartLogger())}, "Station");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        prompts.messageBoxes.clear();
        services->status.texts.clear();
        SimFault fault;
        fault.kind = SimFault::Kind::NoReply;
        fault.requestType = c.type;
        InjectFault(fault);
        OpenDialog();
        EXPECT_EQ(Connect(), c.result);
        EXPECT_EQ(BoxCaptions(), c.captions);
        const auto& texts = services->status.texts;
        EXPECT_EQ(std::find(texts.begin(), texts.end(), "Connection Failed") != texts.end(), c.failedShown);
        dialog.reset();
        CxLoggerConnect(0);
        ClearFaults();
    }
}

TEST_F(CConnectDialogTest, ConnectingWithoutASelectionExplainsAndFails)
{
    OpenDialog();
    EXPECT_EQ(Connect(), -1);
    ASSERT_EQ(prompts.messageBoxes.size(), 1u);
    EXPECT_EQ(
        prompts.messageBoxes[0].text, "No logger is selected.\n\nPlease select a logger from the list and retry.");
    EXPECT_EQ(prompts.messageBoxes[0].caption, "Unable to connect");
    EXPECT_TRUE(hooks.kinds.empty());
}

TEST_F(CConnectDialogTest, ANetworkLoggerThatDoesNotAnswerFails)
{
    // Nothing listens on the port of a logger that has stopped.
    const std::uint16_t port = StartLogger();
    StopLogger();
    SaveEntries({NetworkEntry("Gone", port)}, "Gone");
    OpenDialog();
    EXPECT_EQ(Connect(), -1);
    EXPECT_EQ(BoxCaptions(), (std::vector<std::string>{"Communications Error"}));
    EXPECT_EQ(prompts.messageBoxes[0].text, "Can't connect to network logger");
    EXPECT_GE(hooks.disconnects, 1);
    EXPECT_FALSE(services->connection.IsConnected());
}

TEST_F(CConnectDialogTest, AnUnpluggedUsbLoggerIsListedOnlyWhenAllAreShownAndFailsAtOnce)
{
    OM_DIRECTORY_ENTRY usb;
    usb.name = "Bench";
    usb.kind = static_cast<std::int32_t>(ConnectionKind::Usb);
    usb.usbPortName = "ttyACM0";
    SaveEntries({usb}, "Bench");
    OpenDialog();
    EXPECT_EQ(dialog->FindListRow("Bench"), -1);
    dialog->GetControlAs<ButtonControl>(res::kIdcConnectShowAll)->SetCheck(1);
    RunCommand(res::kIdcConnectShowAll);
    ASSERT_EQ(dialog->FindListRow("Bench"), 0);
    EXPECT_EQ(dialog->GetDetailsText(usb), "Unknown");
    SelectRow("Bench");
    EXPECT_EQ(Connect(), -1);
    ASSERT_EQ(BoxCaptions(), (std::vector<std::string>{"Communications Error"}));
    EXPECT_EQ(prompts.messageBoxes[0].text, "The selected logger does not appear to be connected");
    EXPECT_EQ(hooks.kinds, (std::vector<int>{3}));
}

// Every kind of link shows its whole details, the longest USB serial number
// too, at the dialog font ("Sans Serif" at 9 points, DejaVu Sans here).
TEST_F(CConnectDialogTest, TheListShowsEachConnectionsDetailsWhole)
{
    PlugUsbLogger("ttyACM0", "LG0123456789ABC");
    MakeNode("ttyACM0");
    MakeNode("ttyUSB0");
    OM_DIRECTORY_ENTRY usb;
    usb.name = "Bench logger on USB";
    usb.kind = static_cast<std::int32_t>(ConnectionKind::Usb);
    usb.usbPortName = "ttyACM0";
    OM_DIRECTORY_ENTRY serial;
    serial.name = "Bench logger on RS-232";
    serial.kind = static_cast<std::int32_t>(ConnectionKind::Rs232);
    serial.comIndex = 0;
    OM_DIRECTORY_ENTRY network;
    network.name = "Pump station";
    network.kind = static_cast<std::int32_t>(ConnectionKind::Cellular);
    network.address = "192.168.100.200";
    network.ipPort = 4660;
    SaveEntries({usb, serial, network}, "Pump station");
    const DialogFontScope font({"DejaVu Sans", 9});
    OpenDialog();
    for (const auto* entry : {&usb, &serial, &network})
        ASSERT_GE(dialog->FindListRow(entry->name), 0) << entry->name;
    for (const LayoutFinding& finding : CheckBuiltDialogLayout(*dialog))
        ADD_FAILURE() << finding.message;
}

// A USB logger found through sysfs, and an RS-232 port chosen by its
// device's name, each a link to the logger's pseudo-terminal.
TEST_F(CConnectDialogTest, SerialLinksConnectThroughTheirDevices)
{
    const struct {
        ConnectionKind kind;
        std::string node;
        std::string details;
        int usbComPort;
    } cases[] = {
        {ConnectionKind::Usb, "ttyACM0", "Virtual ttyACM0    SN LG42", 2001},
        {ConnectionKind::Rs232, "ttyS7", "ttyS7  115200 bps", 0},
    };
    PlugUsbLogger("ttyACM0", "LG42");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.details);
        StartLogger(true);
        LinkNode(c.node);
        OM_DIRECTORY_ENTRY entry;
        entry.name = "Bench";
        entry.kind = static_cast<std::int32_t>(c.kind);
        entry.usbPortName = "ttyACM0";
        entry.comIndex = 7;  // ttyS7
        SaveEntries({entry}, "Bench");
        OpenDialog();
        ASSERT_EQ(dialog->FindListRow("Bench"), 0);
        EXPECT_EQ(dialog->GetDetailsText(entry), c.details);
        EXPECT_EQ(Connect(), 1) << (prompts.messageBoxes.empty() ? "" : prompts.messageBoxes[0].text);
        EXPECT_EQ(dialog->UsbComPort(), c.usbComPort);
        EXPECT_EQ(services->connection.GetConnectionKind(), c.kind);
        dialog.reset();
        StopLogger();
    }
    EXPECT_EQ(hooks.stateBlocks.size(), 2u);
}

// Passwords off, or on with full access: no login, and the logger's own
// rights do not apply.
TEST_F(CConnectDialogTest, NoLoginIsAskedForWhenTheLoggerNeedsNone)
{
    const struct {
        std::uint8_t passwordsOn;
        std::uint8_t fullAccess;
    } cases[] = {{0, 1}, {1, 1}};
    for (const auto& c : cases) {
        state.passwordsOn = c.passwordsOn;
        state.fullAccess = c.fullAccess;
        SaveEntries({NetworkEntry("Station", StartLogger())}, "Station");
        services->connection.SetRightsLoaded(true);
        OpenDialog();
        EXPECT_EQ(Connect(), 1) << int{c.passwordsOn};
        EXPECT_TRUE(services->connection.GetFullAccessFlag());
        EXPECT_FALSE(services->connection.IsRightsLoaded());
        EXPECT_TRUE(prompts.messageBoxes.empty());
        dialog.reset();
        StopLogger();
    }
}

// Passwords on without full access: the login decides.
TEST_F(CConnectDialogTest, ALoginIsAskedForAndWithoutAUserTheConnectionFails)
{
    state.passwordsOn = 1;
    state.fullAccess = 0;
    SaveEntries({NetworkEntry("Station", StartLogger())}, "Station");
    for (bool succeeds : {true, false}) {
        services->connection.SetAuthenticated(false);
        OpenDialog();
        dialog->loginSucceeds = succeeds;
        EXPECT_EQ(Connect(), succeeds ? 1 : -1);
        EXPECT_EQ(dialog->logins, 1);
        EXPECT_TRUE(services->connection.IsRightsLoaded());
        EXPECT_EQ(hooks.stateBlocks.size(), 1u) << "only the login that succeeded connects";
        dialog.reset();
        CxLoggerConnect(0);
    }
}

TEST_F(CConnectDialogTest, AFirmwareOfAnotherVersionIsReportedUnlessIgnored)
{
    // The second number differs; the box shows the logger's three numbers.
    state.firmwareVersion = (GetProgramVersion() ^ 0x00010000u) & 0x00FFFFFFu;
    char shown[16];
    std::snprintf(shown, sizeof shown, "(%02u.%02u.%02u)", (state.firmwareVersion >> 16) & 0xFF,
        (state.firmwareVersion >> 8) & 0xFF, state.firmwareVersion & 0xFF);
    SaveEntries({NetworkEntry("Station", StartLogger())}, "Station");
    const struct {
        std::uint32_t ignoreVersion;
        std::vector<std::string> captions;
    } cases[] = {{0, {"Incompatible Firmware Version"}}, {1, {}}};
    for (const auto& c : cases) {
        prompts.messageBoxes.clear();
        ASSERT_FALSE(services->settings.SetValue(kProductKey, "IgnoreVersion", SettingsValue::Dword(c.ignoreVersion)));
        OpenDialog();
        EXPECT_EQ(Connect(), 1) << c.ignoreVersion;
        EXPECT_EQ(BoxCaptions(), c.captions) << c.ignoreVersion;
        if (!prompts.messageBoxes.empty()) {
            EXPECT_NE(prompts.messageBoxes[0].text.find(shown), std::string::npos) << prompts.messageBoxes[0].text;
        }
        dialog.reset();
        CxLoggerConnect(0);
    }
}

TEST_F(CConnectDialogTest, AnObsoleteDirectoryFileIsReportedAndGivesAnEmptyList)
{
    std::vector<std::uint8_t> old(40, 0);
    old[0] = 3;
    ASSERT_FALSE(WriteFileAtomically(services->DirectoryFile(), old));
    OpenDialog();
    EXPECT_EQ(BoxCaptions(), (std::vector<std::string>{"Problem reading file"}));
    EXPECT_TRUE(dialog->Directory().Entries().empty());
}

TEST_F(CConnectDialogTest, EditingMovesTheEntryToTheEndAndANameTakenReopensEditOnTheEntryAsItWas)
{
    SaveEntries({NetworkEntry("A", 1), NetworkEntry("B", 2), NetworkEntry("C", 3)}, "A");
    OpenDialog();
    SelectRow("A");
    dialog->answers = {NetworkEntry("A2", 10)};
    RunCommand(res::kIdcConnectEdit);
    EXPECT_EQ(NamesOf(SavedDirectory()), (std::vector<std::string>{"B", "C", "A2"}));
    EXPECT_TRUE(prompts.messageBoxes.empty());

    // "C" renamed to "B": refused, "C" is kept as it was and Edit opens on it again.
    SelectRow("C");
    dialog->answers = {NetworkEntry("B", 20), std::nullopt};
    RunCommand(res::kIdcConnectEdit);
    EXPECT_EQ(dialog->editedNames, (std::vector<std::string>{"A", "C", "C"}));
    EXPECT_EQ(BoxCaptions(), (std::vector<std::string>{"Communications Error"}));
    EXPECT_EQ(prompts.messageBoxes[0].text, "An entry with that name already exists");
    const ConnectionDirectory saved = SavedDirectory();
    ASSERT_EQ(saved.GetEntry("C"), NetworkEntry("C", 3));
    EXPECT_EQ(saved.GetEntry("B"), NetworkEntry("B", 2));
}

TEST_F(CConnectDialogTest, ADeleteIsKeptWhateverWayTheDialogCloses)
{
    SaveEntries({NetworkEntry("A", 1), NetworkEntry("B", 2)}, "A");
    OpenDialog();
    SelectRow("A");
    prompts.messageBoxAnswers = {kIdYes};
    RunCommand(res::kIdcConnectDelete);
    ASSERT_EQ(prompts.messageBoxes.size(), 1u);
    EXPECT_EQ(prompts.messageBoxes[0].text,
        "Are you sure you want to permanently delete\nthe following connection:\n\n 'A' ?");
    EXPECT_EQ(prompts.messageBoxes[0].caption, "Delete Connection");
    // Closed without its Close button.
    dialog->EndDialog(kIdCancel);
    dialog.reset();
    EXPECT_EQ(NamesOf(SavedDirectory()), (std::vector<std::string>{"B"}));
}

}  // namespace
}  // namespace c_connect_dialog_test
}  // namespace corvane
