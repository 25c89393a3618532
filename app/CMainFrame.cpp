#include "app/CMainFrame.h"

#include "app/CSplashWnd.h"
#include "app/ComPortPresent.h"
#include "app/ProgramSettings.h"
#include "app/ShellMessages.h"
#include "app/ShellNeighbours.h"
#include "comms/CConnectionDetails.h"
#include "comms/MainFrameMessages.h"
#include "comms/RealTimeDataBlock.h"
#include "halvix/HalvixLib.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ChildFrame.h"
#include "platform/CommandState.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/PromptSink.h"
#include "platform/SettingsStore.h"
#include "platform/StatusProgress.h"
#include "platform/View.h"
#include "platform/WindowPlacement.h"
#include "res/ResourceIds.h"
#include "res/Toolbars.h"

#include <array>
#include <cstdlib>
#include <string>

namespace corvane {
namespace {

// Toolbar index 0..4 shows these toolbar tables.
constexpr std::array kToolBarIds = {res::kToolbarCommWindow, res::kToolbarProgramDevelopment, res::kToolbarTrending,
    res::kToolbarSpare, res::kToolbarWebDesign};

constexpr std::array kStatusPanes = {
    StatusPaneLayout{kPaneStatus, 350, false},
    StatusPaneLayout{kPaneStatus2, 200, false},
    StatusPaneLayout{kPaneCommState, 24, false},
    StatusPaneLayout{kPaneConnection, 200, false},
    StatusPaneLayout{kPaneProgress, 200, true},
};

constexpr std::string_view kTimeoutCaption = "Communication Timeout";
constexpr std::string_view kUsbLostText = "USB comm with the logger has been lost. Please try to reconnect.";
constexpr std::string_view kNetworkLostText = "Network comm with the logger has been lost. Please try to reconnect.";
constexpr std::string_view kKeepAliveLostText
    = "** Communication with the Ombrelix has been lost. Please check that the logger is still connected and retry "
      "communication**";

std::string_view NoticeCaption(std::uintptr_t selector)
{
    switch (selector) {
    case 0:
        return "Save File";
    case 1:
        return "Open File";
    case 2:
        return "Uploading";
    case 3:
        return "Version Compatibility Warning";
    default:
        return "Warning";
    }
}

std::uint32_t ReadSendKeepAlivePing(const SettingsStore* settings)
{
    if (settings == nullptr) {
        return 0;
    }
    const auto value = settings->GetValue(kAdminKey, "SendKeepAlivePing");
    if (!value) {
        return 0;
    }
    if (const auto* number = value->AsDword()) {
        return *number;
    }
    if (const auto* text = value->AsString()) {
        return static_cast<std::uint32_t>(std::strtoul(text->c_str(), nullptr, 0));
    }
    return 0;
}

}  // namespace

CMainFrame::CMainFrame(MainFrameServices services) : services_(std::move(services))
{
    RegisterHandlers();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::RegisterHandlers()
{
    AddCommand(kCmdCommunications, [this](int) { ActivateWindow(static_cast<int>(WindowKind::CommWindow)); });
    AddCommand(kCmdProgramDevelopment,
        [this](int) { ActivateWindow(static_cast<int>(WindowKind::ProgramDevelopment)); });
    AddCommand(kCmdTrending, [this](int) { ActivateWindow(static_cast<int>(WindowKind::Trending)); });
    AddCommand(kCmdLeaveWebDesign, [this](int) { LeaveWebDesign(); });
    AddCommand(kCmdNoEffectA, [](int) {});
    AddCommand(kCmdNoEffectB, [](int) {});
    AddCommand(kCmdExit, [this](int) { Close(); });
    AddUpdate(kPaneCommState, [](CommandState& state) { state.Enable(); });
    AddUpdate(kPaneProgress, [](CommandState& state) { state.Enable(); });
    AddUpdate(kPaneConnection, [this](CommandState& state) {
        state.Enable();
        state.SetText(ConnectionPaneText());
    });
}

std::string CMainFrame::ConnectionPaneText() const
{
    const CConnectionDetails* connection = services_.connection;
    if (connection != nullptr && connection->IsConnected())
        return "Connected: " + connection->GetConnectionName();
    return "Disconnected";
}

void CMainFrame::ShowConnectionState()
{
    const CConnectionDetails* connection = services_.connection;
    const bool connected = connection != nullptr && connection->IsConnected();
    std::string title = baseTitle_;
    if (connected && !connection->GetTitleText().empty())
        title += " - " + connection->GetTitleText();
    SetTitle(title);
    if (StatusBar* bar = GetStatusBar())
        bar->SetPaneText(bar->IndexOf(kPaneConnection), ConnectionPaneText());
}

bool CMainFrame::CreateFrame(std::string_view title, const MenuTemplate& menu)
{
    baseTitle_ = std::string(title);
    if (!Create(title, menu)) {
        return false;
    }
    for (const int id : kToolBarIds) {
        const ToolBarTemplate* layout = res::FindToolbar(id);
        if (layout == nullptr) {
            return false;
        }
        AddToolBar(*layout).Dock(DockSide::Top);
    }
    CreateStatusBar(kStatusPanes);
    for (int index = 1; index < kToolBarCount; ++index) {
        ShowToolBar(index, false);
    }
    ShowToolBar(0, true);
    SetCommState(res::kBitmapStatusDisconnected);

    if (ReadSendKeepAlivePing(services_.settings) != 0) {
        SetTimer(kTimerKeepAlive, kKeepAliveMs);
    }
    SetTimer(kTimerLinkWatch, kLinkWatchMs);

    if (services_.showSplash) {
        splash_ = std::make_unique<CSplashWnd>(App().Bitmaps().Get(res::kBitmapSplash));
    }
    if (services_.makeDisplayControls) {
        displayControls_ = services_.makeDisplayControls();
        if (displayControls_) {
            displayControls_->AttachTo(nullptr);
        }
    }
    UpdateCommandUi();
    return true;
}

void CMainFrame::ShowSplash()
{
    if (splash_) {
        splash_->ShowOver(*this);
    }
}

void CMainFrame::SetStatusText(std::string_view text)
{
    if (StatusBar* bar = GetStatusBar()) {
        bar->SetPaneText(bar->IndexOf(kPaneStatus), text);
    }
}

void CMainFrame::SetStatusText2(std::string_view text)
{
    if (StatusBar* bar = GetStatusBar()) {
        bar->SetPaneText(bar->IndexOf(kPaneStatus2), text);
    }
}

bool CMainFrame::HasProgress() const
{
    const StatusBar* bar = GetStatusBar();
    return bar != nullptr && bar->Progress() != nullptr;
}

void CMainFrame::CreateProgress()
{
    StatusBar* bar = GetStatusBar();
    if (bar == nullptr) {
        return;
    }
    if (StatusProgress* progress = bar->ShowProgress(bar->IndexOf(kPaneProgress))) {
        progress->SetRange(0, 10);
        progress->SetPos(0);
        progressStep_ = 1;
    }
}

void CMainFrame::SetProgressPos(int position)
{
    if (StatusBar* bar = GetStatusBar(); bar != nullptr && bar->Progress() != nullptr) {
        progressStep_ = position;
        bar->Progress()->SetPos(position);
    }
}

void CMainFrame::SetProgressRange(std::uint16_t upper)
{
    if (StatusBar* bar = GetStatusBar(); bar != nullptr && bar->Progress() != nullptr) {
        bar->Progress()->SetRange(0, upper);
    }
}

void CMainFrame::SetProgress(int position)
{
    if (HasProgress()) {
        SetProgressPos(position);
    } else {
        // The first call only makes the bar; the position shows from the next.
        CreateProgress();
    }
}

void CMainFrame::ShowBusy(bool on)
{
    if (on) {
        SetTimer(kTimerProgress, kProgressMs);
    } else {
        KillTimer(kTimerProgress);
        PostMessage(kDestroyProgressMessage);
    }
}

void CMainFrame::SetCommState(int pictureId)
{
    commStatePicture_ = pictureId;
    if (StatusBar* bar = GetStatusBar()) {
        bar->SetPanePicture(bar->IndexOf(kPaneCommState), App().Bitmaps().Get(pictureId));
    }
}

std::intptr_t CMainFrame::OnMessage(Message& message)
{
    switch (message.id) {
    case kTimerMessage:
        OnTimer(static_cast<std::uint32_t>(message.wParam));
        return 0;
    case kShowNoticeMessage:
        OnNotice(message);
        return 0;
    case kLoggerEnabledChangedMessage:
    case kCardStateChangedMessage:
        if (DocTemplate* commWindow = FindTemplate(kCommWindowTemplate);
            commWindow != nullptr && commWindow->GetDocument() != nullptr) {
            if (auto* link = dynamic_cast<CommWindowLink*>(commWindow->GetDocument()->FirstView())) {
                if (message.id == kLoggerEnabledChangedMessage) {
                    link->SetRunState(message.wParam);
                } else {
                    link->SetCardState(message.wParam);
                }
            }
        }
        return 0;
    case kActivateKindMessage:
        ActivateWindow(static_cast<int>(message.lParam));
        return 0;
    case kConnectionChangedMessage:
        ShowConnectionState();
        return 0;
    case kDestroyProgressMessage:
        if (StatusBar* bar = GetStatusBar()) {
            bar->HideProgress();
        }
        return 0;
    case kDataCacheItemMessage:
        if (auto block = message.TakePayload<RealTimeDataBlock>(); block && services_.valueCache != nullptr) {
            services_.valueCache->AddData(block->Count(), block->Bytes());
        }
        return 0;
    case kReplyMessage:
        OnReply(message);
        return 0;
    case kTimeoutMessage:
        OnTimeout(message);
        return 0;
    default:
        return MdiFrame::OnMessage(message);
    }
}

void CMainFrame::OnActivateChild(ChildFrame* activated, ChildFrame* deactivated)
{
    MdiFrame::OnActivateChild(activated, deactivated);
    if (services_.childActivated) {
        services_.childActivated();
    }
}

void CMainFrame::OnNotice(Message& message)
{
    auto text = message.TakePayload<ValuePayload<std::string>>();
    if (!text) {
        return;
    }
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = text->value;
    request.caption = std::string(NoticeCaption(message.wParam));
    request.icon = MessageBoxIcon::Warning;
    request.beep = true;
    (void)App().Prompts().ShowMessageBox(request);
}

void CMainFrame::OnReply(Message& message)
{
    auto reply = message.TakePayload<CReplyMessage>();
    if (reply && reply->ErrorFlag() && services_.showReplyError) {
        services_.showReplyError(*reply);
    }
}

void CMainFrame::OnTimeout(Message& message)
{
    PostMessage(kLinkLostNoticeMessage);
    const auto requestType = static_cast<std::uint16_t>(static_cast<std::uintptr_t>(message.lParam) & 0xFFFFu);
    if (requestType != kOobRequestType && requestType != kPingRequestType) {
        SetStatusText("Timeout");
        MessageBoxRequest request;
        request.owner = Handle();
        request.text = "** TIMEOUT **";
        request.caption = std::string(kTimeoutCaption);
        request.icon = MessageBoxIcon::Error;
        (void)App().Prompts().ShowMessageBox(request);
        return;
    }
    CConnectionDetails* connection = services_.connection;
    if (connection != nullptr && !connection->IsReflashing() && connection->IsConnected()) {
        LostLinkCleanUp();
        MessageBoxRequest request;
        request.owner = Handle();
        request.text = std::string(kKeepAliveLostText);
        request.caption = std::string(kTimeoutCaption);
        request.icon = MessageBoxIcon::Error;
        (void)App().Prompts().ShowMessageBox(request);
    }
}

void CMainFrame::OnTimer(std::uint32_t id)
{
    switch (id) {
    case kTimerKeepAlive:
        OnKeepAliveTimer();
        break;
    case kTimerProgress:
        OnProgressTimer();
        break;
    case kTimerLinkWatch:
        OnLinkWatchTimer();
        break;
    default:
        break;
    }
}

void CMainFrame::OnKeepAliveTimer()
{
    const CConnectionDetails* connection = services_.connection;
    if (connection != nullptr && connection->IsConnected()) {
        (void)CxPing(Handle(), "PP");
        (void)CxOobS(Handle(), 1);
        SetCommState(res::kBitmapStatusConnected);
    } else {
        SetCommState(res::kBitmapStatusDisconnected);
    }
}

void CMainFrame::OnProgressTimer()
{
    StatusBar* bar = GetStatusBar();
    if (bar == nullptr) {
        return;
    }
    if (StatusProgress* progress = bar->Progress()) {
        ++progressStep_;
        if (progressStep_ > progress->GetUpper()) {
            bar->HideProgress();
        } else {
            progress->SetPos(progressStep_);
        }
    } else if (StatusProgress* created = bar->ShowProgress(bar->IndexOf(kPaneProgress))) {
        created->SetRange(0, 10);
        created->SetPos(1);
        progressStep_ = 1;
    }
}

void CMainFrame::OnLinkWatchTimer()
{
    CConnectionDetails* connection = services_.connection;
    if (connection == nullptr || !connection->IsConnected()) {
        SetCommState(res::kBitmapStatusDisconnected);
        return;
    }
    // Nothing is checked while a dialog restarts the logger on purpose (a
    // reset switches the check off, a reflash marks the connection): its
    // link drops and comes back whatever the connection's kind, and that
    // dialog reports the outcome.
    if (!usbLinkCheck_ || connection->IsReflashing())
        return;
    const bool usb = connection->GetConnectionKind() == ConnectionKind::Usb;
    if (usb) {
        const std::filesystem::path device = services_.usbDevice ? services_.usbDevice() : std::filesystem::path{};
        if (ComPortPresent(device)) {
            SetCommState(res::kBitmapStatusConnected);
        } else {
            LinkLost(kUsbLostText);
        }
        return;
    }
    if (CxPollConnection() != 0) {
        LinkLost(kNetworkLostText);
    } else {
        SetCommState(res::kBitmapStatusConnected);
    }
}

void CMainFrame::LinkLost(std::string_view text)
{
    // The state is closed before the box shows, so the next tick does not
    // report the same loss again.
    if (services_.connection != nullptr) {
        services_.connection->SetConnected(false);
    }
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(kTimeoutCaption);
    request.icon = MessageBoxIcon::Error;
    (void)App().Prompts().ShowMessageBox(request);
    LostLinkCleanUp();
    SetCommState(res::kBitmapStatusDisconnected);
}

void CMainFrame::LostLinkCleanUp()
{
    if (services_.connection != nullptr) {
        services_.connection->SetConnected(false);
    }
    if (DocTemplate* commWindow = FindTemplate(kCommWindowTemplate);
        commWindow != nullptr && commWindow->GetDocument() != nullptr) {
        if (auto* link = dynamic_cast<CommWindowLink*>(commWindow->GetDocument()->FirstView())) {
            link->ConnectionLost();
        }
    }
}

void CMainFrame::ShowPalette(int templateId, bool show)
{
    if (DocTemplate* docTemplate = FindTemplate(templateId)) {
        if (auto* frame = dynamic_cast<PaletteFrame*>(docTemplate->Frame())) {
            frame->ShowPalette(show);
        }
    }
}

void CMainFrame::ActivateWindow(int kind)
{
    for (int index = 0; index < ToolBarCount(); ++index) {
        ShowToolBar(index, false);
    }
    ShowPalette(kNetTemplate, false);
    ShowPalette(kWebTemplate, false);
    ShowPalette(kTrendingTemplate, false);

    int templateId = 0;
    switch (static_cast<WindowKind>(kind)) {
    case WindowKind::CommWindow:
        ShowToolBar(0, true);
        templateId = kCommWindowTemplate;
        break;
    case WindowKind::ProgramDevelopment:
        ShowToolBar(1, true);
        ShowPalette(kNetTemplate, true);
        templateId = kNetTemplate;
        break;
    case WindowKind::Trending:
    case WindowKind::WebDesign: {
        const bool trending = static_cast<WindowKind>(kind) == WindowKind::Trending;
        const int id = trending ? kTrendingTemplate : kWebTemplate;
        DocTemplate* docTemplate = FindTemplate(id);
        if (docTemplate == nullptr || docTemplate->Frame() == nullptr) {
            return;
        }
        ShowToolBar(trending ? 2 : 4, true);
        ShowPalette(id, true);
        View* view = docTemplate->GetDocument() != nullptr ? docTemplate->GetDocument()->FirstView() : nullptr;
        if (displayControls_) {
            displayControls_->AttachTo(view);
        }
        if (trending && view != nullptr) {
            view->PostMessage(kTrendingActivatedMessage);
        }
        templateId = id;
        break;
    }
    default:
        return;
    }

    DocTemplate* docTemplate = FindTemplate(templateId);
    if (docTemplate == nullptr || docTemplate->GetDocument() == nullptr) {
        return;
    }
    View* view = docTemplate->GetDocument()->FirstView();
    if (view == nullptr) {
        return;
    }
    if (auto* link = dynamic_cast<CommWindowLink*>(view)) {
        link->Refresh();
    }
    if (static_cast<WindowKind>(kind) == WindowKind::WebDesign) {
        view->PostMessage(kWebActivatedMessage);
    }
    if (ChildFrame* frame = view->ParentFrame()) {
        ActivateChild(*frame);
    }
}

void CMainFrame::LeaveWebDesign()
{
    if (DocTemplate* web = FindTemplate(kWebTemplate)) {
        (void)web->CloseDocument();
    }
    ActivateWindow(static_cast<int>(WindowKind::ProgramDevelopment));
}

void CMainFrame::OnMove(Point oldTopLeft, Point newTopLeft)
{
    MdiFrame::OnMove(oldTopLeft, newTopLeft);
    if (splash_ && splash_->Showing()) {
        splash_->HideSplash();
        splash_->ShowOver(*this);
    }
}

void CMainFrame::OnDestroy()
{
    if (services_.settings != nullptr) {
        WindowPlacement placement = GetPlacement();
        placement.maximized = placement.maximized || IsMaximized() || IsMinimized();
        (void)SaveWindowPlacement(*services_.settings, kProductKey, placement);
    }
    if (services_.valueCache != nullptr) {
        services_.valueCache->Disable();
    }
    if (displayControls_) {
        displayControls_->DetachAllWindows();
        displayControls_.reset();
    }
    if (splash_) {
        splash_->HideSplash();
    }
    KillTimer(kTimerKeepAlive);
    KillTimer(kTimerProgress);
    KillTimer(kTimerLinkWatch);
    MdiFrame::OnDestroy();
}

}  // namespace corvane
