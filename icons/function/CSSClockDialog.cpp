#include "icons/function/CSSClockDialog.h"

#include "icons/function/CSSClockIcon.h"
#include "icons/function/DurationText.h"
#include "icons/function/LocalDateTime.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Clock.h"
#include "platform/DataExchange.h"
#include "platform/DateTimeControl.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/SSClockDialog.h"

#include <array>
#include <limits>
#include <tuple>
#include <utility>

namespace corvane {
namespace {

constexpr std::size_t kDurationLimit = 10;
constexpr std::uint64_t kMaxSeconds = std::numeric_limits<std::uint32_t>::max();

constexpr std::string_view kStopBeforeStart = "Stop Time must be later than Start Time, please reenter.";
constexpr std::string_view kDateRange = " must be between 01/01/1980 and 01/01/2038, please reenter.";

// The controls of each mode.
constexpr std::array kLocalControls{res::kIdcSSClockStartLabel, res::kIdcSSClockStartDate,
    res::kIdcSSClockStartTime, res::kIdcSSClockStartAm, res::kIdcSSClockStartPm, res::kIdcSSClockStopLabel,
    res::kIdcSSClockStopDate, res::kIdcSSClockStopTime, res::kIdcSSClockStopAm, res::kIdcSSClockStopPm,
    res::kIdcSSClockNow, res::kIdcSSClockDoNotStop};
constexpr std::array kDelayedControls{res::kIdcSSClockDelayLabel, res::kIdcSSClockDelay, res::kIdcSSClockHighLabel,
    res::kIdcSSClockHigh, res::kIdcSSClockSpanNote, res::kIdcSSClockHighForever, res::kIdcSSClockResetOnDisable,
    res::kIdcSSClockSuspend};
constexpr std::array kStopControls{res::kIdcSSClockStopLabel, res::kIdcSSClockStopDate, res::kIdcSSClockStopTime,
    res::kIdcSSClockStopAm, res::kIdcSSClockStopPm};

int Bit(std::uint16_t word, std::uint16_t bit)
{
    return (word & bit) != 0 ? 1 : 0;
}

}  // namespace

CSSClockDialog::CSSClockDialog(CSSClockIcon& icon, Window* parent)
    : CIconDialog(res::kSSClockDialog, icon, 0, parent), clock_(icon)
{
    SetSections(false, true, false);
    const std::uint16_t word = icon.ModeWord();
    mode_ = Bit(word, CSSClockIcon::kLocalTimeMode);
    resetOnDisable_ = Bit(word, CSSClockIcon::kResetOnDisable);
    suspend_ = Bit(word, CSSClockIcon::kSuspendWhileDisabled);
    resetOnLoggerReset_ = Bit(word, CSSClockIcon::kResetOnLoggerReset);
    doNotStop_ = Bit(word, CSSClockIcon::kOpenEnded);
    highForever_ = doNotStop_;
    if (!LocalMode()) {
        delay_ = icon.First();
        high_ = icon.Second();
    }
    for (const int id : {res::kIdcSSClockDelayed, res::kIdcSSClockLocal})
        On(Notification::Clicked, id, [this](NotifyEvent&) { OnModeClicked(); });
    On(Notification::Clicked, res::kIdcSSClockNow, [this](NotifyEvent&) { OnNow(); });
    On(Notification::Clicked, res::kIdcSSClockStartAm,
        [this](NotifyEvent&) { OnAmPm(res::kIdcSSClockStartTime, false); });
    On(Notification::Clicked, res::kIdcSSClockStartPm,
        [this](NotifyEvent&) { OnAmPm(res::kIdcSSClockStartTime, true); });
    On(Notification::Clicked, res::kIdcSSClockStopAm,
        [this](NotifyEvent&) { OnAmPm(res::kIdcSSClockStopTime, false); });
    On(Notification::Clicked, res::kIdcSSClockStopPm,
        [this](NotifyEvent&) { OnAmPm(res::kIdcSSClockStopTime, true); });
    for (const int id : {res::kIdcSSClockStartTime, res::kIdcSSClockStopTime})
        On(Notification::Changed, id, [this](NotifyEvent&) { DeriveAmPm(); });
    // Resetting and suspending while disabled exclude each other.
    On(Notification::Clicked, res::kIdcSSClockResetOnDisable, [this](NotifyEvent&) {
        auto* reset = GetControlAs<ButtonControl>(res::kIdcSSClockResetOnDisable);
        auto* suspend = GetControlAs<ButtonControl>(res::kIdcSSClockSuspend);
        if (reset != nullptr && suspend != nullptr && reset->GetCheck() != 0)
            suspend->SetCheck(0);
    });
    On(Notification::Clicked, res::kIdcSSClockSuspend, [this](NotifyEvent&) {
        auto* reset = GetControlAs<ButtonControl>(res::kIdcSSClockResetOnDisable);
        auto* suspend = GetControlAs<ButtonControl>(res::kIdcSSClockSuspend);
        if (reset != nullptr && suspend != nullptr && suspend->GetCheck() != 0)
            reset->SetCheck(0);
    });
    for (const int id : {res::kIdcSSClockDoNotStop, res::kIdcSSClockHighForever})
        On(Notification::Clicked, id, [this](NotifyEvent&) { UpdateControls(); });
    for (const int id : {res::kIdcSSClockDelay, res::kIdcSSClockHigh}) {
        On(Notification::Changed, id, [this, id](NotifyEvent&) { OnDurationChanged(id); });
        On(Notification::KillFocus, id, [this](NotifyEvent&) { NormaliseDurations(); });
    }
}

DateTimeControl* CSSClockDialog::Picker(int id) const
{
    return GetControlAs<DateTimeControl>(id);
}

bool CSSClockDialog::OnInitDialog()
{
    for (const int id : {res::kIdcSSClockDelay, res::kIdcSSClockHigh})
        if (auto* edit = GetControlAs<EditControl>(id))
            edit->SetLimitText(kDurationLimit);
    const std::int64_t now = Application::Instance().GetClock().CalendarSeconds();
    const std::int64_t start = LocalMode() ? clock_.First() : now;
    const std::int64_t stop = LocalMode() ? clock_.Second() : now;
    auto* startDate = Picker(res::kIdcSSClockStartDate);
    auto* startTime = Picker(res::kIdcSSClockStartTime);
    auto* stopDate = Picker(res::kIdcSSClockStopDate);
    auto* stopTime = Picker(res::kIdcSSClockStopTime);
    if (startDate != nullptr && startTime != nullptr)
        ShowLocalSeconds(*startDate, *startTime, start);
    if (stopDate != nullptr && stopTime != nullptr)
        ShowLocalSeconds(*stopDate, *stopTime, stop);
    const bool result = CIconDialog::OnInitDialog();
    DeriveAmPm();
    for (const auto& [id, seconds] : {std::pair{res::kIdcSSClockDelay, delay_}, std::pair{res::kIdcSSClockHigh, high_}})
        if (Control* edit = GetControl(id))
            edit->SetText(FormatDurationText(seconds));
    UpdateControls();
    return result;
}

void CSSClockDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcSSClockDelayed, mode_);
    DdxCheck(exchange, res::kIdcSSClockResetOnDisable, resetOnDisable_);
    DdxCheck(exchange, res::kIdcSSClockSuspend, suspend_);
    DdxCheck(exchange, res::kIdcSSClockResetOnLoggerReset, resetOnLoggerReset_);
    DdxCheck(exchange, res::kIdcSSClockDoNotStop, doNotStop_);
    DdxCheck(exchange, res::kIdcSSClockHighForever, highForever_);
    CIconDialog::DoDataExchange(exchange);
}

