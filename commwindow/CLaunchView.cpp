#include "commwindow/CLaunchView.h"

#include "base/ByteReader.h"
#include "base/LoggerTimeZone.h"
#include "comms/CConnectionDetails.h"
#include "logger/CCommDialog.h"
#include "logger/CQuickProbesDialog.h"
#include "logger/CRemoteCtrlDialog.h"
#include "logger/CDiagnosticLogSettingsDlgQuv.h"
#include "logger/CReflashDialog.h"
#include "logger/CEnableIntMem.h"
#include "logger/CStatusDialog.h"
#include "logger/CLoggerTimeDlg.h"
#include "logger/CResetLoggerDialog.h"
#include "commwindow/CConnectDialog.h"
#include "commwindow/CLaunchDoc.h"
#include "commwindow/CModuleNodeDlg.h"
#include "commwindow/CommWindowServices.h"
#include "download/CDownloadDlg.h"
#include "download/CDownloadFromCardDialog.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/RequestTypes.h"
#include "icons/hardware/CTevlinkNode.h"
#include "logger/CChangePasswordDialog.h"
#include "logger/CUserSelectionDialog.h"
#include "logger/LoggerUserTable.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetDownloadDialog.h"
#include "netdoc/CNetUploadDialog.h"
#include "netmodel/CCorvaneCtrl.h"
#include "platform/Application.h"
#include "platform/Cursor.h"
#include "platform/DialogTemplate.h"
#include "platform/MdiFrame.h"
#include "platform/PromptSink.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"
#include "shell/ErrorBoxes.h"
#include "shell/StatusHelpers.h"
#include "shell/Waits.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace corvane {

