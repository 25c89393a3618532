#include "EditorTestSupport.h"
#include "LaunchTestServices.h"
#include "RecordingPictureActions.h"
#include "ScratchFolder.h"
#include "TestOutput.h"

#include "logger/CCommDialog.h"
#include "commwindow/CConnectDialog.h"
#include "commwindow/CLaunchDoc.h"
#include "commwindow/CLaunchView.h"
#include "commwindow/CModuleNodeDlg.h"
#include "download/CDownloadDlg.h"
#include "download/DownloadDialogLink.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixLibrary.h"
#include "halvix/HalvixMessages.h"
#include "halvix/MessagePoster.h"
#include "icons/hardware/CTevlinkNode.h"
#include "netmodel/CCorvaneCtrl.h"
#include "netmodel/CCtrlTool.h"
#include "netmodel/CToolSet.h"
#include "netmodel/PictureActions.h"
#include "platform/CommandState.h"
#include "platform/FrameAutomation.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace corvane::test {
namespace c_launch_view_test {
namespace {

using K = CLaunchView::Kind;

// One object of the picture as the test compares it.
struct Shown {
    int kind;
    int picture;
    Rect place;
    bool operator==(const Shown&) const = default;
};

std::vector<std::uint8_t> StateBlock(std::uint32_t firmware, std::uint32_t status)
{
    std::vector<std::uint8_t> block(CLaunchView::kStateBlockSize);
    for (std::size_t i = 0; i < 4; ++i) {
        block[44 + i] = static_cast<std::uint8_t>(firmware >> (8 * i));
        block[48 + i] = static_cast<std::uint8_t>(status >> (8 * i));
    }
    return block;
}

CHardwarePoll::ModuleRecord ModuleOfType(std::uint8_t type)
{
    CHardwarePoll::ModuleRecord record{};
    record[1] = 1;
    record[CTevlinkNode::kModuleTypeOffset] = type;
    return record;
}

// A download dialog that notes what the view hands it.
class RecordingDownloadLink final : public DownloadDialogLink {
public:
    int ParseSessionList(const CReplyMessage&) override
    {
        calls.emplace_back("list block");
        return moreBlocks;
    }
    int SessionLineCount() const override { return 1; }
    void CancelIfNoSessions(bool doNotClose) override
    {
        calls.emplace_back(doNotClose ? "close if empty, keep" : "close if empty");
    }
    void EndDownload(bool cancel) override { calls.emplace_back(cancel ? "end, cancel" : "end"); }
    void SetBusy(bool busy, std::string_view text) override
    {
        calls.push_back((busy ? "busy: " : "idle: ") + std::string(text));
    }
    void ClearErasePending() override { calls.emplace_back("erase answered"); }
    bool IsTransferring() const override { return false; }

    std::vector<std::string> calls;
    int moreBlocks = 0;
};

class LaunchView : public EditorTest {
protected:
    // This library's version word is 1.1.
    static constexpr std::uint32_t kMatchingFirmware = 0x01010000;

    LaunchView()
    {
        res::RegisterPictures(App().Bitmaps());
        frame_.MoveTo({0, 0, 1300, 1000});
        SetSetting("LastCommType", 4);
        SetSetting("CommTrace", 5);
        makeDocument = [this] { return std::make_unique<CLaunchDoc>(services); };
        makeView
            = [this](EditorEnvironment& environment) { return std::make_unique<CLaunchView>(environment, services); };
    }

    void SetSetting(std::string_view name, std::uint32_t value)
    {
        constexpr std::string_view kKey = "Software\\Tarnwick\\Corvane";
        ASSERT_FALSE(services.settings.CreateKey(kKey));
        ASSERT_FALSE(services.settings.SetValue(kKey, name, SettingsValue::Dword(value)));
    }

    CLaunchView& Launch() { return static_cast<CLaunchView&>(View()); }

    std::vector<Shown> Picture()
    {
        std::vector<Shown> shown;
        for (const auto& object : Doc().GetObjects()) {
            const auto& item = dynamic_cast<const CCorvaneCtrl&>(*object);
            shown.push_back({item.GetCtrlId(), item.DrawnBitmapId(), item.Position()});
        }
        return shown;
    }
    const CCorvaneCtrl* Find(int kind, int picture)
    {
        for (const auto& object : Doc().GetObjects()) {
            const auto* item = dynamic_cast<const CCorvaneCtrl*>(object.get());
            if (item->GetCtrlId() == kind && item->BitmapId() == picture)
                return item;
        }
        return nullptr;
    }

    // Connects with a logger of two modules (bus slots 2 and 9: analog and
    // digital) and a memory card; the hardware query ends at once, as the
    // library has no link.
    void ConnectWithModules(std::uint32_t firmware = kMatchingFirmware)
    {
        CHardwarePoll& poll = Doc().GetHardwarePoll();
        poll.SetModuleMask((1u << 2) | (1u << 9));
        poll.SetModuleRecord(2, ModuleOfType(0));
        poll.SetModuleRecord(9, ModuleOfType(1));
        services.statusWord = CLaunchView::kCardInstalledBit;
        Launch().SetCommType(0);
        Launch().CheckCommLibVersion(StateBlock(firmware, 0));
        App().ProcessPending();
    }

    bool SavePicture(const std::string& name)
    {
        const Bitmap picture = View().RenderToBitmap();
        return picture.SavePng(PicturePath(name));
    }