void CSSClockDialog::OnModeClicked()
{
    auto* local = GetControlAs<ButtonControl>(res::kIdcSSClockLocal);
    if (local == nullptr)
        return;
    mode_ = local->GetCheck() != 0 ? 1 : 0;
    if (LocalMode())
        DeriveAmPm();
    else
        NormaliseDurations();
    UpdateControls();
}

void CSSClockDialog::OnNow()
{
    const std::int64_t now = Application::Instance().GetClock().CalendarSeconds();
    for (const auto& [dateId, timeId] : {std::pair{res::kIdcSSClockStartDate, res::kIdcSSClockStartTime},
             std::pair{res::kIdcSSClockStopDate, res::kIdcSSClockStopTime}})
        if (auto* date = Picker(dateId); date != nullptr)
            if (auto* time = Picker(timeId); time != nullptr)
                ShowLocalSeconds(*date, *time, now);
    DeriveAmPm();
}

void CSSClockDialog::OnAmPm(int timeId, bool afternoon)
{
    if (auto* time = Picker(timeId))
        MoveToHalfOfDay(*time, afternoon);
    DeriveAmPm();
}

void CSSClockDialog::DeriveAmPm()
{
    for (const auto& [timeId, amId, pmId] :
        {std::tuple{res::kIdcSSClockStartTime, res::kIdcSSClockStartAm, res::kIdcSSClockStartPm},
            std::tuple{res::kIdcSSClockStopTime, res::kIdcSSClockStopAm, res::kIdcSSClockStopPm}}) {
        const auto* time = Picker(timeId);
        auto* am = GetControlAs<ButtonControl>(amId);
        auto* pm = GetControlAs<ButtonControl>(pmId);
        if (time != nullptr && am != nullptr && pm != nullptr)
            ShowHalfOfDay(*time, *am, *pm);
    }
}