namespace {

constexpr std::string_view kSettingsKey = "Software\\Tarnwick\\Corvane";
// Posted to the main window after the connect dialog: the progress bar goes.
constexpr std::uint32_t kRemoveProgressMessage = 0x8196;
constexpr std::uint32_t kDisconnectWaitMs = 200;
constexpr Size kInitialScrollSize{800, 600};

// State block (little-endian):
//   44 u32 firmware version   48 u32 status word (bit 31: logging enabled)
//   56 u16 daylight-saving flags   58 i16 time-zone offset in minutes
//   108 u32 internal memory (KB)   112 u32 memory in use (KB)
constexpr std::size_t kFirmwareOffset = 44;
constexpr std::size_t kStatusOffset = 48;
constexpr std::size_t kDaylightFlagsOffset = 56;
constexpr std::size_t kZoneOffsetOffset = 58;
constexpr std::size_t kMemorySizeOffset = 108;
constexpr std::size_t kMemoryUsedOffset = 112;
constexpr std::uint32_t kLoggingEnabledBit = 0x80000000;
// Without this bit of the logger-state word the internal memory is not
// asked about before enabling.
constexpr std::uint32_t kInternalMemoryBit = 0x80000;
// The "Get Status" right of the status command.
constexpr std::uint32_t kGetStatusRight = 1u << 13;
// CxRun reply data: the logger is busy (send again) or the change is done.
constexpr std::uint16_t kRunBusy = 1;
constexpr std::uint16_t kRunDone = 2;
// A CxRun error: the memory card is being scanned.
constexpr std::uint16_t kCardScanInProgress = 282;

// Request types the view answers.
constexpr std::uint16_t kStateRequest = 0;
constexpr std::uint16_t kLoginRequest = 4;
constexpr std::uint16_t kRunRequest = 8;
constexpr std::uint16_t kPasswordSetRequest = 12;
constexpr std::uint16_t kPasswordManagementRequest = 5;
constexpr std::uint16_t kGetRunStateRequest = 22;
constexpr std::uint16_t kRunStateRequest = 31;
constexpr std::uint16_t kNetInitRequest = 35;
constexpr std::uint16_t kSessionListRequest = 96;
constexpr std::uint16_t kEraseAllRequest = 102;
constexpr std::uint16_t kEraseSessionRequest = 103;
constexpr std::uint16_t kPingRequest = 4064;

// The library version's minor number (bits 16..23) a logger needs; the
// library's word is taken as 1.2 when it cannot be asked.
constexpr std::uint32_t kAssumedLibraryVersion = 0x102;

// The picture's items: kind, picture, place, and how the tool treats them.
struct Item {
    int kind;
    int picture;
    Rect place;
    bool passive = false;
    bool draggable = false;
    bool dropTarget = false;
    int alternate = 0;
};

constexpr Rect At(int x, int y, int width, int height) { return Rect::FromPointAndSize({x, y}, {width, height}); }

constexpr Rect kLinkPlace = At(242, 0, 582, 527);
constexpr Rect kNetworkSymbol = At(371, 248, 65, 73);
constexpr Rect kUsbSymbol = At(349, 257, 53, 70);

// The link picture and link symbol of each connection kind.
struct LinkPictures {
    int picture;
    Rect place;
    int symbol;
    Rect symbolPlace;
};
constexpr std::array<LinkPictures, 5> kConnectedLinks = {{
    {res::kBitmapLinkEthernet, kLinkPlace, res::kBitmapLinkSymbolNetwork, kNetworkSymbol},
    {res::kBitmapLinkWifi, kLinkPlace, res::kBitmapLinkSymbolNetwork, kNetworkSymbol},
    {res::kBitmapLinkCellular, kLinkPlace, res::kBitmapLinkSymbolNetwork, kNetworkSymbol},
    {res::kBitmapLinkUsb, kLinkPlace, res::kBitmapLinkSymbolUsb, kUsbSymbol},
    {res::kBitmapLinkSerial, kLinkPlace, res::kBitmapLinkSymbolSerial, At(349, 244, 110, 77)},
}};
constexpr std::array<LinkPictures, 5> kIdleLinks = {{
    {res::kBitmapLinkEthernetOff, kLinkPlace, res::kBitmapLinkSymbolNetwork, kNetworkSymbol},
    {res::kBitmapLinkWifiOff, kLinkPlace, res::kBitmapLinkSymbolNetwork, kNetworkSymbol},
    {res::kBitmapLinkCellularOff, kLinkPlace, res::kBitmapLinkSymbolNetwork, kNetworkSymbol},
    {res::kBitmapLinkUsbOff, kLinkPlace, res::kBitmapLinkSymbolUsb, kUsbSymbol},
    {res::kBitmapLinkSerialOff, At(0, 0, 1024, 768), res::kBitmapLinkSymbolSerialOff, At(349, 272, 52, 43)},
}};

using K = CLaunchView::Kind;

// The logger, the PC, the panel and its buttons, in the order they are added.
const std::array kLoggerAndPc = {
    Item{K::kLogger, res::kBitmapLogger, At(507, 204, 370, 235), false, false, true},
    Item{K::kPc, res::kBitmapPc, At(49, 151, 235, 162), false, false, true},
    Item{K::kBusStrip, res::kBitmapBusStripEnabled, At(674, 197, 330, 119), true, false, false,
        res::kBitmapBusStripStopped},
    Item{K::kEnableButton, res::kBitmapEnableButton, At(908, 208, 78, 20), false, false, false,
        res::kBitmapEnableButtonLit},
    Item{K::kStopButton, res::kBitmapStopButton, At(908, 239, 78, 20), false, false, false, res::kBitmapStopButtonLit},
    Item{K::kEraseButton, res::kBitmapEraseButton, At(930, 268, 54, 24)},
};
// The logger's items and the PC's, after the bus and the card slot.
const std::array kLoggerItems = {
    Item{K::kLoggerNet, res::kBitmapCommProgramNet, At(545, 245, 32, 32), false, true},
    Item{K::kLoggerData, res::kBitmapMemory, At(545, 280, 32, 32), false, true},
    Item{K::kLoggerConfiguration, res::kBitmapCommLoggerConfig, At(545, 210, 32, 32), false, true},
    Item{K::kProbePoints, res::kBitmapProbePoint, At(580, 210, 32, 32), false, true},
    Item{K::kLoggerStatus, res::kBitmapCommLoggerStatus, At(580, 245, 32, 32), false, true},
    Item{K::kLoggerClock, res::kBitmapCommDateTime, At(580, 280, 32, 32), false, true},
    Item{K::kPassword, res::kBitmapPassword, At(516, 166, 34, 35)},
    Item{K::kLastDownload, res::kBitmapMemory, At(70, 175, 32, 32)},
    Item{K::kPcClock, res::kBitmapCommDateTime, At(105, 175, 32, 32), false, true},
    Item{K::kPcNet, res::kBitmapCommProgramNet, At(140, 175, 32, 32), false, true},
};

// The module bus: head and end once, then per module j (right to left, 62
// apart, alternately high and low) a segment before each but the last.
constexpr Rect kBusHead = At(823, 438, 201, 90);
constexpr Rect kBusEnd = At(990, 528, 34, 161);
constexpr int kModuleStep = 62;
constexpr int kModuleRight = 945;
constexpr int kSegmentRight = 926;
constexpr int kModuleHighTop = 532;
constexpr int kModuleLowTop = 589;
constexpr int kSegmentTop = 636;
constexpr Size kModuleSize{61, 124};

constexpr Rect kLoggerCardPlace = At(675, 433, 48, 49);
constexpr Rect kNoLoggerPlace = At(674, 197, 330, 119);
constexpr Rect kCardMountedPlace = At(242, 387, 160, 70);
constexpr Rect kCardDataPlace = At(325, 445, 32, 32);

// The commands of the menu, the toolbar and the picture whose dialogs the
// program does not have yet: they stay disabled.
constexpr std::array kCommandsWithoutDialog = {
    CLaunchView::kClearMemoryCommand,
    CLaunchView::kLoggerConfigurationCommand,
};

// The download dialog's session list and erase requests may take long: the
// library's retry time is raised by this much while the dialog runs.
constexpr std::uint32_t kDownloadRetryAllowanceMs = 50000;

struct KindTip {
    int kind;
    std::string_view text;
};
constexpr std::array kTips = {
    KindTip{K::kLoggerNet, "Logger Program Net\nDrag to the PC image to download the Logger Net"},
    KindTip{K::kLoggerData, "Logger Data Memory\nDrag to the PC image to download data"},
    KindTip{K::kLoggerConfiguration, "Logger Configuration/Settings\nLogger Configuration/Settings"},
    KindTip{K::kProbePoints, "Probe Point Values\nProbe Point Values"},
    KindTip{K::kLoggerClock, "Logger Date/Time\nSet Logger Date/Time"},
    KindTip{K::kLoggerStatus, "Logger Status\nDisplay Logger Status"},
    KindTip{K::kPcNet, "Program Net Open in Corvane\nDrag to the logger image to upload the Net in the PC"},
    KindTip{K::kPcClock, "PC Time/Date\nDrag to the Logger image to set the time"},
    KindTip{K::kLastDownload, "Last downloaded file\nDouble-click to launch the last downloaded file"},
    KindTip{K::kEnableButton, "Enable Net Execution\nBegin a new Logging Session"},
    KindTip{K::kStopButton, "Stop Net Execution\nTerminate the current Data Session"},
    KindTip{K::kEraseButton, "Erase Logged Data\nClear All Data From Logger Memory"},
    KindTip{K::kLinkSymbol, "Establish Connection\nEstablish Connection"},
    KindTip{K::kBus, "Tevlink Module\nDouble click to display Tevlink module information"},
    KindTip{K::kCardData, "SD Memory\nDrag to the PC to download SD data"},
    KindTip{K::kCardMounted, "SD Card mounted\nSelect menu item \"SD Card | Scan Card\" to list logging sessions"},
    KindTip{K::kPassword, "Password Management\nDisplay Password Management Options"},
};

std::uint32_t ReadDword(const SettingsStore& store, std::string_view name)
{
    const std::optional<SettingsValue> value = store.GetValue(kSettingsKey, name);
    const std::uint32_t* number = value ? value->AsDword() : nullptr;
    return number != nullptr ? *number : 0;
}

void AddItem(CLaunchDoc& doc, const Item& item)
{
    auto object = std::make_unique<CCorvaneCtrl>(
        false, item.passive, item.draggable, item.dropTarget, item.picture, item.kind, item.place);
    if (item.alternate != 0) {
        object->SetAlternateBitmap(item.alternate);
        // The bus strip shows its stopped picture until the state says otherwise.
        object->SetUseAlternateBitmap(item.kind == K::kBusStrip);
    }
    doc.AddObject(std::move(object));
}

// The error text of a failed reply: one that starts with "%s: " (any case)
// stands for the text the reply's data holds from byte 6.
std::string ReplyErrorText(const CReplyMessage& reply)
{
    constexpr std::string_view kPlaceholder = "%s: ";
    constexpr std::size_t kSubstituteOffset = 6;
    const std::string& text = reply.ErrorText();
    bool placeholder = text.size() >= kPlaceholder.size();
    for (std::size_t i = 0; placeholder && i < kPlaceholder.size(); ++i)
        placeholder = std::tolower(static_cast<unsigned char>(text[i])) == kPlaceholder[i];
    return placeholder ? std::string(reply.TextAt(kSubstituteOffset)) : text;
}

}  // namespace

