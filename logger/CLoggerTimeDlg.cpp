#include "logger/CLoggerTimeDlg.h"

#include "base/Cp1252.h"
#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/CResetLoggerDialog.h"
#include "logger/LoggerClockReplies.h"
#include "logger/LoggerClockRules.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Clock.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/ClockDialogs.h"
#include "res/ClockIds.h"
#include "shell/StatusHelpers.h"

#include <chrono>
#include <vector>

namespace corvane {

namespace {

// The rights test and refusal caption of the update.
constexpr std::string_view kSetTimeCaption = "Set Time";

}  // namespace

CLoggerTimeDlg::CLoggerTimeDlg(CConnectionDetails& connection, LoggerTimeZone& timeZone, StatusSink& status,
    HiddenReconnectMaker& reconnects, UsbLinkCheck& usbLinkCheck, Window* parent)
    : CCommDialog(res::kLoggerTimeDialog, connection, parent),
      timeZone_(timeZone),
      status_(status),
      reconnects_(reconnects),
      usbLinkCheck_(usbLinkCheck)
{
    On(Notification::Clicked, res::kIdcUpdateClock, [this](NotifyEvent&) { OnUpdateClock(); });
    On(Notification::Clicked, res::kIdcRefreshClock, [this](NotifyEvent&) { RequestState(); });
    On(Notification::Clicked, res::kIdcInternetTimeCheck, [this](NotifyEvent&) {
        if (auto* box = GetControlAs<ButtonControl>(res::kIdcInternetTimeCheck))
            ntpEnabled_ = box->GetCheck();
        SetText(res::kIdcUpdateClock, UpdateButtonText(ntpEnabled_ != 0));
    });
    On(Notification::Clicked, res::kIdcDaylightCheck, [this](NotifyEvent&) {
        const auto* box = GetControlAs<ButtonControl>(res::kIdcDaylightCheck);
        if (box != nullptr && box->GetCheck() != 0)
            timeRules_ |= kClockRuleDaylight;
        else
            timeRules_ &= static_cast<std::uint16_t>(~kClockRuleDaylight);
        RequestState();
    });
    On(Notification::Changed, res::kIdcLoggerOffsetHours, [this](NotifyEvent&) {
        if (!refreshing_)
            OnOffsetChanged();
    });
}

CLoggerTimeDlg::~CLoggerTimeDlg() = default;

bool CLoggerTimeDlg::OnInitDialog()
{
    RefreshControls();
    if (readOnly_) {
        if (Control* button = GetControl(res::kIdcUpdateClock))
            button->Enable(false);
    }
    RequestState();
    return true;
}

void CLoggerTimeDlg::DoDataExchange(DataExchange& exchange)
{
    DdxInt(exchange, res::kIdcLoggerOffsetHours, offsetHours_, -kMaxOffsetHours, kMaxOffsetHours);
    DdxCheck(exchange, res::kIdcDaylightCheck, dstEnabled_);
    DdxCheck(exchange, res::kIdcInternetTimeCheck, ntpEnabled_);
}

CLoggerTimeDlg::PcTime CLoggerTimeDlg::PcNow() const
{
    const Clock& clock = Application::Instance().GetClock();
    if (clock.IsManual())
        return {clock.CalendarSeconds(), 0};
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    return {milliseconds / 1000, static_cast<std::uint16_t>(milliseconds % 1000)};
}

bool CLoggerTimeDlg::RunResetDialog()
{
    CResetLoggerDialog reset(Connection(), reconnects_, usbLinkCheck_, this);
    (void)reset.DoModal();
    return reset.Reconnected();
}

void CLoggerTimeDlg::RequestState() { (void)CxStateGet(Handle()); }

void CLoggerTimeDlg::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    if (reply->ErrorFlag()) {
        ShowLoggerError(*reply);
        RefreshControls();
        return;
    }
    switch (reply->RequestType()) {
    case kRequestStateGet: OnStateReply(*reply); break;
    case kRequestCfGet: OnServerNameReply(*reply); break;
    case kRequestQuvTimeSet: OnTimeSetReply(); return;
    case kRequestCfSet: FinishUpdate(); return;
    default: break;
    }
    RefreshControls();
}

void CLoggerTimeDlg::OnCommTimeout(std::uint16_t /*requestType*/)
{
    SetStatusMessage(status_, "Timeout");
    ShowTimeoutBox();
}

void CLoggerTimeDlg::OnStateReply(const CReplyMessage& reply)
{
    const auto read = ReadClockState(reply.Data());
    // A short block changes nothing.
    const ClockState* state = std::get_if<ClockState>(&read);
    if (state == nullptr)
        return;
    const PcTime now = PcNow();
    pcOffsetMinutes_ = PcZoneOffsetMinutesWest(now.seconds);
    SetText(res::kIdcPcTimeText, FormatClockText(now.seconds - static_cast<std::int64_t>(pcOffsetMinutes_) * 60));
    SetText(res::kIdcPcOffsetText, FormatOffsetText(pcOffsetMinutes_));
    SetText(res::kIdcUtcTimeText, FormatClockText(now.seconds));

    if (firstState_) {
        firstState_ = false;
        ntpSupported_ = (state->interfaceKind & 0x3) != 0;
        for (const int id : {res::kIdcTimeServerLabel, res::kIdcTimeServerName, res::kIdcInternetTimeCheck}) {
            if (Control* control = GetControl(id))
                control->Show(ntpSupported_);
        }
        // The logger's own settings are the program's logger time zone.
        timeZone_.SetLoggerTimeZone(state->offsetMinutesWest, state->ruleBits);
        offsetMinutes_ = state->offsetMinutesWest;
        offsetHours_ = -offsetMinutes_ / 60;
        timeRules_ = state->ruleBits;
        dstEnabled_ = (timeRules_ & kClockRuleDaylight) != 0 ? 1 : 0;
        ntpEnabledAtOpen_ = ntpSupported_ && (timeRules_ & kClockRuleInternetTime) != 0;
        ntpEnabled_ = ntpEnabledAtOpen_ ? 1 : 0;
        // A logger without a network interface has no time server to ask.
        if (ntpSupported_)
            (void)CxCfGet(Handle(), kTimeServerItem);
    } else {
        dstEnabled_ = (timeRules_ & kClockRuleDaylight) != 0 ? 1 : 0;
    }
    shownZone_.SetLoggerTimeZone(offsetMinutes_, timeRules_);
    loggerTimeText_ = FormatClockText(shownZone_.ApplyLoggerTimeZone(state->utcSeconds));
    SetText(res::kIdcLoggerTimeText, loggerTimeText_);
    SetText(res::kIdcLoggerOffsetText, FormatOffsetText(offsetMinutes_));
}