    LaunchTestServices services;
    HalvixLibrary library_{MakeApplicationPoster(App())};
    HalvixInstallation installation_{library_};
};

TEST_F(LaunchView, NotConnectedPictureShowsTheLastLinkAndTracesWhenAsked)
{
    constexpr Rect kWhole{0, 0, 1024, 768};
    const std::vector<Shown> expected = {
        {K::kLogger, res::kBitmapCommBackground, kWhole},
        {K::kPc, res::kBitmapLinkSerialOff, kWhole},
        {K::kLinkSymbol, res::kBitmapLinkSymbolSerialOff, Rect::FromPointAndSize({349, 272}, {52, 43})},
        {K::kPc, res::kBitmapNoLogger, Rect::FromPointAndSize({674, 197}, {330, 119})},
    };
    EXPECT_EQ(Picture(), expected);
    EXPECT_EQ(Launch().GetCommType(), CLaunchView::kRs232);
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kControl);
    std::int32_t flags = 0;
    ASSERT_EQ(CxGetLoggingFlags(flags), kCxOk);
    EXPECT_EQ(flags, -1);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_TRUE(SavePicture("comm-window-not-connected.png"));
}

TEST_F(LaunchView, EachLinkKindHasItsPicturesAndAStoredKindBeyondTheListReadsAsEthernet)
{
    struct Case {
        int kind;
        int link;
        int symbol;
        Point symbolAt;
    };
    const Case cases[] = {
        {0, res::kBitmapLinkEthernetOff, res::kBitmapLinkSymbolNetwork, {371, 248}},
        {1, res::kBitmapLinkWifiOff, res::kBitmapLinkSymbolNetwork, {371, 248}},
        {2, res::kBitmapLinkCellularOff, res::kBitmapLinkSymbolNetwork, {371, 248}},
        {3, res::kBitmapLinkUsbOff, res::kBitmapLinkSymbolUsb, {349, 257}},
    };
    for (const Case& c : cases) {
        Launch().SetCommType(c.kind);
        Launch().RebuildHardwarePicture();
        const std::vector<Shown> shown = Picture();
        ASSERT_EQ(shown.size(), 4u) << c.kind;
        EXPECT_EQ(shown[1], (Shown{K::kPc, c.link, Rect::FromPointAndSize({242, 0}, {582, 527})})) << c.kind;
        EXPECT_EQ(shown[2].picture, c.symbol) << c.kind;
        EXPECT_EQ(shown[2].place.TopLeft(), c.symbolAt) << c.kind;
    }
    SetSetting("LastCommType", 7);
    EXPECT_EQ(CLaunchView(Environment(), services).GetCommType(), CLaunchView::kEthernet);
}

TEST_F(LaunchView, ACardInThePcsReaderIsShownWhateverTheConnection)
{
    services.card.drive = test::OutputFolder().string();
    services.probe.present = true;
    const Shown mounted{K::kCardMounted, res::kBitmapPcCardMounted, Rect::FromPointAndSize({242, 387}, {160, 70})};
    Launch().RebuildHardwarePicture();
    EXPECT_EQ(Picture().back(), mounted);
    ConnectWithModules();
    EXPECT_EQ(Picture().back(), mounted);
    services.probe.present = false;
    Launch().RebuildHardwarePicture();
    EXPECT_NE(Picture().back(), mounted);
}

TEST_F(LaunchView, ConnectedPictureShowsTheLoggerWithBothModulesAndItsCard)
{
    ConnectWithModules();
    EXPECT_TRUE(Launch().IsConnected());
    EXPECT_TRUE(services.connection.IsConnected());
    EXPECT_EQ(services.connection.GetFirmwareVersion(), kMatchingFirmware);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_NE(std::ranges::find(services.status.messages, "Reading Hardware Configuration..."),
        services.status.messages.end());

    const auto at = [](int x, int y, int w, int h) { return Rect::FromPointAndSize({x, y}, {w, h}); };
    const std::vector<Shown> expected = {
        {K::kLogger, res::kBitmapCommBackground, at(0, 0, 1024, 768)},
        {K::kPc, res::kBitmapLinkEthernet, at(242, 0, 582, 527)},
        {K::kLinkSymbol, res::kBitmapLinkSymbolNetwork, at(371, 248, 65, 73)},
        {K::kLogger, res::kBitmapLogger, at(507, 204, 370, 235)},
        {K::kPc, res::kBitmapPc, at(49, 151, 235, 162)},
        {K::kBusStrip, res::kBitmapBusStripStopped, at(674, 197, 330, 119)},
        {K::kEnableButton, res::kBitmapEnableButton, at(908, 208, 78, 20)},
        {K::kStopButton, res::kBitmapStopButtonLit, at(908, 239, 78, 20)},
        {K::kEraseButton, res::kBitmapEraseButton, at(930, 268, 54, 24)},
        {K::kBus, res::kBitmapBusHead, at(823, 438, 201, 90)},
        {K::kBus, res::kBitmapBusEnd, at(990, 528, 34, 161)},
        {K::kBus, res::kBitmapBusSegmentEven, at(926, 636, 60, 121)},
        {K::kBus, res::kBitmapModuleAnalog, at(945, 532, 61, 124)},
        {K::kBus, res::kBitmapModuleDigital, at(883, 589, 61, 124)},
        {K::kLoggerCard, res::kBitmapLoggerCardPresent, at(675, 433, 48, 49)},
        {K::kLoggerNet, res::kBitmapCommProgramNet, at(545, 245, 32, 32)},
        {K::kLoggerData, res::kBitmapMemory, at(545, 280, 32, 32)},
        {K::kLoggerConfiguration, res::kBitmapCommLoggerConfig, at(545, 210, 32, 32)},
        {K::kProbePoints, res::kBitmapProbePoint, at(580, 210, 32, 32)},
        {K::kLoggerStatus, res::kBitmapCommLoggerStatus, at(580, 245, 32, 32)},
        {K::kLoggerClock, res::kBitmapCommDateTime, at(580, 280, 32, 32)},
        {K::kPassword, res::kBitmapPassword, at(516, 166, 34, 35)},
        {K::kLastDownload, res::kBitmapMemory, at(70, 175, 32, 32)},
        {K::kPcClock, res::kBitmapCommDateTime, at(105, 175, 32, 32)},
        {K::kPcNet, res::kBitmapCommProgramNet, at(140, 175, 32, 32)},
    };
    EXPECT_EQ(Picture(), expected);
    const auto* second = dynamic_cast<const CTevlinkNode*>(Doc().GetObjects()[13].get());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->ModuleType(), 1);
    EXPECT_TRUE(SavePicture("comm-window-connected.png"));