CLaunchView::CLaunchView(EditorEnvironment& environment, CommWindowServices& services)
    : CCorvaneView(environment), services_(services), hiddenReconnects_(services, this), tip_(services.Status())
{
    tip_.Create(this);
    tip_.SetIcon(kTipIconId);
    const std::uint32_t lastKind = ReadDword(services_.Settings(), "LastCommType");
    commType_ = lastKind <= static_cast<std::uint32_t>(kRs232) ? static_cast<int>(lastKind) : kEthernet;
    AddCommand(kProgramSettingsCommand, [this](int) { OnProgramSettings(); });
    AddCommand(kLoggerConnectionCommand, [this](int) { ShowConnectDialog(); });
    AddCommand(kDownloadNetCommand, [this](int) { OnDownloadNet(); });
    AddUpdate(kDownloadNetCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kUploadNetCommand, [this](int) { OnUploadNet(); });
    AddUpdate(kUploadNetCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kDownloadDataCommand, [this](int) { OnDownloadData(); });
    AddUpdate(kDownloadDataCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kScanCardCommand, [this](int) { OnScanCard(); });
    AddCommand(kDownloadCardDataCommand, [this](int) { OnDownloadCardData(); });
    AddUpdate(kDownloadCardDataCommand, [this](CommandState& state) { state.Enable(cardPresent_ && cardAnalysed_); });
    AddCommand(kViewProbePointsCommand, [this](int) { OnViewProbePoints(); });
    AddUpdate(kViewProbePointsCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kRemoteControlsCommand, [this](int) { OnRemoteControls(); });
    AddUpdate(kRemoteControlsCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kLoggerDiagnosticsCommand, [this](int) { OnLoggerDiagnostics(); });
    AddUpdate(kLoggerDiagnosticsCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kViewLoggerStatusCommand, [this](int) { OnViewLoggerStatus(); });
    AddUpdate(kViewLoggerStatusCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kEnableLoggingCommand, [this](int) { OnEnableLogging(); });
    AddUpdate(kEnableLoggingCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kStopLoggingCommand, [this](int) { OnStopLogging(); });
    AddUpdate(kStopLoggingCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kSetLoggerTimeCommand, [this](int) { OnSetLoggerTime(); });
    AddUpdate(kSetLoggerTimeCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kResetLoggerCommand, [this](int) { OnResetLogger(); });
    AddUpdate(kResetLoggerCommand, [this](CommandState& state) { state.Enable(connected_); });
    for (const int command : kCommandsWithoutDialog)
        AddUpdate(command, [](CommandState& state) { state.Enable(false); });
    AddCommand(kPasswordManagementCommand, [this](int) { OnPasswordManagement(); });
    AddUpdate(kPasswordManagementCommand, [this](CommandState& state) {
        const CConnectionDetails& connection = services_.Connection();
        state.Enable(connected_ && (!connection.IsRightsLoaded() || connection.IsAuthenticated()));
    });
    AddCommand(kChangePasswordCommand, [this](int) { OnChangePassword(); });
    AddUpdate(kChangePasswordCommand, [this](CommandState& state) { state.Enable(connected_); });
    AddCommand(kReflashFirmwareCommand, [this](int) { OnReflashFirmware(); });
    AddUpdate(kReflashFirmwareCommand, [this](CommandState& state) { state.Enable(connected_); });
}

CLaunchView::~CLaunchView()
{
    // A query still running must not call back into a view that is gone.
    closing_ = true;
    if (CLaunchDoc* doc = GetLaunchDoc(); doc != nullptr && doc->GetHardwarePoll().IsRunning())
        doc->GetHardwarePoll().Finish(CHardwarePoll::kFailed);
}

CLaunchDoc* CLaunchView::GetLaunchDoc() const { return dynamic_cast<CLaunchDoc*>(GetDocument()); }

std::string CLaunchView::TipText(int kind)
{
    for (const KindTip& tip : kTips) {
        if (tip.kind == kind)
            return std::string(tip.text);
    }
    return {};
}

void CLaunchView::RebuildHardwarePicture()
{
    CLaunchDoc* doc = GetLaunchDoc();
    if (doc == nullptr)
        return;
    doc->DeleteAllObjects();
    AddItem(*doc, {K::kLogger, res::kBitmapCommBackground, At(0, 0, 1024, 768), true});
    const bool knownLink = commType_ >= 0 && commType_ <= kRs232;
    const auto& links = connected_ ? kConnectedLinks : kIdleLinks;
    if (knownLink) {
        const LinkPictures& link = links[static_cast<std::size_t>(commType_)];
        AddItem(*doc, {K::kPc, link.picture, link.place, connected_});
        AddItem(*doc, {K::kLinkSymbol, link.symbol, link.symbolPlace});
    }
    if (connected_) {
        for (const Item& item : kLoggerAndPc)
            AddItem(*doc, item);
        std::vector<std::span<const std::uint8_t, CHardwarePoll::kModuleRecordSize>> modules;
        const CHardwarePoll& poll = doc->GetHardwarePoll();
        for (int slot = 0; slot < CHardwarePoll::kSlotCount; ++slot) {
            if ((poll.GetModuleMask() & (1u << slot)) == 0)
                continue;
            if (modules.empty()) {
                AddItem(*doc, {K::kBus, res::kBitmapBusHead, kBusHead});
                AddItem(*doc, {K::kBus, res::kBitmapBusEnd, kBusEnd});
            }
            modules.push_back(poll.GetModuleRecord(slot));
        }
        for (std::size_t j = 0; j < modules.size(); ++j) {
            const int step = kModuleStep * static_cast<int>(j);
            const bool odd = j % 2 == 1;
            if (j + 1 < modules.size()) {
                AddItem(*doc,
                    {K::kBus, odd ? res::kBitmapBusSegmentOdd : res::kBitmapBusSegmentEven,
                        At(kSegmentRight - step, kSegmentTop, odd ? 62 : 60, 121)});
            }
            const std::uint8_t type = modules[j][CTevlinkNode::kModuleTypeOffset];
            const Rect place
                = Rect::FromPointAndSize({kModuleRight - step, odd ? kModuleLowTop : kModuleHighTop}, kModuleSize);
            auto node = std::make_unique<CTevlinkNode>(
                CTevlinkNode::PictureForModuleType(type), CTevlinkNode::kCtrlId, place, modules[j]);
            node->SetNodeDialogRunner(
                [this](std::uint8_t moduleType, std::uint8_t address) { RunNodeDialog(moduleType, address); },
                &services_.MainFrameNotices());
            doc->AddObject(std::move(node));
        }
        const bool cardInLogger = (services_.LoggerStatusWord() & kCardInstalledBit) != 0;
        AddItem(*doc,
            {K::kLoggerCard, cardInLogger ? res::kBitmapLoggerCardPresent : res::kBitmapLoggerCardEmpty,
                kLoggerCardPlace});
        for (const Item& item : kLoggerItems)
            AddItem(*doc, item);
    } else {
        AddItem(*doc, {K::kPc, res::kBitmapNoLogger, kNoLoggerPlace});
    }
    CFlashCardManager& cards = doc->CardManager();
    cards.ReadDriveSetting();
    if (cards.IsCardPresent())
        AddItem(*doc, {K::kCardMounted, res::kBitmapPcCardMounted, kCardMountedPlace, true});
    if (cardPresent_ && cardAnalysed_)
        AddItem(*doc, {K::kCardData, res::kBitmapMemory, kCardDataPlace, false, true});
    doc->SetModified(false);
    UpdatePictureStates();
}

