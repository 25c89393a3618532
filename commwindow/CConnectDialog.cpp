#include "commwindow/CConnectDialog.h"

#include "base/Cp1252.h"
#include "base/LoggerClock.h"
#include "base/LoggerTimeZone.h"
#include "comms/CConnectionDetails.h"
#include "comms/ConnectionKind.h"
#include "comms/ProgramVersion.h"
#include "comms/SerialPortNames.h"
#include "commwindow/CConnectionSettingsDlg.h"
#include "commwindow/CUserLoginDialog.h"
#include "commwindow/CommWindowHooks.h"
#include "commwindow/CommWindowServices.h"
#include "commwindow/ConnectReplies.h"
#include "halvix/HalvixLib.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ButtonControl.h"
#include "platform/Clock.h"
#include "platform/ImageList.h"
#include "platform/ListViewControl.h"
#include "platform/PromptNoticeSink.h"
#include "platform/PromptSink.h"
#include "platform/SettingsStore.h"
#include "res/ConnectDialog.h"
#include "res/ResourceIds.h"
#include "shell/StatusHelpers.h"
#include "shell/Waits.h"

#include <cstdio>
#include <utility>

namespace corvane {
namespace {

// Connection kinds as "dir.bin" stores them.
constexpr int kEthernet = static_cast<int>(ConnectionKind::Ethernet);
constexpr int kWiFi = static_cast<int>(ConnectionKind::WiFi);
constexpr int kCellular = static_cast<int>(ConnectionKind::Cellular);
constexpr int kUsb = static_cast<int>(ConnectionKind::Usb);
constexpr int kRs232 = static_cast<int>(ConnectionKind::Rs232);

constexpr std::string_view kSettingsKey = "Software\\Tarnwick\\Corvane";
constexpr std::string_view kAdminKey = "Software\\Tarnwick\\Corvane\\Admin";
constexpr std::uint32_t kDestroyProgressMessage = 0x8196;
// Help topics are numbered after their dialog.
constexpr std::uint32_t kHelpContext = 0x20000 + res::kDialogConnect;
constexpr std::uint32_t kDefaultSocketTimeoutMs = 5000;
constexpr std::uint32_t kSerialBaudRate = 115200;
constexpr int kMaxRetries = 2;
constexpr int kCommsStatusPolls = 5000;

// List columns.
constexpr int kNameColumn = 0;
constexpr int kTypeColumn = 1;
constexpr int kDetailsColumn = 2;
constexpr int kImageSize = 18;
// The pictures of the connection kinds, by kind.
constexpr std::array<int, 5> kKindPictures = {res::kBitmapConnectEthernet, res::kBitmapConnectWifi,
    res::kBitmapConnectCellular, res::kBitmapUsbLogger, res::kBitmapConnectSerial};

std::uint32_t ReadDword(
    const SettingsStore& settings, std::string_view name, std::uint32_t fallback, std::string_view key = kSettingsKey)
{
    const auto value = settings.GetValue(key, name);
    if (value && value->AsDword() != nullptr)
        return *value->AsDword();
    return fallback;
}

}  // namespace

CConnectDialog::CConnectDialog(
    CommWindowServices& services, CommWindowHooks* hooks, bool openedWhileConnected, Window* parent)
    : CCommDialog(res::kConnectDialog, services.Connection(), parent), services_(services), hooks_(hooks),
      openedWhileConnected_(openedWhileConnected),
      usb_(services.UsbDeviceRoot(), services.DeviceFolder(), InstalledHalvixLibrary())
{
    for (int id : {res::kIdcConnectAdd, res::kIdcConnectEdit, res::kIdcConnectDelete, res::kIdcConnectNow,
             res::kIdcConnectDisconnect, res::kIdcConnectShowAll})
        On(Notification::Clicked, id, [this, id](NotifyEvent&) { RunCommand(id); });
    On(Notification::DoubleClicked, res::kIdcConnectList, [this](NotifyEvent&) { OnListDoubleClick(); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpContext); });
}