    Launch().Reconnect(0);
    EXPECT_FALSE(Launch().IsConnected());
    EXPECT_FALSE(services.connection.IsConnected());
    EXPECT_EQ(Picture().size(), 4u);
}

TEST_F(LaunchView, HoverTipShowsOncePerPauseOverAnObjectThatHasOne)
{
    ConnectWithModules();
    namespace fa = frame_automation;
    CXInfoTip& tip = Launch().Tip();
    const auto pause = [this] {
        // The view's pause, then the tip's own delay.
        TestClock().Advance(CLaunchView::kTipPauseMs);
        App().ProcessPending();
        TestClock().Advance(CXInfoTip::kShowDelayMs);
        App().ProcessPending();
    };
    const Point overErase = View().ClientToScreen({943, 280});
    fa::MovePointer(overErase);
    ASSERT_TRUE(fa::SendMouse(View(), fa::MouseAction::Move, MouseButton::None, {943, 280}));
    pause();
    ASSERT_TRUE(tip.IsShowing());
    EXPECT_EQ(tip.TipText(), "Erase Logged Data ");
    EXPECT_EQ(services.status.messages.back(), "\nClear All Data From Logger Memory");
    EXPECT_EQ(tip.Anchor(), overErase);

    // The picture with its tip, as the user sees it.
    Bitmap seen = View().RenderToBitmap();
    {
        const Point origin = View().ClientToScreen({0, 0});
        const Rect at = tip.ScreenRect().Offset(-origin.x, -origin.y);
        const Bitmap balloon = tip.RenderToBitmap();
        for (int y = 0; y < balloon.Height(); ++y)
            for (int x = 0; x < balloon.Width(); ++x)
                if (tip.Shape().Contains({x, y}))
                    seen.SetPixel(at.left + x, at.top + y, balloon.PixelAt(x, y));
    }
    EXPECT_TRUE(seen.SavePng(test::OutputFile("comm-window-tip.png")));

    // Held still, the tip stays and does not come again.
    const std::size_t statusTexts = services.status.messages.size();
    pause();
    pause();
    EXPECT_TRUE(tip.IsShowing());
    EXPECT_EQ(services.status.messages.size(), statusTexts);

    // A move of one pixel takes it away; the next pause brings it back.
    fa::MovePointer({overErase.x + 1, overErase.y});
    ASSERT_TRUE(fa::SendMouse(View(), fa::MouseAction::Move, MouseButton::None, {944, 280}));
    EXPECT_FALSE(tip.IsShowing());
    pause();
    EXPECT_TRUE(tip.IsShowing());
    ASSERT_TRUE(fa::SendMouse(View(), fa::MouseAction::Press, MouseButton::Middle, {944, 280}));
    EXPECT_FALSE(tip.IsShowing()) << "a button takes it away";
    fa::SendMouse(View(), fa::MouseAction::Release, MouseButton::Middle, {944, 280});

    // A press within a pause ends it without a tip: the press may open a
    // dialog over the picture, which a tip must not cover.
    fa::MovePointer({overErase.x + 2, overErase.y});
    ASSERT_TRUE(fa::SendMouse(View(), fa::MouseAction::Move, MouseButton::None, {945, 280}));
    ASSERT_TRUE(fa::SendMouse(View(), fa::MouseAction::Press, MouseButton::Left, {945, 280}));
    fa::SendMouse(View(), fa::MouseAction::Release, MouseButton::Left, {945, 280});
    pause();
    EXPECT_FALSE(tip.IsShowing());
    EXPECT_FALSE(tip.IsWaiting());

    // The logger's body has no tip.
    const Point overLogger = View().ClientToScreen({700, 400});
    fa::MovePointer(overLogger);
    ASSERT_TRUE(fa::SendMouse(View(), fa::MouseAction::Move, MouseButton::None, {700, 400}));
    pause();
    EXPECT_FALSE(tip.IsShowing());
    EXPECT_FALSE(tip.IsWaiting());
}