void CLaunchView::RunNodeDialog(std::uint8_t moduleType, std::uint8_t address)
{
    CModuleNodeDlg dialog(moduleType, address, services_, this);
    nodeDialog_ = &dialog;
    (void)dialog.DoModal();
    nodeDialog_ = nullptr;
}

void CLaunchView::OnMouseMove(const MouseEvent& event)
{
    SetTimer(kTipTimerId, kTipPauseMs);
    tipTimerRunning_ = true;
    tip_.RelayEvent(CXInfoTip::Relayed::MouseMove);
    CCorvaneView::OnMouseMove(event);
}

void CLaunchView::OnMouseDown(const MouseEvent& event)
{
    // A press ends the pause without a tip: what it opens (a dialog, a
    // menu) comes over the picture, and a tip must not show on top of it.
    KillTimer(kTipTimerId);
    tipTimerRunning_ = false;
    tip_.RelayEvent(CXInfoTip::Relayed::ButtonDown);
    CCorvaneView::OnMouseDown(event);
}

void CLaunchView::OnTimer(std::uint32_t id)
{
    if (id == kEnableRetryTimerId) {
        KillTimer(kEnableRetryTimerId);
        if (const int result = CxRun(Handle(), 1, enableOption_); result != kCxOk)
            FailEnable(result);
        return;
    }
    if (id != kTipTimerId) {
        CCorvaneView::OnTimer(id);
        return;
    }
    // One tip per pause of the mouse: the timer goes until the mouse moves again.
    const Point cursor = CursorScreenPosition();
    if (cursor != lastTipPoint_) {
        lastTipPoint_ = cursor;
        Point point = ScreenToClient(cursor);
        ClientToDoc(point);
        const CLaunchDoc* doc = GetLaunchDoc();
        const auto* item = doc != nullptr ? dynamic_cast<const CCorvaneCtrl*>(doc->HitTest(point)) : nullptr;
        if (item != nullptr) {
            if (const std::string text = TipText(item->GetCtrlId()); !text.empty())
                tip_.Show(text, cursor);
        }
    }
    KillTimer(kTipTimerId);
    tipTimerRunning_ = false;
}

void CLaunchView::UpdatePictureStates()
{
    CLaunchDoc* doc = GetLaunchDoc();
    if (doc == nullptr || doc->GetObjectCount() == 0)
        return;
    const bool enabled = services_.Connection().IsLoggerEnabled();
    for (const auto& object : doc->GetObjects()) {
        auto* item = dynamic_cast<CCorvaneCtrl*>(object.get());
        if (item == nullptr)
            continue;
        if (item->GetCtrlId() == K::kEnableButton)
            item->SetUseAlternateBitmap(enabled);
        else if (item->GetCtrlId() == K::kStopButton || item->GetCtrlId() == K::kBusStrip)
            item->SetUseAlternateBitmap(!enabled);
    }
    Invalidate();
}

void CLaunchView::SetLoggerRunState(bool enabled)
{
    runState_ = enabled ? kRunEnabled : kRunStopped;
    SetStatusMessage(services_.Status(), enabled ? "Logger Enabled" : "Logger Stopped");
    UpdatePictureStates();
}

void CLaunchView::SetCardInstalled(bool present)
{
    const std::uint32_t status = services_.LoggerStatusWord();
    services_.SetLoggerStatusWord(present ? status | kCardInstalledBit : status & ~kCardInstalledBit);
    RebuildHardwarePicture();
}

void CLaunchView::SetCommType(int kind) { commType_ = kind; }

void CLaunchView::CheckCommLibVersion(std::span<const std::uint8_t> stateBlock)
{
    ByteReader reader(stateBlock);
    reader.Seek(kFirmwareOffset, "firmware version");
    const std::uint32_t firmware = reader.U32LE("firmware version");
    const std::uint32_t status = reader.U32LE("status word");
    CConnectionDetails& connection = services_.Connection();
    connected_ = true;
    connection.SetConnected(true);
    // The message time-out is taken afresh from this connection's.
    messageTimeout_ = kDefaultMessageTimeout;
    connection.SetFirmwareVersion(firmware);

    std::uint32_t library = kAssumedLibraryVersion;
    if (CxGetCommLibVersion(library) != kCxOk)
        library = kAssumedLibraryVersion;
    const std::uint32_t needed = connection.GetFirmwareVersion();
    if (((needed >> 16) & 0xFF) > ((library >> 16) & 0xFF)) {
        char text[64];
        std::snprintf(text, sizeof text, "HalvixLib.dll needs to be updated to at least %u.%u",
            static_cast<unsigned>(needed >> 24), static_cast<unsigned>((needed >> 16) & 0xFF));
        ShowBox(text, "Interface Version", true);
    }
    connection.SetLoggerEnabled((status & kLoggingEnabledBit) != 0);

    SetStatusMessage(services_.Status(), "Reading Hardware Configuration...");
    if (CLaunchDoc* doc = GetLaunchDoc())
        doc->GetHardwarePoll().Start(*this);
}

void CLaunchView::OnHardwarePollDone()
{
    if (closing_)
        return;
    RebuildHardwarePicture();
    if (CLaunchDoc* doc = GetLaunchDoc())
        doc->UpdateAllViews(nullptr);
    ShowProgress(services_.Status(), 0);
    SetProgressRange(services_.Status(), 100);
    RunProgressAnimation(services_.Status(), false);
    if (connectDialog_ != nullptr)
        connectDialog_->EndDialog(kIdOk);
}

void CLaunchView::Reconnect(int send)
{
    connected_ = false;
    RebuildHardwarePicture();
    CConnectionDetails& connection = services_.Connection();
    connection.SetConnected(false);
    connection.SetConnectionName("");
    if (send != 0) {
        CxDisco(Handle());
        WaitMilliseconds(kDisconnectWaitMs);
        CxLoggerConnect(0);
    }
}

void CLaunchView::SetRunState(std::uintptr_t state) { SetLoggerRunState(state != 0); }

void CLaunchView::SetCardState(std::uintptr_t state) { SetCardInstalled(state != 0); }

void CLaunchView::ConnectionLost() { Reconnect(1); }

void CLaunchView::Refresh() { Invalidate(); }

void CLaunchView::ShowConnectDialog()
{
    runState_ = kRunUnknown;
    {
        CConnectDialog dialog(services_, this, connected_, nullptr);
        connectDialog_ = &dialog;
        dialog.DoModal();
        connectDialog_ = nullptr;
    }
    services_.PostToMainWindow(kRemoveProgressMessage);
}