CConnectDialog::~CConnectDialog()
{
    if (timerRunning_)
        KillTimer(kTimerId);
}

std::intptr_t CConnectDialog::OnMessage(Message& message)
{
    if (message.id == kConnectNowMessage) {
        // The disconnect routine's waits let messages through; a connect
        // taken there would open the link the routine is about to close,
        // so it runs when the routine has ended.
        if (disconnecting_)
            deferredConnect_ = message.wParam != 0;
        else
            OnConnectNow(message.wParam != 0);
        return 0;
    }
    if (message.id == kCommandMessage) {
        RunCommand(static_cast<int>(message.wParam));
        return 0;
    }
    if (message.id == kTimerMessage && message.wParam == kTimerId) {
        OnTimer();
        return 0;
    }
    return CCommDialog::OnMessage(message);
}

void CConnectDialog::RunCommand(int controlId)
{
    switch (controlId) {
    case res::kIdcConnectAdd: OnAddConnection(); break;
    case res::kIdcConnectEdit: OnEditConnection(); break;
    case res::kIdcConnectDelete: OnDeleteConnection(); break;
    case res::kIdcConnectNow: OnConnectNow(false); break;
    case res::kIdcConnectDisconnect: OnDisconnect(); break;
    case res::kIdcConnectShowAll:
        if (auto* box = GetControlAs<ButtonControl>(res::kIdcConnectShowAll))
            showAll_ = box->GetCheck() != 0;
        FillList();
        break;
    case kIdOk: OnOK(); break;
    default: break;
    }
}

ListViewControl& CConnectDialog::List() const { return *GetControlAs<ListViewControl>(res::kIdcConnectList); }

bool CConnectDialog::OnInitDialog()
{
    const bool result = CCommDialog::OnInitDialog();
    SetButtons(!openedWhileConnected_, openedWhileConnected_, true);
    ListViewControl& list = List();
    list.InsertColumn(kNameColumn, "Logger Name", 176);
    list.InsertColumn(kTypeColumn, "Connection Type", 120);
    // Wide enough for a USB logger's port and its longest serial number.
    list.InsertColumn(kDetailsColumn, "Connection Details", 260);
    ImageList images(kImageSize, kImageSize);
    for (int picture : kKindPictures)
        images.Add(Application::Instance().Bitmaps().Get(picture, {kImageSize, kImageSize}));
    list.SetImageList(images);
    LoadDirectory();
    FillList();
    // The last connection's row; row 0 when it is not listed (or none was used).
    const int row = FindListRow(directory_.LastConnection());
    SelectRow(row >= 0 ? row : 0);
    list.SetFocus();
    return result;
}

void CConnectDialog::OnOK()
{
    SaveDirectory();
    List().DeleteAllItems();
    directory_ = ConnectionDirectory();
    EndDialog(kIdOk);
}

std::string_view CConnectDialog::GetKindName(int kind)
{
    switch (kind) {
    case kEthernet: return "Ethernet";
    case kWiFi: return "WiFi";
    case kCellular: return "Cellular";
    case kUsb: return "USB";
    case kRs232: return "RS-232";
    default: return "Unknown";
    }
}

std::string CConnectDialog::GetDetailsText(const OM_DIRECTORY_ENTRY& entry) const
{
    char text[400];
    switch (entry.kind) {
    case kUsb: {
        _usbInfoStruct device;
        if (!usb_.FindEntry(entry.usbPortName, device))
            return "Unknown";
        if (device.active == 0)
            return "Virtual Com: Unconnected";
        std::snprintf(text, sizeof text, "Virtual %s    SN %s", device.portName.c_str(), device.instanceName.c_str());
        return text;
    }
    case kRs232: {
        // Serial ports are shown by their device's name where one has the index.
        SerialPortNames ports(services_.DeviceFolder());
        ports.Scan();
        std::string name = ports.NameForComIndex(entry.comIndex);
        if (name.empty()) {
            std::snprintf(text, sizeof text, "COM%d", entry.comIndex + 1);
            name = text;
        }
        std::snprintf(text, sizeof text, "%s  %u bps", name.c_str(), kSerialBaudRate);
        return text;
    }
    case kEthernet:
    case kWiFi:
    case kCellular: std::snprintf(text, sizeof text, "%s:%d", entry.address.c_str(), entry.ipPort); return text;
    default: return {};
    }
}

