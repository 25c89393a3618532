#include "logger/CQuickProbesDialog.h"

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/ProbeValueTexts.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ButtonControl.h"
#include "platform/Clock.h"
#include "platform/ImageList.h"
#include "platform/ListViewControl.h"
#include "platform/PictureControl.h"
#include "platform/PromptSink.h"
#include "res/RemoteProbeDialogs.h"
#include "res/RemoteProbeIds.h"
#include "res/ResourceIds.h"
#include "shell/StatusHelpers.h"

#include <cstdio>
#include <ctime>

namespace corvane {

namespace {

constexpr int kImageSize = 20;

enum Column { kNameColumn, kValueColumn, kUnitsColumn, kTimeColumn };

}  // namespace

CQuickProbesDialog::CQuickProbesDialog(CConnectionDetails& connection, StatusSink& status, Window* parent)
    : CCommDialog(res::kProbeValuesDialog, connection, parent), status_(status), poll_(ProbeTimeText)
{
    On(Notification::Clicked, res::kIdcProbePauseStart, [this](NotifyEvent&) { OnPauseStart(); });
    On(Notification::Clicked, res::kIdcProbeClose, [this](NotifyEvent&) { OnClose(); });
}

CQuickProbesDialog::~CQuickProbesDialog() = default;

bool CQuickProbesDialog::OnInitDialog()
{
    const bool result = CCommDialog::OnInitDialog();
    if (auto* list = GetControlAs<ListViewControl>(res::kIdcProbeList)) {
        ImageList images(kImageSize, kImageSize);
        images.Add(Application::Instance().Bitmaps().Get(res::kBitmapProbeList));
        list->SetImageList(images);
        list->InsertColumn(kNameColumn, "Probe Name", 225);
        list->InsertColumn(kValueColumn, "Value", 80);
        list->InsertColumn(kUnitsColumn, "Units", 80);
        list->InsertColumn(kTimeColumn, "Time of last reading", 150);
    }
    const std::string warning = Application::Instance().Bitmaps().Get(res::kBitmapWarning).PngBytes();
    for (const int id : {res::kIdcProbePausedIcon, res::kIdcProbeStoppedIcon}) {
        if (auto* icon = GetControlAs<PictureControl>(id))
            icon->SetImage(std::span(reinterpret_cast<const std::uint8_t*>(warning.data()), warning.size()));
    }
    SetTimer(kTimerId, kTimerMs);
    Send(poll_.ValueStep());
    return result;
}

std::intptr_t CQuickProbesDialog::OnMessage(Message& message)
{
    if (message.id == kTimerMessage && message.wParam == kTimerId) {
        OnTimer();
        return 0;
    }
    return CCommDialog::OnMessage(message);
}

void CQuickProbesDialog::Send(const std::optional<ProbePointPoll::Request>& request)
{
    if (!request)
        return;
    int result = kCxOk;
    switch (request->type) {
    case kRequestGetRunState: result = CxGetRunState(Handle()); break;
    case kRequestRttId: result = CxRttId(Handle(), request->continuation); break;
    case kRequestRtGet: result = CxRtGet(Handle(), request->continuation); break;
    default: return;
    }
    if (result == kCxOk)
        poll_.Sent(*request);
    else
        poll_.Refused(*request);
}

void CQuickProbesDialog::OnTimer()
{
    Send(poll_.RunStateStep());
    Send(poll_.ValueStep());
    blinkOn_ = !blinkOn_;
    ShowNotes();
}

void CQuickProbesDialog::ShowNotes()
{
    const auto show = [this](int id, bool visible) {
        if (Control* control = GetControl(id))
            control->Show(visible);
    };
    const bool stopped = poll_.LoggerStopped();
    const bool paused = poll_.Paused();
    show(res::kIdcProbeStoppedNote, stopped);
    show(res::kIdcProbeStoppedIcon, stopped && blinkOn_);
    show(res::kIdcProbePauseStart, !stopped);
    show(res::kIdcProbePausedNote, !stopped && paused);
    show(res::kIdcProbePausedIcon, !stopped && paused && blinkOn_);
}

void CQuickProbesDialog::OnPauseStart()
{
    const bool resuming = poll_.Paused();
    for (const ProbePointPoll::Request& request : poll_.TogglePause())
        Send(request);
    if (Control* button = GetControl(res::kIdcProbePauseStart))
        button->SetText(resuming ? "Pause" : "Start");
    ShowNotes();
}

void CQuickProbesDialog::OnClose()
{
    KillTimer(kTimerId);
    poll_.ClearProbes();
    EndDialog(kIdCancel);
}

void CQuickProbesDialog::OnCancel() { OnClose(); }

void CQuickProbesDialog::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    const std::uint16_t type = reply->RequestType();
    if (type != kRequestGetRunState && type != kRequestRttId && type != kRequestRtGet)
        return;
    if (reply->ErrorFlag()) {
        if (type != kRequestRtGet) {
            ShowLoggerError(*reply);
            return;
        }
        poll_.StopValues();
        char head[64];
        std::snprintf(head, sizeof head, "Error (0x%04X) encountered while processing request\n\n",
            static_cast<unsigned>(reply->Code()));
        MessageBoxRequest box;
        box.owner = Handle();
        box.text = head + reply->ErrorText();
        box.caption = "Probe Point Values";
        box.icon = MessageBoxIcon::Error;
        (void)Application::Instance().Prompts().ShowMessageBox(box);
        return;
    }
    if (type == kRequestGetRunState) {
        if (reply->DataLength() >= 2)
            poll_.OnRunState((reply->Data()[0] | reply->Data()[1]) != 0);
        return;
    }
    if (type == kRequestRttId) {
        auto parsed = ParseProbeDescriptors(reply->Data());
        if (const auto* part = std::get_if<ProbeDescriptorList>(&parsed))
            Send(poll_.OnDescriptors(*part));
        return;
    }
    auto parsed = ParseProbeValues(reply->Data());
    if (const auto* part = std::get_if<ProbeValueList>(&parsed)) {
        bool refreshed = false;
        Send(poll_.OnValues(*part, refreshed));
        if (refreshed)
            RefreshList();
    }
}

void CQuickProbesDialog::OnCommTimeout(std::uint16_t requestType)
{
    SetStatusProgress(status_, "Timeout", false);
    ShowTimeoutBox();
    poll_.OnTimeout(requestType);
    ShowNotes();
}

void CQuickProbesDialog::RefreshList()
{
    auto* list = GetControlAs<ListViewControl>(res::kIdcProbeList);
    if (list == nullptr)
        return;
    // The row at the top stays there, so the view does not jump.
    const int top = list->GetTopIndex();
    list->DeleteAllItems();
    int row = 0;
    for (const CQuickProbeInfo& probe : poll_.Probes()) {
        list->InsertItem(row, probe.ProbeName, 0);
        list->SetItemText(row, kValueColumn, probe.ValueText);
        list->SetItemText(row, kUnitsColumn, probe.Units);
        list->SetItemText(row, kTimeColumn, probe.TimeText);
        ++row;
    }
    const std::time_t now = static_cast<std::time_t>(Application::Instance().GetClock().CalendarSeconds());
    std::tm local{};
    if (Control* poll = GetControl(res::kIdcProbePollTime))
        poll->SetText(localtime_r(&now, &local) != nullptr ? PollTimeText(local) : std::string(kUnknownTimeText));
    if (row > 0) {
        list->EnsureVisible(row - 1);
        list->EnsureVisible(top < row ? top : 0);
    }
}

}  // namespace corvane