bool CLaunchView::MayRequest(std::uint16_t requestCode, std::string_view caption)
{
    if (services_.Connection().IsRequestAllowed(requestCode))
        return true;
    ShowRightsRefusal(caption);
    return false;
}

void CLaunchView::ShowRightsRefusal(std::string_view caption)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(CCommDialog::kNoRightsText);
    request.caption = std::string(caption);
    request.icon = MessageBoxIcon::Warning;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CLaunchView::OnDownloadNet()
{
    constexpr std::uint16_t kNetDownloadRequest = 32;
    CNetDoc* net = services_.NetDocument();
    if (!connected_ || net == nullptr || !MayRequest(kNetDownloadRequest, "Download Net"))
        return;
    {
        CNetDownloadDialog dialog(*net, this);
        transferDialog_ = &dialog;
        (void)dialog.DoModal();
        transferDialog_ = nullptr;
    }
    RebuildHardwarePicture();
}

void CLaunchView::OnUploadNet()
{
    constexpr std::uint16_t kNetUploadRequest = 33;
    if (!connected_) {
        ShowBox("Please connect to the logger before\nuploading the net", "Upload Net");
        return;
    }
    CNetDoc* net = services_.NetDocument();
    if (net == nullptr || !MayRequest(kNetUploadRequest, "Upload Net"))
        return;
    CNetUploadDialog dialog(*net, this);
    transferDialog_ = &dialog;
    (void)dialog.DoModal();
    transferDialog_ = nullptr;
}

void CLaunchView::OnReflashFirmware()
{
    // The logger may take long over a block while it writes its flash.
    constexpr std::uint32_t kReflashRetryTimeMs = 2400;
    if (!connected_ || !MayRequest(kRequestFlashInit, "Reflash Firmware"))
        return;
    std::uint32_t kept = 0;
    if (CxGetRetryTime(kept) != kCxOk)
        kept = 0;
    (void)CxSetRetryTime(kReflashRetryTimeMs);
    {
        CReflashDialog dialog(
            services_.Connection(), hiddenReconnects_, services_.ReflashFiles(), services_.Status(), this);
        reflashDialog_ = &dialog;
        (void)dialog.DoModal();
        reflashDialog_ = nullptr;
    }
    if (kept != 0)
        (void)CxSetRetryTime(kept);
    RebuildHardwarePicture();
}

std::uint32_t CLaunchView::MessageTimeout()
{
    if (messageTimeout_ == kDefaultMessageTimeout)
        messageTimeout_ = services_.Connection().GetMessageTimeout();
    return messageTimeout_;
}

void CLaunchView::OnLoggerDiagnostics()
{
    CDiagnosticLogSettingsDlgQuv dialog(services_.Connection(), services_.DiagnosticLogs(), this);
    dialog.DoModal();
}

void CLaunchView::OnDownloadData()
{
    if (!MayRequest(kSessionListRequest, "Download Data"))
        return;
    if (downloadDialog_ != nullptr) {
        ShowBox("Prior transfer not finished", "Download Data");
        return;
    }
    if (CxSetRetryTime((MessageTimeout() + kDownloadRetryAllowanceMs) & 0x7FFFFFFF) != kCxOk) {
        ShowBox("Unable to begin Data Download due to communication problem", "Data Download");
        return;
    }
    {
        // The dialog's session list and erase replies come to this view.
        CDownloadDlg dialog(services_.Downloads(), Handle(), nullptr);
        const DownloadDialogLinkScope attached = AttachDownloadDialog(dialog);
        downloadKind_ = 1;
        (void)dialog.DoModal();
    }
    // What the download left in the status bar ends with its dialog: the
    // message is emptied and the progress bar goes.
    SetStatusProgress(services_.Status(), "", false);
    (void)CxSetRetryTime(MessageTimeout() & 0xFFFF);
}

void CLaunchView::OnScanCard()
{
    CLaunchDoc* doc = GetLaunchDoc();
    if (doc == nullptr)
        return;
    CFlashCardManager& cards = doc->CardManager();
    cards.ReadDriveSetting();
    cardPresent_ = false;
    cardAnalysed_ = false;
    if (!cards.CheckDrive()) {
        // Without a mount point the card manager has said so already.
        if (!cards.GetDrive().empty()) {
            ShowBox("Drive " + cards.GetDrive()
                    + " is not a removable drive.\n\nUse the \"File | Corvane Settings\" menu\nitem to select the SD "
                      "card drive letter.",
                "", true);
        }
        return;
    }
    if (!cards.IsCardPresent()) {
        ShowBox("A card is not installed in " + cards.GetDrive(), "", true);
        return;
    }
    cardPresent_ = true;
    if (cards.AnalyzeCard()) {
        cardAnalysed_ = true;
        RebuildHardwarePicture();
    }
}

void CLaunchView::OnDownloadCardData()
{
    CLaunchDoc* doc = GetLaunchDoc();
    if (doc == nullptr || !cardPresent_ || !cardAnalysed_)
        return;
    CFlashCardManager& cards = doc->CardManager();
    cards.ReadDriveSetting();
    CDownloadFromCardDialog dialog(services_.Downloads(), cards, this);
    (void)dialog.DoModal();
}

bool CLaunchView::IsPictureCommandEnabled(int commandId)
{
    const CommandState state = QueryCommand(commandId);
    return state.Answered() && state.IsEnabled();
}

void CLaunchView::OnProgramSettings() { services_.ShowProgramSettings(this); }

bool CLaunchView::KeepModeless(std::unique_ptr<Dialog> dialog)
{
    std::erase_if(modelessDialogs_, [this](const std::unique_ptr<Dialog>& kept) {
        if (kept->IsOpen())
            return false;
        if (kept.get() == probeValuesDialog_)
            probeValuesDialog_ = nullptr;
        if (kept.get() == remoteControlsDialog_)
            remoteControlsDialog_ = nullptr;
        return true;
    });
    if (!dialog->Create())
        return false;
    modelessDialogs_.push_back(std::move(dialog));
    return true;
}

void CLaunchView::OnViewProbePoints()
{
    constexpr std::uint16_t kProbePointsRequest = 68;
    if (!connected_ || !MayRequest(kProbePointsRequest, "View Probe Point Values"))
        return;
    auto dialog = std::make_unique<CQuickProbesDialog>(services_.Connection(), services_.Status());
    CQuickProbesDialog* opened = dialog.get();
    if (KeepModeless(std::move(dialog)))
        probeValuesDialog_ = opened;
}

void CLaunchView::OnRemoteControls()
{
    constexpr std::uint16_t kRemoteControlsRequest = 128;
    if (!connected_ || !MayRequest(kRemoteControlsRequest, "Access Remote Controls"))
        return;
    auto dialog = std::make_unique<CRemoteCtrlDialog>(
        services_.Connection(), services_.Status(), services_.VerifyRemoteValues());
    CRemoteCtrlDialog* opened = dialog.get();
    if (KeepModeless(std::move(dialog)))
        remoteControlsDialog_ = opened;
}