int CConnectDialog::FindListRow(std::string_view name) const
{
    const ListViewControl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, kNameColumn) == name)
            return row;
    return -1;
}

bool CConnectDialog::LoadDirectory()
{
    const DirectoryRead read = directory_.Load(services_.DirectoryFile());
    if (read.status == DirectoryReadStatus::Obsolete)
        ShowBox("The logger directory file is obsolete. Your directory file has\nbeen deleted. You will need to "
                "rebuild your logger directory.\n",
            "Problem reading file", false);
    return read.status == DirectoryReadStatus::Read && !directory_.Entries().empty();
}

bool CConnectDialog::SaveDirectory()
{
    if (directory_.Save(services_.DirectoryFile())) {
        ShowBox("dir.bin File Could Not be Opened", "Problem writing file", false);
        return false;
    }
    return true;
}

void CConnectDialog::FillList()
{
    ListViewControl& list = List();
    list.DeleteAllItems();
    usb_.Scan();
    const bool any = !directory_.Entries().empty();
    GetControl(res::kIdcConnectEdit)->Enable(any);
    GetControl(res::kIdcConnectDelete)->Enable(any);
    for (const OM_DIRECTORY_ENTRY& entry : directory_.Entries()) {
        if (entry.kind == kUsb && !showAll_ && !usb_.IsPortActive(entry.usbPortName))
            continue;
        const bool knownKind = entry.kind >= 0 && entry.kind < static_cast<int>(kKindPictures.size());
        const int row = list.InsertItem(list.GetItemCount(), entry.name, knownKind ? entry.kind : -1);
        list.SetItemText(row, kTypeColumn, GetKindName(entry.kind));
        list.SetItemText(row, kDetailsColumn, GetDetailsText(entry));
    }
}

void CConnectDialog::SelectRow(int row)
{
    ListViewControl& list = List();
    if (row < 0 || row >= list.GetItemCount())
        return;
    list.SetItemSelected(row);
    list.EnsureVisible(row);
}

void CConnectDialog::SetButtons(bool connect, bool disconnect, bool close)
{
    GetControl(res::kIdcConnectNow)->Enable(connect);
    GetControl(res::kIdcConnectDisconnect)->Enable(disconnect);
    GetControl(kIdOk)->Enable(close);
}

bool CConnectDialog::EditInSettingsDialog(OM_DIRECTORY_ENTRY& entry)
{
    SerialPortNames serialPorts(services_.DeviceFolder());
    serialPorts.Scan();
    const bool showProduction = ReadDword(services_.Settings(), "ShowProduction", 0, kAdminKey) != 0;
    CConnectionSettingsDlg settings(entry, usb_, serialPorts, showProduction, this);
    return settings.DoModal() == kIdOk;
}

void CConnectDialog::OnAddConnection()
{
    OM_DIRECTORY_ENTRY entry;
    if (!EditInSettingsDialog(entry))
        return;
    if (directory_.EntryExists(entry.name)) {
        ShowBox("An entry with that name already exists", "Configuration Error", true);
        PostMessage(kCommandMessage, res::kIdcConnectAdd);
        return;
    }
    const std::string name = entry.name;
    directory_.Append(std::move(entry));
    SaveDirectory();
    FillList();
    SelectRow(FindListRow(name));
}