void CLoggerTimeDlg::OnServerNameReply(const CReplyMessage& reply)
{
    const auto read = ReadTimeServerName(reply.Data());
    if (const std::string* name = std::get_if<std::string>(&read))
        SetText(res::kIdcTimeServerName, Cp1252ToUtf8(*name));
}

void CLoggerTimeDlg::OnOffsetChanged()
{
    const Control* field = GetControl(res::kIdcLoggerOffsetHours);
    if (field == nullptr)
        return;
    const OffsetEntry entry = ReadOffsetEntry(field->GetText());
    if (entry.kind == OffsetEntry::Kind::Waiting)
        return;
    if (entry.kind == OffsetEntry::Kind::Refused) {
        MessageBoxRequest box;
        box.owner = Handle();
        box.text = std::string(kHoursText);
        box.icon = MessageBoxIcon::Warning;
        (void)Application::Instance().Prompts().ShowMessageBox(box);
        return;
    }
    offsetHours_ = entry.hours;
    offsetMinutes_ = -60 * entry.hours;
    RefreshControls();
    RequestState();
}

void CLoggerTimeDlg::OnUpdateClock()
{
    if (readOnly_)
        return;
    refreshing_ = true;
    const bool read = UpdateData(true);
    refreshing_ = false;
    if (!read)
        return;
    if (!MayRequest(kRequestQuvTimeSet, kSetTimeCaption))
        return;
    const bool ntpChange = (ntpEnabled_ != 0) != ntpEnabledAtOpen_;
    if (ntpChange) {
        MessageBoxRequest box;
        box.owner = Handle();
        box.text = std::string(kRebootText);
        box.buttons = MessageBoxButtons::OkCancel;
        box.icon = MessageBoxIcon::Question;
        if (Application::Instance().Prompts().ShowMessageBox(box) != kIdOk)
            return;
    }
    timeRules_ = ClockRuleBits(ntpEnabled_ != 0, dstEnabled_ != 0);
    const PcTime now = PcNow();
    if (CxQuvTimeSet(Handle(), static_cast<std::int32_t>(now.seconds), timeRules_,
            static_cast<std::uint16_t>(offsetMinutes_), now.milliseconds)
        != kCxOk) {
        return;
    }
    // The logger's clock is now the time sent, under the zone sent.
    timeZone_.SetLoggerTimeZone(offsetMinutes_, timeRules_);
    shownZone_.SetLoggerTimeZone(offsetMinutes_, timeRules_);
    loggerTimeText_ = FormatClockText(shownZone_.ApplyLoggerTimeZone(now.seconds));
    SetText(res::kIdcLoggerTimeText, loggerTimeText_);
    SetText(res::kIdcLoggerOffsetText, FormatOffsetText(offsetMinutes_));
    RefreshControls();
    if (ntpEnabled_ == 0) {
        MessageBoxRequest box;
        box.owner = Handle();
        box.text = "Logger time set to " + loggerTimeText_;
        (void)Application::Instance().Prompts().ShowMessageBox(box);
    }
}

void CLoggerTimeDlg::OnTimeSetReply()
{
    if (ntpEnabled_ == 0)
        SetStatusMessage(status_, "Clock Set");
    // Only a logger with a network interface keeps a time server.
    if (!ntpSupported_) {
        FinishUpdate();
        return;
    }
    const Control* field = GetControl(res::kIdcTimeServerName);
    std::string name = Utf8ToCp1252(field != nullptr ? field->GetText() : std::string(), kTimeServerNameLimit);
    std::vector<std::uint8_t> value(name.begin(), name.end());
    value.push_back(0);
    (void)CxCfSet(Handle(), static_cast<std::uint8_t>(kTimeServerItem), value);
    RefreshControls();
}

void CLoggerTimeDlg::FinishUpdate()
{
    if ((ntpEnabled_ != 0) != ntpEnabledAtOpen_)
        resetFailed_ = !RunResetDialog();
    EndDialog(resetFailed_ ? kIdAbort : kIdCancel);
}

void CLoggerTimeDlg::RefreshControls()
{
    refreshing_ = true;
    UpdateData(false);
    refreshing_ = false;
    SetText(res::kIdcUpdateClock, UpdateButtonText(ntpEnabled_ != 0));
}

void CLoggerTimeDlg::SetText(int controlId, std::string_view text)
{
    if (Control* control = GetControl(controlId))
        control->SetText(text);
}

}  // namespace corvane