void CLaunchView::OpenLastDownloadFile() { services_.OpenLastDownloadFile(); }

bool CLaunchView::NetHasObjects() const
{
    const CNetDoc* net = services_.NetDocument();
    return net != nullptr && net->GetObjectCount() > 0;
}

void CLaunchView::PostMainCommand(int commandId)
{
    if (auto* frame = dynamic_cast<MdiFrame*>(services_.MainWindow()))
        frame->RouteCommand(commandId);
}

void CLaunchView::PostViewCommand(int commandId)
{
    PostMessage(kViewCommandMessage, static_cast<std::uintptr_t>(commandId));
}

void CLaunchView::OnPasswordManagement()
{
    if (passwordsBeingEnabled_)
        return;
    CConnectionDetails& connection = services_.Connection();
    const ConnectionKind kind = connection.GetConnectionKind();
    if (kind != ConnectionKind::Usb && kind != ConnectionKind::Rs232 && !services_.NetworkPasswordWarningAccepted()) {
        if (Ask("For better security, password management should be done via a USB connection.\n\nWould you "
                "prefer to continue with a network connection?",
                "Password management", MessageBoxButtons::YesNo)
            != kIdYes)
            return;
        services_.SetNetworkPasswordWarningAccepted(true);
    }
    if (connection.GetFullAccessFlag()) {
        ShowBox("A password management table will be created in the connected data logger. The first user entered "
                "will have permission to add, modify, and delete entries for additional users. The first user will "
                "also be allowed to disable and re-enable password use.\n\nPlease ensure the first user's "
                "credentials are recorded for future use.",
            "Password Management");
        if (RunUserSelection()) {
            ShowBox("Re-connect to the logger to enable Password Management.", "Password Management");
            Reconnect(1);
            ShowConnectDialog();
        }
        return;
    }
    if (!connection.IsRightsLoaded()) {
        if (Ask("Passwords are currently disabled.\n\nWould you like to enable them?\n\nYou will be required to "
                "log in once enabled.",
                "Enable Passwords", MessageBoxButtons::YesNoCancel)
            != kIdYes)
            return;
        const PassManArguments on = LoggerUserTable::SwitchArguments(true);
        if (CxPassMan(Handle(), on.operation, on.subCode, "", "", 0, 0) != 0) {
            ShowBox("Problem Enabling Passwords", "Communication Error");
            return;
        }
        passwordsBeingEnabled_ = true;
        return;
    }
    if (connection.IsRequestAllowed(kPasswordManagementRequest)) {
        if (RunUserSelection()) {
            RebuildHardwarePicture();
            if (CLaunchDoc* doc = GetLaunchDoc())
                doc->UpdateAllViews(nullptr);
        }
        return;
    }
    OnChangePassword();
}

bool CLaunchView::RunUserSelection()
{
    CUserSelectionDialog dialog(services_.Connection(), services_.Status(), this);
    dialog.SetDisconnect([this] { Reconnect(1); });
    (void)dialog.DoModal();
    return dialog.Changed();
}

void CLaunchView::OnChangePassword()
{
    CConnectionDetails& connection = services_.Connection();
    if (!connection.IsRightsLoaded())
        return;
    if (connection.IsLoggerEnabled()) {
        ShowBox("Passwords cannot be changed while the Logger is enabled.\n\nPlease stop the Logger before changing "
                "passwords.",
            "Unable to Change Password");
        return;
    }
    CChangePasswordDialog dialog(connection, services_.Status(), this);
    (void)dialog.DoModal();
}

void CLaunchView::OnPasswordsEnabledReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        char head[80];
        std::snprintf(head, sizeof head, "A problem (Error code %d) was encountered while enabling passwords\n\n",
            static_cast<int>(reply.Code()));
        ShowBox(std::string(head) + "Error Text: '" + ReplyErrorText(reply) + "'", "Enable Passwords");
    }
    if (!passwordsBeingEnabled_)
        return;
    passwordsBeingEnabled_ = false;
    CConnectionDetails& connection = services_.Connection();
    connection.SetRightsLoaded(true);
    connection.SetAuthenticated(false);
    PostMessage(kReconnectRequestMessage);
}

void CLaunchView::OnInitialUpdate()
{
    CCorvaneView::OnInitialUpdate();
    SetScrollSizes(kInitialScrollSize);
    UseCtrlTool();
    RebuildHardwarePicture();
    CxSetLoggingFlags(ReadDword(services_.Settings(), "CommTrace") != 0 ? -1 : 0);
}

void CLaunchView::OnActivateView(bool activate, View* activated, View* deactivated)
{
    UseCtrlTool();
    CCorvaneView::OnActivateView(activate, activated, deactivated);
}

void CLaunchView::OnSize(Size clientSize)
{
    CCorvaneView::OnSize(clientSize);
    // The picture never scrolls.
    SetScrollSizes(clientSize);
}

std::intptr_t CLaunchView::OnMessage(Message& message)
{
    if (message.id == kReplyMessage) {
        // A reply without data is still an answer (an erase reply has none).
        if (auto reply = message.TakePayload<CReplyMessage>())
            OnCommReply(*reply);
        return 0;
    }
    if (message.id == kTimeoutMessage) {
        OnCommTimeout(static_cast<std::uint16_t>(message.wParam));
        return 0;
    }
    if (message.id == kReconnectRequestMessage) {
        Reconnect(1);
        return 0;
    }
    if (message.id == kViewCommandMessage) {
        // A command posted by the picture runs only while it is enabled.
        const int command = static_cast<int>(message.wParam);
        if (IsPictureCommandEnabled(command))
            (void)HandleCommand(command);
        return 0;
    }
    if (message.id == kRunStateForClockMessage) {
        OnRunStateForClock(message.wParam);
        return 0;
    }
    return CCorvaneView::OnMessage(message);
}