TEST_F(LaunchView, RunStateShadesTheButtonsAndTheBusStrip)
{
    ConnectWithModules();
    struct Case {
        bool enabled;
        int enable;
        int stop;
        int strip;
        const char* status;
    };
    const Case cases[] = {
        {true, res::kBitmapEnableButtonLit, res::kBitmapStopButton, res::kBitmapBusStripEnabled, "Logger Enabled"},
        {false, res::kBitmapEnableButton, res::kBitmapStopButtonLit, res::kBitmapBusStripStopped, "Logger Stopped"},
    };
    for (const Case& c : cases) {
        services.connection.SetLoggerEnabled(c.enabled);
        Launch().SetRunState(c.enabled ? 1 : 0);
        EXPECT_EQ(Launch().RunState(), c.enabled ? CLaunchView::kRunEnabled : CLaunchView::kRunStopped);
        EXPECT_EQ(services.status.messages.back(), c.status);
        EXPECT_EQ(Find(K::kEnableButton, res::kBitmapEnableButton)->DrawnBitmapId(), c.enable);
        EXPECT_EQ(Find(K::kStopButton, res::kBitmapStopButton)->DrawnBitmapId(), c.stop);
        EXPECT_EQ(Find(K::kBusStrip, res::kBitmapBusStripEnabled)->DrawnBitmapId(), c.strip);
    }
}

TEST_F(LaunchView, CardStateSwapsTheLoggersCardPicture)
{
    ConnectWithModules();
    Launch().SetCardState(0);
    EXPECT_EQ(services.statusWord & CLaunchView::kCardInstalledBit, 0u);
    EXPECT_NE(Find(K::kLoggerCard, res::kBitmapLoggerCardEmpty), nullptr);
    Launch().SetCardState(1);
    EXPECT_NE(Find(K::kLoggerCard, res::kBitmapLoggerCardPresent), nullptr);
}

TEST_F(LaunchView, LibraryOlderThanTheLoggerNeedsIsReportedAndTheConnectionStays)
{
    struct Case {
        std::uint32_t firmware;
        std::optional<std::string> box;
    };
    const Case cases[] = {
        {0x01030000, "HalvixLib.dll needs to be updated to at least 1.3"},
        {kMatchingFirmware, std::nullopt},
        {0x02000000, std::nullopt},
    };
    for (const Case& c : cases) {
        Prompts().messageBoxes.clear();
        ConnectWithModules(c.firmware);
        EXPECT_TRUE(Launch().IsConnected());
        ASSERT_EQ(Prompts().messageBoxes.size(), c.box ? 1u : 0u) << std::hex << c.firmware;
        if (c.box) {
            EXPECT_EQ(Prompts().messageBoxes[0].text, *c.box);
            EXPECT_EQ(Prompts().messageBoxes[0].caption, "Interface Version");
            EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Error);
        }
    }
}

TEST_F(LaunchView, DoubleClicksAndDropsReachThePictureActions)
{
    RecordingPictureActions actions;
    Environment().pictureActions = &actions;
    ConnectWithModules();
    DoubleClick({950, 275});  // the Erase button
    // A module: its node dialog, for its type and bus address, over the view.
    std::vector<std::pair<int, int>> nodeDialogs;
    RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        if (CModuleNodeDlg* dialog = Launch().OpenNodeDialog()) {
            nodeDialogs.emplace_back(dialog->ModuleType(), dialog->Address());
            EXPECT_EQ(dialog->Parent(), &Launch());
            dialog->EndDialog(kIdCancel);
        }
        return std::intptr_t{0};
    };
    driver.PostMessage(kUserMessage);
    DoubleClick({970, 600});
    EXPECT_EQ(nodeDialogs, (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(Launch().OpenNodeDialog(), nullptr);
    Press({560, 295});  // the logger's data memory, onto the PC
    DragTo({300, 250});
    DragTo({150, 250});
    Release({150, 250});
    EXPECT_EQ(actions.calls, (std::vector<std::string>{"ClearMemory", "DownloadData"}));
    EXPECT_EQ(Find(K::kLoggerData, res::kBitmapMemory)->Position(), Rect::FromPointAndSize({545, 280}, {32, 32}));
}

TEST_F(LaunchView, PictureItemsRunOnlyTheCommandsThatAreEnabled)
{
    Environment().pictureActions = &Launch();
    auto& tool = static_cast<CCtrlTool&>(*Environment().tools.FindTool(tool_kind::kControl));
    // Passwords on and nobody logged in: a download that runs is refused with a box.
    services.connection.SetRightsLoaded(true);
    tool.DoPictureAction(View(), K::kLoggerData, 0, nullptr);
    EXPECT_TRUE(Prompts().messageBoxes.empty()) << "not connected: Download Data is disabled";

    EXPECT_FALSE(View().QueryCommand(CLaunchView::kLoggerDiagnosticsCommand).IsEnabled());
    ConnectWithModules();
    DoubleClick({560, 295});  // the logger's data memory
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Download Data");

    // Commands whose dialogs the program lacks stay greyed even when connected.
    for (const int command : {CLaunchView::kClearMemoryCommand, CLaunchView::kLoggerConfigurationCommand}) {
        const CommandState state = View().QueryCommand(command);
        EXPECT_TRUE(state.Answered() && !state.IsEnabled()) << command;
    }
    for (const int command : {CLaunchView::kDownloadNetCommand, CLaunchView::kLoggerDiagnosticsCommand,
             CLaunchView::kReflashFirmwareCommand, CLaunchView::kViewLoggerStatusCommand,
             CLaunchView::kEnableLoggingCommand, CLaunchView::kStopLoggingCommand, CLaunchView::kSetLoggerTimeCommand,
             CLaunchView::kResetLoggerCommand})
        EXPECT_TRUE(View().QueryCommand(command).IsEnabled()) << command;

    // Probe values from the picture and remote controls from the menu are
    // refused under their own captions, and open nothing.
    Prompts().messageBoxes.clear();
    DoubleClick({596, 226});  // the probe points
    EXPECT_TRUE(View().RouteCommand(CLaunchView::kRemoteControlsCommand));
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "View Probe Point Values");
    EXPECT_EQ(Prompts().messageBoxes[1].caption, "Access Remote Controls");
    EXPECT_EQ(Launch().ProbeValuesDialog(), nullptr);
    EXPECT_EQ(Launch().RemoteControlsDialog(), nullptr);

    // The program settings are always there, and the PC's last downloaded
    // file opens without a command of its own.
    EXPECT_TRUE(View().RouteCommand(CLaunchView::kProgramSettingsCommand));
    EXPECT_EQ(services.settingsDialogOwners, std::vector<Window*>{&View()});
    DoubleClick({86, 191});
    EXPECT_EQ(services.lastDownloadOpened, 1);
}

