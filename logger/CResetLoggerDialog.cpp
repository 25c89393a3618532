#include "logger/CResetLoggerDialog.h"

#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixMessages.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/HiddenReconnect.h"
#include "logger/UsbLinkCheck.h"
#include "platform/Application.h"
#include "platform/ProgressControl.h"
#include "platform/PromptSink.h"
#include "res/ClockDialogs.h"
#include "res/ClockIds.h"

namespace corvane {

namespace {

constexpr int kProgressTicks = 60;

}  // namespace

CResetLoggerDialog::CResetLoggerDialog(
    CConnectionDetails& connection, HiddenReconnectMaker& reconnects, UsbLinkCheck& usbLinkCheck, Window* parent)
    : Dialog(res::kResetLoggerDialog, parent),
      connection_(connection),
      reconnects_(reconnects),
      usbLinkCheck_(usbLinkCheck),
      status_(ResetSequence::kStartText)
{
}

CResetLoggerDialog::~CResetLoggerDialog()
{
    if (timerRunning_)
        KillTimer(kTimerId);
    // However the dialog goes, the link check is on again.
    usbLinkCheck_.EnableUsbLinkCheck(true);
}

bool CResetLoggerDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    PromptSink& prompts = Application::Instance().Prompts();
    MessageBoxRequest box;
    box.owner = Handle();
    if (connection_.IsLoggerEnabled()) {
        box.text = std::string(kEnabledText);
        box.icon = MessageBoxIcon::Warning;
        (void)prompts.ShowMessageBox(box);
        EndDialog(kIdCancel);
        return true;
    }
    box.text = std::string(kQuestionText);
    box.buttons = MessageBoxButtons::OkCancel;
    box.icon = MessageBoxIcon::Question;
    if (prompts.ShowMessageBox(box) != kIdOk) {
        EndDialog(kIdCancel);
        return true;
    }
    usbLinkCheck_.EnableUsbLinkCheck(false);
    if (CxReset(Handle(), 0) != kCxOk) {
        // Nothing restarts: the link check is on again at once.
        sequence_.Sent(false);
        SetStatus(ResetSequence::kNotSentText);
        usbLinkCheck_.EnableUsbLinkCheck(true);
        return true;
    }
    reconnect_ = reconnects_.MakeHiddenReconnect(*this);
    sequence_.Sent(true);
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcResetProgress)) {
        progress->SetRange(0, kProgressTicks);
        progress->SetStep(1);
    }
    timerRunning_ = SetTimer(kTimerId, kTickMs);
    SetStatus(ResetSequence::kWaitingText);
    return true;
}

std::intptr_t CResetLoggerDialog::OnMessage(Message& message)
{
    if (message.id == kReplyMessage) {
        if (auto reply = message.TakePayload<CReplyMessage>())
            OnReply(*reply);
        return 0;
    }
    if (message.id == kTimeoutMessage) {
        if (message.wParam == kRequestReset && sequence_.Current() == ResetSequence::State::Requested) {
            // Nothing is restarting: the dialog stays to say so.
            sequence_.RequestTimedOut();
            SetStatus(ResetSequence::kNotSentText);
            Finish(0);
        }
        return 0;
    }
    if (message.id == kTimerMessage && message.wParam == kTimerId) {
        OnTick();
        return 0;
    }
    return Dialog::OnMessage(message);
}

void CResetLoggerDialog::OnReply(const CReplyMessage& reply)
{
    if (reply.RequestType() == kRequestReset && reply.DataLength() > 0)
        sequence_.Acknowledged();
}

void CResetLoggerDialog::OnTick()
{
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcResetProgress))
        progress->StepIt();
    // Without a hidden connect dialog no reconnect can succeed.
    const int result = reconnect_ ? reconnect_->Result() : -1;
    const ResetSequence::Tick tick = sequence_.OnTick(result);
    if (tick.startConnect && reconnect_)
        reconnect_->PostConnectWaiting();
    if (!tick.status.empty())
        SetStatus(tick.status);
    if (sequence_.Current() == ResetSequence::State::Reconnected)
        Finish(kIdOk);
    else if (sequence_.Current() == ResetSequence::State::Failed)
        Finish(0);
}

void CResetLoggerDialog::Finish(int code)
{
    if (timerRunning_) {
        KillTimer(kTimerId);
        timerRunning_ = false;
    }
    usbLinkCheck_.EnableUsbLinkCheck(true);
    // A failure stays on screen until the user closes it.
    if (code != 0)
        EndDialog(code);
}

int CResetLoggerDialog::FinishedCode() const { return Reconnected() ? kIdOk : kIdAbort; }

void CResetLoggerDialog::OnOK()
{
    usbLinkCheck_.EnableUsbLinkCheck(true);
    EndDialog(FinishedCode());
}

void CResetLoggerDialog::OnCancel()
{
    usbLinkCheck_.EnableUsbLinkCheck(true);
    EndDialog(FinishedCode());
}

void CResetLoggerDialog::SetStatus(std::string_view text)
{
    status_ = std::string(text);
    if (Control* control = GetControl(res::kIdcResetStatus))
        control->SetText(status_);
}

}  // namespace corvane