void CLaunchView::OnCommReply(const CReplyMessage& reply)
{
    const bool failed = reply.ErrorFlag();
    switch (reply.RequestType()) {
    case kStateRequest:
        if (failed)
            ShowCommError(Handle(), reply.Code(), ReplyErrorText(reply));
        else
            OnStateReply(reply);
        break;
    case kLoginRequest:
        if (failed)
            ShowCommError(Handle(), reply.Code(), ReplyErrorText(reply));
        break;
    case kPasswordManagementRequest: OnPasswordsEnabledReply(reply); break;
    case kPasswordSetRequest:
        if (failed) {
            passwordsBeingEnabled_ = false;
            OnPasswordsEnabledReply(reply);
        } else if (passwordsBeingEnabled_) {
            OnPasswordsEnabledReply(reply);
        }
        break;
    case kRunRequest: OnRunReply(reply); break;
    case kNetInitRequest:
        if (failed) {
            char head[48];
            std::snprintf(
                head, sizeof head, "Error (0x%04X) while Initializing Net.\n\n", static_cast<unsigned>(reply.Code()));
            ShowBox(head + ReplyErrorText(reply), "Net Initialization Failed");
            SetStatusProgress(services_.Status(), "Logger not enabled", false);
        }
        break;
    case kSessionListRequest:
        if (failed) {
            ShowCommError(Handle(), reply.Code(), ReplyErrorText(reply));
            OnDownloadFinished();
        } else {
            OnSessionListReply(reply);
        }
        break;
    case kEraseAllRequest:
    case kEraseSessionRequest: OnEraseReply(reply); break;
    case kPingRequest:
        if (failed)
            ShowBox("Error while processing ping request.", "Unable to process ping request");
        break;
    case kGetRunStateRequest:
        // The error flag is not looked at: the run state decides.
        if (reply.DataLength() >= 2) {
            ByteReader reader(reply.Data());
            PostMessage(kRunStateForClockMessage, reader.U16LE("run state"));
        }
        break;
    default: break;
    }
}

void CLaunchView::OnStateReply(const CReplyMessage& reply)
{
    if (reply.DataLength() < kStateBlockSize)
        return;
    ByteReader reader(reply.Data());
    reader.Seek(kStatusOffset, "status word");
    const std::uint32_t status = reader.U32LE("status word");
    reader.Seek(kDaylightFlagsOffset, "daylight-saving flags");
    const std::uint16_t daylight = reader.U16LE("daylight-saving flags");
    const std::uint16_t zone = reader.U16LE("time-zone offset");
    reader.Seek(kMemorySizeOffset, "memory size");
    const std::uint32_t memoryKb = reader.U32LE("memory size");
    reader.Seek(kMemoryUsedOffset, "memory in use");
    const std::uint32_t memoryUsedKb = reader.U32LE("memory in use");
    services_.TimeZone().SetLoggerTimeZone(ZoneOffsetFromField(zone), daylight);
    services_.SetLoggerStateWords(status, memoryKb, memoryUsedKb);
    const bool enabled = (status & kLoggingEnabledBit) != 0;
    runState_ = enabled ? kRunEnabled : kRunStopped;
    services_.Connection().SetLoggerEnabled(enabled);
    if (enableStep_ != 0)
        return;
    if (runState_ == kRunEnabled) {
        SetStatusProgress(services_.Status(), "Logger Enabled", false);
        ShowBox("Logger is already enabled", "Enable Logger");
        requestedRunChange_ = 0;
        enableStep_ = 6;
    } else {
        enableStep_ = 1;
        EnableLoggingStep();
    }
}

void CLaunchView::OnSessionListReply(const CReplyMessage& reply)
{
    if (downloadDialog_ == nullptr) {
        OnDownloadFinished();
        return;
    }
    // Non-zero: the next block of the list was asked for.
    if (downloadDialog_->ParseSessionList(reply) != 0)
        return;
    if (downloadDialog_->SessionLineCount() == 0)
        ShowBox("There is no data to download", "Data Download");
    OnDownloadFinished();
}

void CLaunchView::OnEraseReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        ShowBox("Error while attempting to clear memory.", "Unable to clear memory");
        // An enable waiting for this erase does not go on.
        if (enableStep_ == 2) {
            enableStep_ = 6;
            SetStatusProgress(services_.Status(), "Logger Not Enabled", false);
        }
        if (downloadDialog_ != nullptr) {
            downloadDialog_->ClearErasePending();
            downloadDialog_->EndDownload(true);
        }
        return;
    }
    if (enableStep_ == 2) {
        // Logging starts once the memory is erased.
        enableStep_ = 4;
        EnableLoggingStep();
        return;
    }
    if (downloadDialog_ != nullptr)
        downloadDialog_->ClearErasePending();
}

void CLaunchView::OnDownloadFinished()
{
    if (downloadDialog_ == nullptr) {
        SetStatusProgress(services_.Status(), "", false);
    } else {
        downloadDialog_->CancelIfNoSessions(false);
        downloadDialog_->SetBusy(false, "Session List Retrieved");
    }
    downloadKind_ = 0;
}

void CLaunchView::OnCommTimeout(std::uint16_t requestType)
{
    // A session download under way keeps its controls: it ends on its own
    // watchdog, and a second run must not start beside it.
    if (downloadDialog_ != nullptr && !downloadDialog_->IsTransferring())
        downloadDialog_->SetBusy(false, "Data DL Timeout");
    // Switching passwords on went unanswered: Password Management works again.
    if (requestType == kPasswordManagementRequest)
        passwordsBeingEnabled_ = false;
    switch (requestType) {
    case kLoginRequest: ShowBox("Unable to complete login request", "Communication error", true); break;
    case kRunRequest:
    case kNetInitRequest: SetStatusProgress(services_.Status(), "Timeout: Logger not enabled", false); break;
    case kPasswordSetRequest:
        passwordsBeingEnabled_ = false;
        ShowBox("A timeout was encountered while enabling passwords", "Enable Passwords");
        break;
    case kRunStateRequest: break;
    case kSessionListRequest:
        ShowBox("Unable to complete data download", "Communication error", true);
        if (downloadDialog_ != nullptr)
            downloadDialog_->EndDownload(true);
        break;
    case kEraseAllRequest:
    case kEraseSessionRequest:
        ShowBox("Unable to complete requested command", "Communication error", true);
        if (downloadDialog_ != nullptr) {
            downloadDialog_->ClearErasePending();
            downloadDialog_->EndDownload(true);
        }
        break;
    default:
        SetStatusProgress(services_.Status(), "Timeout", false);
        ShowBox("*** Timeout ***\n\nMessageType : " + std::to_string(requestType), "Communication Timeout", true);
        break;
    }
    ShowProgress(services_.Status(), 0);
    runState_ = kRunUnknown;
}

void CLaunchView::ShowBox(std::string text, std::string caption, bool stopIcon)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::move(text);
    request.caption = std::move(caption);
    request.icon = stopIcon ? MessageBoxIcon::Error : MessageBoxIcon::None;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

int CLaunchView::Ask(std::string text, std::string caption, MessageBoxButtons buttons)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::move(text);
    request.caption = std::move(caption);
    request.buttons = buttons;
    return Application::Instance().Prompts().ShowMessageBox(request);
}

void CLaunchView::OnViewLoggerStatus()
{
    if (!connected_)
        return;
    if (!services_.Connection().HasRights(kGetStatusRight, 0)) {
        ShowRightsRefusal("View Logger Status");
        return;
    }
    CStatusDialog dialog(services_, this);
    loggerDialog_ = &dialog;
    (void)dialog.DoModal();
    loggerDialog_ = nullptr;
}