TEST_F(LaunchView, LinkSymbolOpensTheConnectDialogWhichTheQuerysEndCloses)
{
    Environment().pictureActions = &Launch();
    int endCode = -1;
    RecordingWindow duringDialog;
    duringDialog.onMessage = [&](Message&) {
        CConnectDialog* dialog = Launch().OpenConnectDialog();
        if (dialog == nullptr)
            return std::intptr_t{0};
        Launch().OnHardwarePollDone();
        endCode = dialog->IsOpen() ? -1 : dialog->EndCode();
        if (dialog->IsOpen())
            dialog->EndDialog(kIdAbort);
        return std::intptr_t{0};
    };
    duringDialog.PostMessage(kUserMessage);
    DoubleClick({380, 300});  // the RS-232 link symbol
    EXPECT_EQ(endCode, kIdOk);
    EXPECT_EQ(Launch().OpenConnectDialog(), nullptr);
    EXPECT_EQ(services.postedToMain, (std::vector<std::uint32_t>{0x8196}));
}

TEST_F(LaunchView, TimeOutsAndFailedRepliesAreReportedAndTheRunStateForgotten)
{
    struct Case {
        std::uint16_t type;
        const char* text;  // empty: no box
        const char* caption;
    };
    const Case cases[] = {
        {4, "Unable to complete login request", "Communication error"},
        {8, "", ""},
        {31, "", ""},
        {96, "Unable to complete data download", "Communication error"},
        {102, "Unable to complete requested command", "Communication error"},
        {103, "Unable to complete requested command", "Communication error"},
        {4064, "*** Timeout ***\n\nMessageType : 4064", "Communication Timeout"},
    };
    for (const Case& c : cases) {
        Prompts().messageBoxes.clear();
        Launch().SetRunState(1);
        App().SendMessage(View().Handle(), kTimeoutMessage, c.type, c.type);
        EXPECT_EQ(Launch().RunState(), CLaunchView::kRunUnknown) << c.type;
        ASSERT_EQ(Prompts().messageBoxes.size(), std::string(c.text).empty() ? 0u : 1u) << c.type;
        if (!std::string(c.text).empty()) {
            EXPECT_EQ(Prompts().messageBoxes[0].text, c.text);
            EXPECT_EQ(Prompts().messageBoxes[0].caption, c.caption);
        }
    }

    // A failed reply whose text is the "%s: " placeholder shows the text
    // the reply's data holds from byte 6.
    Prompts().messageBoxes.clear();
    std::vector<std::uint8_t> data = {0x12, 0x00, 0, 0, 0, 0, 'B', 'u', 's', 'y', 0};
    App().SendMessage(View().Handle(), kReplyMessage, 0, 0,
        std::make_unique<CReplyMessage>(0, 0x12, true, "%S: whatever", std::move(data)));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_NE(Prompts().messageBoxes[0].text.find("Busy"), std::string::npos);
    EXPECT_EQ(Prompts().messageBoxes[0].text.find("whatever"), std::string::npos);
}

TEST_F(LaunchView, TheRunStateReplyDecidesHowTheClockDialogOpensWhateverItsErrorFlag)
{
    // Without data nothing follows.
    App().SendMessage(
        View().Handle(), kReplyMessage, 22, 0, std::make_unique<CReplyMessage>(22, 0, false, "", std::vector<std::uint8_t>{}));
    App().ProcessPending();
    EXPECT_TRUE(Prompts().messageBoxes.empty());

    // An enabled logger: the question first; Cancel opens nothing.
    Prompts().messageBoxAnswers = {kIdCancel};
    App().SendMessage(View().Handle(), kReplyMessage, 22, 0,
        std::make_unique<CReplyMessage>(22, 0x12, true, "busy", std::vector<std::uint8_t>{1, 0}));
    App().ProcessPending();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text,
        "The clock time cannot be updated while the logger is enabled\nsince it may disrupt the behavior of program "
        "net timing icons.\n\nClick OK to show the current logger time and clock settings.");
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::OkCancel);
}