void CConnectDialog::OnEditConnection()
{
    const int row = List().GetSelectedItem();
    if (row < 0)
        return;
    const std::string name = List().GetItemText(row, kNameColumn);
    const auto original = directory_.GetEntry(name);
    if (!original)
        return;
    directory_.RemoveEntry(name);
    OM_DIRECTORY_ENTRY edited = *original;
    const bool accepted = EditInSettingsDialog(edited);
    const bool refused = accepted && directory_.EntryExists(edited.name);
    // The edited entry moves to the end of the list; a refused or cancelled
    // edit puts the entry back as it was.
    directory_.Append(accepted && !refused ? edited : *original);
    SaveDirectory();
    FillList();
    if (refused) {
        ShowBox("An entry with that name already exists", "Communications Error", true);
        // Edit again, on the entry as it was.
        SelectRow(FindListRow(original->name));
        PostMessage(kCommandMessage, res::kIdcConnectEdit);
        return;
    }
    SelectRow(FindListRow(accepted ? edited.name : original->name));
}

void CConnectDialog::OnDeleteConnection()
{
    const int row = List().GetSelectedItem();
    if (row < 0)
        return;
    const std::string name = List().GetItemText(row, kNameColumn);
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = "Are you sure you want to permanently delete\nthe following connection:\n\n '" + name + "' ?";
    request.caption = "Delete Connection";
    request.buttons = MessageBoxButtons::YesNo;
    if (Application::Instance().Prompts().ShowMessageBox(request) != kIdYes)
        return;
    directory_.RemoveEntry(name);
    // Kept at once, so that the deletion holds however the dialog closes.
    SaveDirectory();
    FillList();
}

void CConnectDialog::OnListDoubleClick()
{
    if (openedWhileConnected_)
        OnDisconnect();
    OnConnectNow(false);
}

std::uint64_t CConnectDialog::NowSeconds() const { return Application::Instance().GetClock().NowMilliseconds() / 1000; }

void CConnectDialog::ShowBox(std::string text, std::string_view caption, bool stopIcon)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::move(text);
    request.caption = std::string(caption);
    request.icon = stopIcon ? MessageBoxIcon::Error : MessageBoxIcon::Warning;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

void CConnectDialog::OnConnectNow(bool waitForLogger)
{
    const std::uint64_t startSeconds = NowSeconds();
    services_.SetNetworkPasswordWarningAccepted(false);
    const int row = List().GetSelectedItem();
    if (row < 0) {
        ShowBox(
            "No logger is selected.\n\nPlease select a logger from the list and retry.", "Unable to connect", false);
        handshake_.SetResult(-1);
        return;
    }
    SetButtons(false, true, false);
    const auto entry = directory_.GetEntry(List().GetItemText(row, kNameColumn));
    if (!entry) {
        OnDisconnect();
        handshake_.SetResult(-1);
        return;
    }
    kind_ = entry->kind;
    directory_.SetLastConnection(entry->name);
    (void)services_.Settings().SetValue(
        kSettingsKey, "LastCommType", SettingsValue::Dword(static_cast<std::uint32_t>(kind_)));
    if (hooks_ != nullptr)
        hooks_->SetCommType(kind_);
    SetStatusProgress(services_.Status(), "Initializing Communications...", true);
    Connection().SetConnectionKind(static_cast<ConnectionKind>(kind_));
    Connection().LoadMessageTimeout();
    handshake_.SetResult(0);

    if (!OpenLink(*entry, waitForLogger, startSeconds))
        return;

    SetStatusMessage(services_.Status(), "Connecting...");
    for (int poll = 0; poll < kCommsStatusPolls && (CxGetCommsStatus() & kCommsBusy) != 0; ++poll)
        WaitMilliseconds(1);

    SetStatusMessage(services_.Status(), "Pinging...");
    const int ping = CxPing(Handle(), "Connect Ping");
    if (ping != kCxOk) {
        OnConnectFailed();
        if (ping == kCxCommError)
            ShowBox("CxPing function returned OM_COMM_ERROR", "Communications Error", true);
        else if (ping == kCxUninitialized)
            ShowBox("CxPing function returned OM_COMM_UNINITIALIZED", "Communications Error", true);
    }
    // Armed also after a failed ping, so no earlier chain goes on; no reply
    // comes then, and the connect has failed, which a dialog waiting for
    // the logger to come back reads as -1.
    handshake_.Start();
    if (ping != kCxOk)
        handshake_.SetResult(-1);
    if (!timerRunning_)
        timerRunning_ = SetTimer(kTimerId, kTimerIntervalMs);
}