void CLaunchView::OnEnableLogging()
{
    if (!connected_ || !MayRequest(kRunRequest, "Enable Logger"))
        return;
    KillTimer(kEnableRetryTimerId);
    enableStep_ = 0;
    enableOption_ = 0;
    enableRetries_ = 0;
    EnableLoggingStep();
}

void CLaunchView::OnStopLogging()
{
    if (!connected_ || !MayRequest(kRunRequest, "Stop Logger"))
        return;
    MessageBoxRequest question;
    question.owner = Handle();
    question.text = "Stop Logger?";
    question.caption = "Stop Logger";
    question.buttons = MessageBoxButtons::YesNo;
    if (Application::Instance().Prompts().ShowMessageBox(question) != kIdYes)
        return;
    requestedRunChange_ = 2;
    if (CxRun(Handle(), 0, 0) != kCxOk)
        ShowBox("Unable to stop Logger", "Communication Error");
}

void CLaunchView::EnableLoggingStep()
{
    int result = kCxOk;
    switch (enableStep_) {
    case 0:
        SetStatusMessage(services_.Status(), "Checking Enable Status...");
        result = CxStateGet(Handle());
        break;
    case 1: {
        const std::uint32_t status = services_.LoggerStatusWord();
        if ((status & kCardInstalledBit) != 0 || (status & kInternalMemoryBit) == 0) {
            MessageBoxRequest question;
            question.owner = Handle();
            question.text = "Enable Logger?";
            question.caption = "Enable Logger";
            question.buttons = MessageBoxButtons::YesNo;
            if (Application::Instance().Prompts().ShowMessageBox(question) != kIdYes)
                return;
            enableStep_ = 4;
            EnableLoggingStep();
            return;
        }
        CEnableIntMem dialog(services_.LoggerMemoryKb(), services_.LoggerMemoryUsedKb(), this);
        loggerDialog_ = &dialog;
        (void)dialog.DoModal();
        loggerDialog_ = nullptr;
        if (dialog.GetChoice() == CEnableIntMem::kAppend) {
            enableOption_ = 1;
            enableStep_ = 4;
            EnableLoggingStep();
            return;
        }
        if (dialog.GetChoice() != CEnableIntMem::kErase)
            return;
        enableOption_ = 1;
        enableStep_ = 2;
        result = CxEraseAll(Handle());
        break;
    }
    case 2:
    case 3: break;
    case 4:
        RunProgressAnimation(services_.Status(), true);
        SetStatusMessage(services_.Status(), "Enabling Logger...");
        result = CxRun(Handle(), 1, enableOption_);
        break;
    case 5:
        SetStatusProgress(services_.Status(), "Logger Enabled", false);
        SetProgressRange(services_.Status(), 10);
        services_.Connection().SetLoggerEnabled(true);
        break;
    case 6:
        SetStatusProgress(services_.Status(), "Logger Not Enabled", false);
        SetProgressRange(services_.Status(), 10);
        break;
    default: break;
    }
    if (result != kCxOk)
        FailEnable(result);
}

void CLaunchView::FailEnable(int result)
{
    KillTimer(kEnableRetryTimerId);
    SetStatusProgress(services_.Status(), "Logger Not Enabled", false);
    ShowProgress(services_.Status(), 0);
    enableStep_ = 6;
    ShowBox(
        result == 1 ? "Please connect to the logger first" : "Unknown Problem Encountered", "Problem Enabling Logger");
}

void CLaunchView::OnRunReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        if (reply.Code() == kCardScanInProgress) {
            ShowBox("Session cannot be started since scan of SD card is in progress.\nPlease wait a few seconds and "
                    "try again.",
                "SD Card scan");
        } else {
            ShowCommError(Handle(), reply.Code(), ReplyErrorText(reply));
        }
        SetStatusProgress(services_.Status(), "Logger not enabled", false);
        if (enableStep_ == 4)
            enableStep_ = 6;
        requestedRunChange_ = 0;
        return;
    }
    std::optional<std::uint16_t> answer;
    if (reply.DataLength() == 2) {
        ByteReader reader(reply.Data());
        answer = reader.U16LE("run answer");
    } else if (reply.DataLength() != 0) {
        return;
    }
    if (answer == kRunBusy) {
        // The logger is busy: the same request again after a pause, a
        // bounded number of times.
        if (++enableRetries_ > kMostEnableRetries) {
            FailEnable(-1);
            return;
        }
        SetTimer(kEnableRetryTimerId, kEnableRetryPauseMs);
        return;
    }
    if (answer.has_value() && *answer != kRunDone)
        return;
    if (enableStep_ == 4) {
        runState_ = kRunEnabled;
        enableStep_ = 5;
        EnableLoggingStep();
        return;
    }
    std::string_view text;
    if (requestedRunChange_ == 1) {
        text = "Logger Enabled";
        runState_ = kRunEnabled;
        services_.Connection().SetLoggerEnabled(true);
    } else if (requestedRunChange_ == 2) {
        text = "Logger Stopped";
        runState_ = kRunStopped;
        services_.Connection().SetLoggerEnabled(false);
    }
    requestedRunChange_ = 0;
    SetStatusProgress(services_.Status(), text, false);
    SetProgressRange(services_.Status(), 10);
}

void CLaunchView::OnSetLoggerTime()
{
    if (!connected_)
        return;
    (void)CxGetRunState(Handle());
}

void CLaunchView::OnRunStateForClock(std::uintptr_t runState)
{
    CLoggerTimeDlg dialog(
        services_.Connection(), services_.TimeZone(), services_.Status(), hiddenReconnects_, usbLinkCheck_, this);
    if (runState != 0) {
        MessageBoxRequest request;
        request.owner = Handle();
        request.text = "The clock time cannot be updated while the logger is enabled\nsince it may disrupt the "
                       "behavior of program net timing icons.\n\nClick OK to show the current logger time and clock "
                       "settings.";
        request.buttons = MessageBoxButtons::OkCancel;
        if (Application::Instance().Prompts().ShowMessageBox(request) != kIdOk)
            return;
        dialog.SetReadOnly(true);
    }
    // A reset after an Internet time change that did not bring the logger
    // back leaves the picture to show the connection as it is.
    loggerDialog_ = &dialog;
    const int end = dialog.DoModal();
    loggerDialog_ = nullptr;
    if (end == kIdAbort)
        RebuildHardwarePicture();
}

void CLaunchView::OnResetLogger()
{
    if (!connected_)
        return;
    CResetLoggerDialog dialog(services_.Connection(), hiddenReconnects_, usbLinkCheck_, this);
    loggerDialog_ = &dialog;
    const int end = dialog.DoModal();
    loggerDialog_ = nullptr;
    if (end == kIdAbort)
        RebuildHardwarePicture();
}

}  // namespace corvane