TEST_F(LaunchView, StateReplyOfFullLengthSetsTheLoggerStateAndAShortOneNothing)
{
    std::vector<std::uint8_t> block = StateBlock(kMatchingFirmware, 0x80800000);
    block[56] = 1;     // daylight saving
    block[58] = 0x88;  // -120 minutes
    block[59] = 0xFF;
    block[108] = 64;  // 64 KB, 16 in use
    block[112] = 16;
    std::vector<std::uint8_t> shortBlock(block.begin(), block.end() - 1);
    App().SendMessage(
        View().Handle(), kReplyMessage, 0, 0, std::make_unique<CReplyMessage>(0, 0, false, "", std::move(shortBlock)));
    EXPECT_EQ(services.statusWord, 0u);
    EXPECT_EQ(Launch().RunState(), CLaunchView::kRunUnknown);

    App().SendMessage(
        View().Handle(), kReplyMessage, 0, 0, std::make_unique<CReplyMessage>(0, 0, false, "", std::move(block)));
    EXPECT_EQ(services.statusWord, 0x80800000u);
    EXPECT_EQ(services.memoryKb, 64u);
    EXPECT_EQ(services.memoryUsedKb, 16u);
    EXPECT_EQ(services.timeZone.OffsetMinutes(), -120);
    EXPECT_EQ(services.timeZone.Flags(), 1u);
    EXPECT_EQ(Launch().RunState(), CLaunchView::kRunEnabled);
    EXPECT_TRUE(services.connection.IsLoggerEnabled());
}

TEST_F(LaunchView, DownloadDataIsRefusedWithoutTheRightAndOpensNoDialog)
{
    ConnectWithModules();
    services.connection.SetRightsLoaded(true);  // passwords on, nobody logged in
    EXPECT_TRUE(View().RouteCommand(CLaunchView::kDownloadDataCommand));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, CCommDialog::kNoRightsText);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Download Data");
    EXPECT_EQ(Launch().OpenDownloadDialog(), nullptr);
}

TEST_F(LaunchView, SecondDownloadWhileTheDialogIsOpenIsRefusedAndTheRetryTimeComesBack)
{
    ConnectWithModules();
    services.connection.SetRightsLoaded(false);  // passwords off: every right
    std::uint32_t retryDuringDialog = 0;
    bool triedAgain = false;
    // Whichever comes first inside the dialog (its own box or the loop)
    // starts a second download; the loop then ends the dialog.
    const auto tryAgain = [&] {
        if (triedAgain || Launch().OpenDownloadDialog() == nullptr)
            return;
        triedAgain = true;
        EXPECT_EQ(CxGetRetryTime(retryDuringDialog), kCxOk);
        Launch().OnDownloadData();
    };
    Prompts().whileMessageBoxOpen = tryAgain;
    RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        tryAgain();
        if (auto* dialog = dynamic_cast<CDownloadDlg*>(Launch().OpenDownloadDialog()))
            dialog->EndDialog(kIdCancel);
        return std::intptr_t{0};
    };
    driver.PostMessage(kUserMessage);
    Launch().OnDownloadData();
    Prompts().whileMessageBoxOpen = nullptr;

    EXPECT_TRUE(triedAgain);
    EXPECT_EQ(retryDuringDialog, 55000u);
    const auto refusal = std::ranges::find_if(
        Prompts().messageBoxes, [](const MessageBoxRequest& box) { return box.text == "Prior transfer not finished"; });
    ASSERT_NE(refusal, Prompts().messageBoxes.end());
    EXPECT_EQ(refusal->caption, "Download Data");
    EXPECT_EQ(Launch().OpenDownloadDialog(), nullptr);
    std::uint32_t retry = 0;
    ASSERT_EQ(CxGetRetryTime(retry), kCxOk);
    EXPECT_EQ(retry, 5000u);
}

TEST_F(LaunchView, ScanCardReportsTheReaderAndShowsTheCardsMemoryOnceItsSessionsAreFound)
{
    test::ScratchFolder card;
    const std::string drive = card.Path().string();
    std::filesystem::create_directories(card.Path() / "Log");
    struct Case {
        std::string drive;
        bool removable;
        bool present;
        bool session;
        std::vector<std::string> boxes;
        bool analysed;
    };
    const std::string notRemovable = "Drive " + drive
        + " is not a removable drive.\n\nUse the \"File | Corvane Settings\" menu\nitem to select the SD card drive "
          "letter.";
    const Case cases[] = {
        {"", true, true, true, {"Drive not Specified"}, false},
        {drive, false, true, true, {notRemovable}, false},
        {drive, true, false, true, {"A card is not installed in " + drive}, false},
        {drive, true, true, false, {"SD Card Error"}, false},  // the card manager's box, by its caption
        {drive, true, true, true, {}, true},
    };
    for (const Case& c : cases) {
        services.card.drive = c.drive;
        services.probe.removable = c.removable;
        services.probe.present = c.present;
        std::filesystem::remove_all(card.Path() / "Log" / "5F000000");
        if (c.session)
            std::filesystem::create_directories(card.Path() / "Log" / "5F000000");
        Prompts().messageBoxes.clear();
        EXPECT_TRUE(View().RouteCommand(CLaunchView::kScanCardCommand));

        std::vector<std::string> shown;
        for (const MessageBoxRequest& box : Prompts().messageBoxes)
            shown.push_back(box.caption == "SD Card Error" ? box.caption : box.text);
        EXPECT_EQ(shown, c.boxes) << c.drive << c.removable << c.present << c.session;
        EXPECT_EQ(Launch().IsCardAnalysed(), c.analysed);
        EXPECT_EQ(Launch().IsCardPresent(), c.drive == drive && c.removable && c.present);
        CommandState download(CLaunchView::kDownloadCardDataCommand);
        EXPECT_TRUE(View().HandleUpdate(download));
        EXPECT_EQ(download.IsEnabled(), c.analysed);
        EXPECT_EQ(Find(K::kCardData, res::kBitmapMemory) != nullptr, c.analysed);
    }
    EXPECT_EQ(Find(K::kCardData, res::kBitmapMemory)->Position(), Rect::FromPointAndSize({325, 445}, {32, 32}));
}