void CSSClockDialog::OnDurationChanged(int id)
{
    Control* edit = GetControl(id);
    if (edit == nullptr)
        return;
    const std::string text = edit->GetText();
    const std::string cut = CutDurationText(text);
    if (cut != text)
        edit->SetText(cut);
}

void CSSClockDialog::NormaliseDurations()
{
    Control* delay = GetControl(res::kIdcSSClockDelay);
    Control* high = GetControl(res::kIdcSSClockHigh);
    if (delay == nullptr || high == nullptr)
        return;
    delay_ = ReadDurationText(delay->GetText());
    high_ = ReadDurationText(high->GetText());
    delay->SetText(FormatDurationText(delay_));
    high->SetText(FormatDurationText(high_));
}

void CSSClockDialog::UpdateControls()
{
    for (const int id : kLocalControls)
        if (Control* control = GetControl(id))
            control->Show(LocalMode());
    for (const int id : kDelayedControls)
        if (Control* control = GetControl(id))
            control->Show(!LocalMode());
    const auto checked = [this](int id) {
        const auto* box = GetControlAs<ButtonControl>(id);
        return box != nullptr && box->GetCheck() != 0;
    };
    const bool stopShown = !checked(res::kIdcSSClockDoNotStop);
    for (const int id : kStopControls)
        if (Control* control = GetControl(id))
            control->Enable(stopShown);
    const bool highShown = !checked(res::kIdcSSClockHighForever);
    for (const int id : {res::kIdcSSClockHighLabel, res::kIdcSSClockHigh})
        if (Control* control = GetControl(id))
            control->Enable(highShown);
}

bool CSSClockDialog::Refuse(const std::string& text) const
{
    MessageBoxRequest request{Handle(), text, std::string(kErrorCaption), MessageBoxButtons::Ok,
        MessageBoxIcon::Error};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

bool CSSClockDialog::ValidateFields()
{
    if (mode_ != 0 && mode_ != 1)
        return false;
    std::uint16_t word = LocalMode() ? CSSClockIcon::kLocalTimeMode : 0;
    if (resetOnDisable_ != 0)
        word |= CSSClockIcon::kResetOnDisable;
    if (suspend_ != 0)
        word |= CSSClockIcon::kSuspendWhileDisabled;
    if (resetOnLoggerReset_ != 0)
        word |= CSSClockIcon::kResetOnLoggerReset;

    if (LocalMode()) {
        auto* startDate = Picker(res::kIdcSSClockStartDate);
        auto* startTime = Picker(res::kIdcSSClockStartTime);
        auto* stopDate = Picker(res::kIdcSSClockStopDate);
        auto* stopTime = Picker(res::kIdcSSClockStopTime);
        if (startDate == nullptr || startTime == nullptr || stopDate == nullptr || stopTime == nullptr)
            return false;
        // The am/pm choice stands for the half of the day.
        for (const auto& [timeId, pmId] : {std::pair{res::kIdcSSClockStartTime, res::kIdcSSClockStartPm},
                 std::pair{res::kIdcSSClockStopTime, res::kIdcSSClockStopPm}})
            if (const auto* pm = GetControlAs<ButtonControl>(pmId))
                MoveToHalfOfDay(*Picker(timeId), pm->GetCheck() != 0);
        if (!InScheduleDateRange(*startDate))
            return Refuse("Start Date" + std::string(kDateRange));
        if (doNotStop_ == 0 && !InScheduleDateRange(*stopDate))
            return Refuse("Stop Date" + std::string(kDateRange));
        const auto start = static_cast<std::uint32_t>(LocalPickerSeconds(*startDate, *startTime));
        // A stop that is not used keeps a moment the logger can hold.
        const auto stop = static_cast<std::uint32_t>(
            InScheduleDateRange(*stopDate) ? LocalPickerSeconds(*stopDate, *stopTime) : start);
        if (stop <= start && doNotStop_ == 0)
            return Refuse(std::string(kStopBeforeStart));
        if (doNotStop_ != 0)
            word |= CSSClockIcon::kOpenEnded;
        first_ = start;
        second_ = stop;
    } else {
        NormaliseDurations();
        if (delay_ > kMaxSeconds)
            return Refuse("Time delay until output goes HIGH must be less than " + FormatDurationText(kMaxSeconds + 1));
        if (high_ > kMaxSeconds)
            return Refuse("Stay HIGH time must be less than " + FormatDurationText(kMaxSeconds + 1));
        if (highForever_ != 0)
            word |= CSSClockIcon::kOpenEnded;
        first_ = static_cast<std::uint32_t>(delay_);
        second_ = static_cast<std::uint32_t>(high_);
    }
    modeWord_ = word;
    return true;
}

void CSSClockDialog::ApplyToIcon()
{
    clock_.SetModeWord(modeWord_);
    clock_.SetFirst(first_);
    clock_.SetSecond(second_);
}

}  // namespace corvane