bool CConnectDialog::OpenLink(const OM_DIRECTORY_ENTRY& entry, bool waitForLogger, std::uint64_t startSeconds)
{
    const std::uint32_t timeout = Connection().GetMessageTimeout();
    switch (entry.kind) {
    case kUsb: {
        usb_.Scan();
        int index = usb_.FindActivePort(entry.usbPortName);
        while (index < 0 && waitForLogger && NowSeconds() - startSeconds <= kWaitForLoggerSeconds) {
            WaitMilliseconds(1000);
            usb_.Scan();
            index = usb_.FindActivePort(entry.usbPortName);
        }
        if (index < 0) {
            LinkFailed("The selected logger does not appear to be connected");
            return false;
        }
        const int port = usb_.GetPortNumber(index);
        usb_.SetComPort(port);
        CxSetComPort(port);
        CxSetCommunicationType(kCommTypeSerial);
        WaitMilliseconds(100);
        if (CxLoggerConnect(1) != kCxOk) {
            LinkFailed("Error Opening Port");
            return false;
        }
        WaitMilliseconds(200);
        CxSetRetryTime(timeout & 0xFFFF);
        CxSetMaxRetries(kMaxRetries);
        return true;
    }
    case kRs232: {
        const int port = entry.comIndex + 1;
        CxSetComPort(port);
        SerialPortNames ports(services_.DeviceFolder());
        ports.Scan();
        if (HalvixLibrary* library = InstalledHalvixLibrary())
            (void)ports.Register(entry.comIndex, *library);
        SerialSettings line;
        line.baudRate = kSerialBaudRate;
        if (CxSetSerialDCB(line) != kCxOk) {
            LinkFailed("CxSetSerialDCB Failed", "Communication Error", false);
            return false;
        }
        CxSetCommunicationType(kCommTypeSerial);
        if (CxLoggerConnect(1) != kCxOk) {
            LinkFailed("Error Opening Port");
            return false;
        }
        WaitMilliseconds(100);
        CxSetRetryTime(timeout & 0xFFFF);
        CxSetMaxRetries(kMaxRetries);
        return true;
    }
    case kEthernet:
    case kWiFi:
    case kCellular: {
        if (CxSetNetworkServer(entry.address, static_cast<std::uint16_t>(entry.ipPort)) != kCxOk) {
            LinkFailed("CxSetNetworkServer Failed");
            return false;
        }
        CxSetCommunicationType(kCommTypeNetwork);
        CxSetSocketConnectTimeout(ReadDword(services_.Settings(), "SocketTimeout", kDefaultSocketTimeoutMs));
        CxSetRetryTime(timeout & 0xFFFF);
        CxSetMaxRetries(kMaxRetries);
        WaitMilliseconds(100);
        while (CxLoggerConnect(1) != kCxOk) {
            OnDisconnect();
            if (!waitForLogger || NowSeconds() - startSeconds >= kWaitForLoggerSeconds) {
                LinkFailed("Can't connect to network logger");
                return false;
            }
        }
        return true;
    }
    default: return true;
    }
}

void CConnectDialog::LinkFailed(std::string_view text, std::string_view caption, bool stopIcon)
{
    OnDisconnect();
    ShowBox(std::string(text), caption, stopIcon);
    handshake_.SetResult(-1);
}