TEST_F(LaunchView, SessionListAndEraseRepliesReachTheDownloadDialogOnlyWhileItRuns)
{
    const auto reply = [this](std::uint16_t type, bool failed) {
        App().SendMessage(View().Handle(), kReplyMessage, 0, 0,
            std::make_unique<CReplyMessage>(
                type, failed ? 0x12 : 0, failed, failed ? "Busy" : "", std::vector<std::uint8_t>{}));
    };
    const auto timeOut
        = [this](std::uint16_t type) { App().SendMessage(View().Handle(), kTimeoutMessage, type, type); };
    auto dialog = std::make_unique<RecordingDownloadLink>();
    {
        const DownloadDialogLinkScope attached = Launch().AttachDownloadDialog(*dialog);
        EXPECT_EQ(Launch().OpenDownloadDialog(), dialog.get());
        dialog->moreBlocks = 1;
        reply(96, false);
        dialog->moreBlocks = 0;
        reply(96, false);
        reply(103, false);
        reply(103, true);
        timeOut(96);
    }
    const std::vector<std::string> expected = {
        "list block",
        "list block",
        "close if empty",
        "idle: Session List Retrieved",
        "erase answered",
        "erase answered",
        "end, cancel",
        "idle: Data DL Timeout",
        "end, cancel",
    };
    EXPECT_EQ(dialog->calls, expected);
    EXPECT_EQ(Launch().OpenDownloadDialog(), nullptr);

    // Replies that arrive after the dialog has gone only report.
    dialog.reset();
    Prompts().messageBoxes.clear();
    reply(96, false);
    reply(103, true);
    timeOut(102);
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Error while attempting to clear memory.");
    EXPECT_EQ(Prompts().messageBoxes[1].text, "Unable to complete requested command");
}

TEST_F(LaunchView, SessionListAndEraseRepliesWithoutADownloadDialogOnlyReport)
{
    struct Case {
        std::uint16_t type;
        bool failed;
        const char* text;  // empty: no box
        const char* caption;
    };
    const Case cases[] = {
        {96, false, "", ""},
        {96, true, "Error (0012) while processing request.\n\nBusy", "Communication Error"},
        {103, true, "Error while attempting to clear memory.", "Unable to clear memory"},
        {103, false, "", ""},
    };
    for (const Case& c : cases) {
        Prompts().messageBoxes.clear();
        services.status.messages.clear();
        App().SendMessage(View().Handle(), kReplyMessage, 0, 0,
            std::make_unique<CReplyMessage>(
                c.type, c.failed ? 0x12 : 0, c.failed, c.failed ? "Busy" : "", std::vector<std::uint8_t>{}));
        ASSERT_EQ(Prompts().messageBoxes.size(), std::string(c.text).empty() ? 0u : 1u) << c.type << c.failed;
        if (!std::string(c.text).empty()) {
            EXPECT_EQ(Prompts().messageBoxes[0].text, c.text);
            EXPECT_EQ(Prompts().messageBoxes[0].caption, c.caption);
        }
        // A finished list without a dialog clears the status text.
        if (c.type == 96) {
            EXPECT_EQ(services.status.messages, (std::vector<std::string>{""})) << c.failed;
        }
    }
}

TEST_F(LaunchView, StatusEnableAndStopNeedTheConnectionAndTheirRights)
{
    const int commands[]
        = {CLaunchView::kViewLoggerStatusCommand, CLaunchView::kEnableLoggingCommand, CLaunchView::kStopLoggingCommand};
    for (const int command : commands)
        EXPECT_FALSE(View().QueryCommand(command).IsEnabled()) << "not connected: " << command;
    ConnectWithModules();
    // Passwords on and nobody logged in: each command is refused under its caption.
    services.connection.SetRightsLoaded(true);
    const char* const captions[] = {"View Logger Status", "Enable Logger", "Stop Logger"};
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        Prompts().messageBoxes.clear();
        EXPECT_TRUE(View().RouteCommand(commands[i]));
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << commands[i];
        EXPECT_EQ(Prompts().messageBoxes[0].text, CCommDialog::kNoRightsText);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, captions[i]);
        EXPECT_EQ(Launch().OpenLoggerDialog(), nullptr);
    }
    EXPECT_EQ(Launch().EnableStep(), 5);
    EXPECT_EQ(Launch().RequestedRunChange(), 0);
}