void CConnectDialog::OnTimer()
{
    const ConnectHandshake::Step step = handshake_.OnTimer();
    switch (step.kind) {
    case ConnectHandshake::Step::Kind::Send: SendHandshakeRequest(step); break;
    case ConnectHandshake::Step::Kind::CheckPasswords: CheckPasswords(); break;
    case ConnectHandshake::Step::Kind::Failed: OnDisconnect(); break;
    case ConnectHandshake::Step::Kind::Succeeded:
    case ConnectHandshake::Step::Kind::None: break;
    }
}

void CConnectDialog::SendHandshakeRequest(const ConnectHandshake::Step& step)
{
    int sent = kCxBadArgument;
    switch (step.requestType) {
    case kRequestMsgTimeout: sent = CxMsgTimeout(Handle()); break;
    case kRequestPwStatus: sent = CxPwStatus(Handle()); break;
    case kRequestRtStreamReq: sent = CxRtStreamReq(Handle(), 0); break;
    case kRequestCfGet: sent = CxCfGet(Handle(), step.configKey); break;
    case kRequestStateGet: sent = CxStateGet(Handle()); break;
    default: break;
    }
    handshake_.RequestQueued(sent == kCxOk);
}

void CConnectDialog::CheckPasswords()
{
    CConnectionDetails& connection = Connection();
    const bool passwordsOn = passwordStatus_[0] != 0;
    const bool fullAccess = passwordStatus_[1] != 0;
    connection.SetFullAccessFlag(fullAccess);
    bool userAllowed = true;
    if (!passwordsOn || fullAccess) {
        connection.SetRightsLoaded(false);
    } else {
        connection.SetRightsLoaded(true);
        handshake_.BeginLogin();
        RunLoginDialog();
        userAllowed = connection.IsAuthenticated();
    }
    const ConnectHandshake::Step next = handshake_.PasswordsChecked(userAllowed);
    if (next.kind == ConnectHandshake::Step::Kind::Send)
        SendHandshakeRequest(next);
}

void CConnectDialog::RunLoginDialog()
{
    CUserLoginDialog login(Connection(), services_.Status(), this);
    loginDialog_ = &login;
    login.DoModal();
    loginDialog_ = nullptr;
}

void CConnectDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    using Use = ConnectHandshake::ReplyUse;
    const CReplyMessage& answer = *reply;
    switch (handshake_.OnReply(answer.RequestType(), answer.ErrorFlag(), answer.DataLength())) {
    case Use::SendOutOfBand: (void)CxOobS(Handle(), 1); break;
    case Use::ShowLoggerError: ShowLoggerError(answer); break;
    case Use::KeepPasswordStatus: {
        const PasswordStatus status = ParsePasswordStatus(answer.Data());
        passwordStatus_ = {status.passwordsOn, status.fullAccess};
        break;
    }
    case Use::StorePolledConfigWord: Connection().StorePolledConfigWord(ConfigItemValue(answer.Data())); break;
    case Use::StoreLoggerInfoText: services_.SetLoggerInfoText(Cp1252ToUtf8(ParseLoggerInfoItem(answer.Data()))); break;
    case Use::StoreCapabilityByte:
        if (const auto value = ParseCapabilityItem(answer.Data()))
            Connection().SetLoggerCapabilityByte(*value);
        break;
    case Use::ConnectedSteps: RunConnectedSteps(answer); break;
    case Use::StateReplyTooShort: {
        char text[160];
        std::snprintf(text, sizeof text, kShortStateReplyText.data(), answer.DataLength());
        ShowBox(text, "Communications Error", true);
        break;
    }
    case Use::Consume:
    case Use::Ignore: break;
    }
}

void CConnectDialog::RunConnectedSteps(const CReplyMessage& reply)
{
    const LoggerStateBlock block = ParseLoggerStateBlock(reply.Data());
    const std::string name = Cp1252ToUtf8(block.name);
    const std::string id = Cp1252ToUtf8(block.id);
    Connection().SetTitleText("Logger Name: " + name + " - ID: " + id);
    if (kind_ != kUsb)
        usb_.SetComPort(0);

    const std::uint32_t loggerClock = block.clock;
    PromptNoticeSink notices(Application::Instance(), Handle());
    (void)CheckLoggerClock(loggerClock, Application::Instance().GetClock().CalendarSeconds(), notices);
    services_.TimeZone().SetLoggerTimeZone(block.zoneMinutes, block.daylightRule);

    services_.SetLoggerStateWords(block.stateWord, block.memory, block.memoryUsed);

    const std::uint32_t firmware = block.firmware;
    const bool ignoreVersion = ReadDword(services_.Settings(), "IgnoreVersion", 0) == 1;
    if (!ignoreVersion && ((firmware >> 16) & 0xFF) != ((GetProgramVersion() >> 16) & 0xFF)) {
        char text[400];
        std::snprintf(text, sizeof text,
            "The version of firmware installed on the Fennara Logger you are connecting to (%02u.%02u.%02u) does not "
            "match the currently running Corvane version.\n\nCertain functions may not perform correctly.\n\nRefer to "
            "the users manual on updating the firmware to ensure compatibility...",
            (firmware >> 16) & 0xFF, (firmware >> 8) & 0xFF, firmware & 0xFF);
        ShowBox(text, "Incompatible Firmware Version", false);
    }
    handshake_.Connected();
    OnConnected(reply);
}

void CConnectDialog::OnConnected(const CReplyMessage& reply)
{
    if (hooks_ != nullptr)
        hooks_->CheckCommLibVersion(reply.Data());
    services_.PostToMainWindow(kDestroyProgressMessage);
    WaitSeconds(1);
    Connection().SetConnectionName(directory_.LastConnection());
    SetButtons(false, true, true);
    SaveDirectory();
    services_.UpdateNetIconBar();
}

void CConnectDialog::OnCommTimeout(std::uint16_t requestType)
{
    const ConnectHandshake::TimeoutUse use = handshake_.OnTimeout(requestType);
    if (use.runFailedRoutine) {
        OnConnectFailed();
        SetStatusText(services_.Status(), "Communications Timeout");
    }
    if (use.progressTimeoutText)
        SetStatusMessage(services_.Status(), "Timeout");
    if (!use.boxCaption.empty())
        ShowTimeoutBox(use.boxCaption);
}

void CConnectDialog::OnConnectFailed()
{
    RunProgressAnimation(services_.Status(), false);
    GetControl(kIdOk)->Enable(true);
    GetControl(res::kIdcConnectNow)->Enable(true);
    SetStatusText(services_.Status(), "Connection Failed");
}

void CConnectDialog::OnDisconnect()
{
    const bool nested = std::exchange(disconnecting_, true);
    SetButtons(true, false, true);
    RunProgressAnimation(services_.Status(), false);
    // The title and the connection pane follow the connection state.
    Connection().SetTitleText({});
    Connection().SetConnected(false);
    if (hooks_ != nullptr) {
        hooks_->Reconnect(1);
    } else {
        // Without a Communication Window the link is closed here.
        CxDisco(Handle());
        WaitMilliseconds(200);
        CxLoggerConnect(0);
    }
    openedWhileConnected_ = false;
    services_.PostToMainWindow(kDestroyProgressMessage);
    WaitSeconds(2);
    disconnecting_ = nested;
    if (!disconnecting_ && deferredConnect_) {
        const bool waitForLogger = *deferredConnect_;
        deferredConnect_.reset();
        PostMessage(kConnectNowMessage, waitForLogger ? 1 : 0);
    }
}

void CConnectDialog::Reconnect()
{
    OnDisconnect();
    OnConnectNow(false);
}

}  // namespace corvane