TEST_F(LaunchView, EnableAndStopThatTheLibraryRefusesAreReported)
{
    ConnectWithModules();
    services.connection.SetRightsLoaded(false);  // the logger has passwords off
    // The library has no link: the state request is refused at once.
    EXPECT_TRUE(View().RouteCommand(CLaunchView::kEnableLoggingCommand));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Please connect to the logger first");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Problem Enabling Logger");
    EXPECT_EQ(services.status.Last(), "Logger Not Enabled");
    EXPECT_EQ(Launch().EnableStep(), 6);

    // Stop asks first; No sends nothing, Yes sends and reports the refusal.
    Prompts().messageBoxes.clear();
    Prompts().messageBoxAnswers = {kIdNo};
    EXPECT_TRUE(View().RouteCommand(CLaunchView::kStopLoggingCommand));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Stop Logger?");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Stop Logger");
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(Launch().RequestedRunChange(), 0);
    Prompts().messageBoxAnswers = {kIdYes};
    EXPECT_TRUE(View().RouteCommand(CLaunchView::kStopLoggingCommand));
    ASSERT_EQ(Prompts().messageBoxes.size(), 3u);
    EXPECT_EQ(Prompts().messageBoxes[2].text, "Unable to stop Logger");
    EXPECT_EQ(Prompts().messageBoxes[2].caption, "Communication Error");
    EXPECT_EQ(Launch().RequestedRunChange(), 2);
}

TEST_F(LaunchView, RunRepliesCompleteTheRequestedChange)
{
    ConnectWithModules();
    services.connection.SetRightsLoaded(false);  // the logger has passwords off
    struct Case {
        const char* name;
        int requested;  // 2: a stop was asked for
        bool error;
        std::uint16_t code;
        std::vector<std::uint8_t> data;
        const char* status;  // the last status text
        const char* box;     // empty: none
        bool enabled;        // the connection's run state afterwards
    };
    const Case cases[] = {
        {"stopped", 2, false, 0, {2, 0}, "Logger Stopped", "", false},
        {"stopped without data", 2, false, 0, {}, "Logger Stopped", "", false},
        {"already stopped", 2, false, 16673, {2, 0}, "Logger Stopped", "", false},
        {"card scan", 2, true, 282, {}, "Logger not enabled",
            "Session cannot be started since scan of SD card is in progress.\nPlease wait a few seconds and try again.",
            true},
        {"refused", 2, true, 0x4105, {}, "Logger not enabled", "Error (4105) while processing request.\n\nNo", true},
        {"other data", 2, false, 0, {7, 0}, "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        services.connection.SetLoggerEnabled(true);
        services.status.messages.clear();
        Prompts().messageBoxes.clear();
        Prompts().messageBoxAnswers = {kIdYes};
        EXPECT_TRUE(View().RouteCommand(CLaunchView::kStopLoggingCommand));
        Prompts().messageBoxes.clear();
        ASSERT_EQ(Launch().RequestedRunChange(), c.requested);
        App().SendMessage(View().Handle(), kReplyMessage, 0, 0,
            std::make_unique<CReplyMessage>(8, c.code, c.error, c.error ? "No" : "", c.data));
        EXPECT_EQ(services.status.Last(), c.status);
        ASSERT_EQ(Prompts().messageBoxes.size(), *c.box == '\0' ? 0u : 1u);
        if (*c.box != '\0') {
            EXPECT_EQ(Prompts().messageBoxes[0].text, c.box);
        }
        EXPECT_EQ(services.connection.IsLoggerEnabled(), c.enabled);
    }
}

TEST_F(LaunchView, BusyEnableAnswersAreRetriedAfterAPauseAndNotForever)
{
    ConnectWithModules();
    services.connection.SetRightsLoaded(false);  // the logger has passwords off
    // Each busy answer waits a second before the request goes again; the
    // library (without a link) refuses the repeat, which ends the sequence.
    App().SendMessage(View().Handle(), kReplyMessage, 0, 0,
        std::make_unique<CReplyMessage>(8, 0, false, "", std::vector<std::uint8_t>{1, 0}));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    TestClock().Advance(CLaunchView::kEnableRetryPauseMs - 1);
    App().ProcessPending();
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    TestClock().Advance(1);
    App().ProcessPending();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Problem Enabling Logger");
    EXPECT_EQ(Launch().EnableStep(), 6);

    // Thirty busy answers are retried; the next one gives up.
    Prompts().messageBoxes.clear();
    EXPECT_TRUE(View().RouteCommand(CLaunchView::kEnableLoggingCommand));  // refused: no link
    Prompts().messageBoxes.clear();
    for (int i = 0; i < CLaunchView::kMostEnableRetries; ++i) {
        App().SendMessage(View().Handle(), kReplyMessage, 0, 0,
            std::make_unique<CReplyMessage>(8, 0, false, "", std::vector<std::uint8_t>{1, 0}));
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    App().SendMessage(View().Handle(), kReplyMessage, 0, 0,
        std::make_unique<CReplyMessage>(8, 0, false, "", std::vector<std::uint8_t>{1, 0}));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Unknown Problem Encountered");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Problem Enabling Logger");
    EXPECT_EQ(services.status.Last(), "Logger Not Enabled");
    // The pause of the last retry that was set is over: nothing goes out.
    TestClock().Advance(CLaunchView::kEnableRetryPauseMs);
    App().ProcessPending();
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
}

}  // namespace
}  // namespace c_launch_view_test
}  // namespace corvane::test
