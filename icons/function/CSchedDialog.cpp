#include "icons/function/CSchedDialog.h"

#include "icons/function/CSchedIcon.h"
#include "icons/function/LocalDateTime.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Clock.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "platform/DateTimeControl.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/SchedDialog.h"
#include "shell/ComboFill.h"

#include <array>
#include <bit>
#include <limits>
#include <tuple>
#include <utility>

namespace corvane {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::array<std::uint32_t, 4> kUnitSeconds{1, 60, 3600, 86400};
constexpr std::array<std::string_view, 4> kUnitTexts{"Seconds", "Minutes", "Hours", "Days"};
constexpr std::array<std::string_view, 4> kUnitNames{"seconds", "minutes", "hours", "days"};
constexpr std::array<std::string_view, 8> kDayTexts{"Day", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonthTexts{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// The check box of each weekday bit (bit 0 Sunday) in the weekly view.
constexpr std::array<int, 7> kWeekdayBoxes{22, 27, 28, 29, 30, 31, 21};
constexpr int kBoxCount = res::kIdcSchedLastBox - res::kIdcSchedFirstBox + 1;

constexpr int kWeeklyLast = 5;
constexpr int kMonthlyLast = 31;
constexpr int kPeriodicLast = 365;
constexpr int kFebruaryDays = 29;
constexpr std::uint16_t kFebruary = 1u << 1;
constexpr std::uint16_t kThirtyDayMonths = (1u << 3) | (1u << 5) | (1u << 8) | (1u << 10);
constexpr std::uint8_t kWeekdayMask = 0x7F;

// 1 + the highest weekday bit set (0 when none): the monthly weekday entry.
int WeekdayEntry(std::uint8_t weekdays)
{
    const auto bits = static_cast<std::uint8_t>(weekdays & kWeekdayMask);
    return bits == 0 ? 0 : static_cast<int>(std::bit_width(bits));
}

}  // namespace

CSchedDialog::CSchedDialog(CSchedIcon& icon, Window* parent)
    : CIconDialog(res::kSchedDialog, icon, 0, parent),
      sched_(icon),
      kind_(icon.Kind()),
      weekdays_(icon.Weekdays()),
      months_(icon.Months())
{
    SetSections(false, false, false);
    const std::uint32_t cycle = icon.CycleValue();
    everyIndex_ = cycle > 0 ? static_cast<int>(std::min<std::uint32_t>(cycle, kPeriodicLast + 1)) - 1 : 0;
    if (kind_ == CSchedIcon::kMonthlyByWeekday)
        kindIndex_ = WeekdayEntry(weekdays_);
    if (kind_ == CSchedIcon::kPeriodic) {
        kindIndex_ = BestUnit(cycle);
        const std::uint32_t count = cycle / kUnitSeconds[static_cast<std::size_t>(kindIndex_)];
        everyIndex_ = static_cast<int>(std::min<std::uint32_t>(count, kPeriodicLast + 1)) - 1;
    }
    highUnit_ = BestUnit(icon.HighSeconds());
    highValue_ = static_cast<int>(icon.HighSeconds() / kUnitSeconds[static_cast<std::size_t>(highUnit_)]);
    maintain_ = (icon.KindByte() & CSchedIcon::kMaintainOverReset) != 0 ? 1 : 0;
    doNotStop_ = (icon.KindByte() & CSchedIcon::kDoNotStop) != 0 ? 1 : 0;

    On(Notification::Clicked, res::kIdcSchedMonthly, [this](NotifyEvent&) { OnViewClicked(kMonthlyView); });
    On(Notification::Clicked, res::kIdcSchedWeekly, [this](NotifyEvent&) { OnViewClicked(kWeeklyView); });
    On(Notification::Clicked, res::kIdcSchedPeriodic, [this](NotifyEvent&) { OnViewClicked(kPeriodicView); });
    On(Notification::SelectionChanged, res::kIdcSchedEvery, [this](NotifyEvent&) {
        ReadCombos();
        UpdateSuffix();
    });
    On(Notification::SelectionChanged, res::kIdcSchedKind, [this](NotifyEvent&) { OnKindChanged(); });
    On(Notification::Clicked, res::kIdcSchedNow, [this](NotifyEvent&) { OnNow(); });
    On(Notification::Clicked, res::kIdcSchedStartAm, [this](NotifyEvent&) { OnAmPm(res::kIdcSchedStartTime, false); });
    On(Notification::Clicked, res::kIdcSchedStartPm, [this](NotifyEvent&) { OnAmPm(res::kIdcSchedStartTime, true); });
    On(Notification::Clicked, res::kIdcSchedStopAm, [this](NotifyEvent&) { OnAmPm(res::kIdcSchedStopTime, false); });
    On(Notification::Clicked, res::kIdcSchedStopPm, [this](NotifyEvent&) { OnAmPm(res::kIdcSchedStopTime, true); });
    for (const int id : {res::kIdcSchedStartTime, res::kIdcSchedStopTime})
        On(Notification::Changed, id, [this](NotifyEvent&) { DeriveAmPm(); });
    On(Notification::Clicked, res::kIdcSchedDoNotStop, [this](NotifyEvent&) { UpdateStopControls(); });
}

int CSchedDialog::BestUnit(std::uint32_t seconds)
{
    if (seconds == 0)
        return 0;
    int unit = 0;
    while (unit + 1 < static_cast<int>(kUnitSeconds.size())
        && seconds % kUnitSeconds[static_cast<std::size_t>(unit + 1)] == 0)
        ++unit;
    return unit;
}

std::string_view CSchedDialog::OrdinalSuffix(int index)
{
    switch (index) {
    case 0:
    case 20:
    case 30: return "st";
    case 1:
    case 21: return "nd";
    case 2:
    case 22: return "rd";
    default: return "th";
    }
}

CSchedDialog::View CSchedDialog::CurrentView() const
{
    if (kind_ == CSchedIcon::kWeekly)
        return kWeeklyView;
    if (kind_ == CSchedIcon::kPeriodic)
        return kPeriodicView;
    return kMonthlyView;
}

DateTimeControl* CSchedDialog::Picker(int id) const
{
    return GetControlAs<DateTimeControl>(id);
}

bool CSchedDialog::OnInitDialog()
{
    if (auto* combo = GetControlAs<ComboBoxControl>(res::kIdcSchedHighUnit))
        FillComboBox(*combo, kUnitTexts, 0, static_cast<int>(kUnitTexts.size()) - 1);
    const std::int64_t now = Application::Instance().GetClock().CalendarSeconds();
    const std::int64_t start = sched_.Start() != 0 ? sched_.Start() : now;
    const std::int64_t stop = sched_.Stop() != 0 ? sched_.Stop() : now + kSecondsPerDay;
    for (const auto& [dateId, timeId, seconds] : {std::tuple{res::kIdcSchedStartDate, res::kIdcSchedStartTime, start},
             std::tuple{res::kIdcSchedStopDate, res::kIdcSchedStopTime, stop}})
        if (auto* date = Picker(dateId); date != nullptr)
            if (auto* time = Picker(timeId); time != nullptr)
                ShowLocalSeconds(*date, *time, seconds);
    const bool result = CIconDialog::OnInitDialog();
    // The HIGH value shares its id with the shared third input row, which
    // the base hides and empties: it is this dialog's edit here.
    if (auto* high = GetControlAs<EditControl>(res::kIdcSchedHighValue)) {
        high->SetReadOnly(false);
        high->Show(true);
        high->SetText(std::to_string(highValue_));
    }
    const View view = CurrentView();
    for (const auto& [id, shown] : {std::pair{res::kIdcSchedMonthly, kMonthlyView},
             std::pair{res::kIdcSchedWeekly, kWeeklyView}, std::pair{res::kIdcSchedPeriodic, kPeriodicView}})
        if (auto* radio = GetControlAs<ButtonControl>(id))
            radio->SetCheck(view == shown ? 1 : 0);
    DeriveAmPm();
    ShowView();
    UpdateStopControls();
    return result;
}

void CSchedDialog::DoDataExchange(DataExchange& exchange)
{
    DdxInt(exchange, res::kIdcSchedHighValue, highValue_);
    DdxComboIndex(exchange, res::kIdcSchedHighUnit, highUnit_);
    DdxCheck(exchange, res::kIdcSchedMaintain, maintain_);
    DdxCheck(exchange, res::kIdcSchedDoNotStop, doNotStop_);
    CIconDialog::DoDataExchange(exchange);
}

void CSchedDialog::ShowView()
{
    const View view = CurrentView();
    std::array<bool, kBoxCount> shown{};
    std::array<int, kBoxCount> checked{};
    std::array<std::string_view, kBoxCount> labels{};
    if (view == kWeeklyView) {
        for (std::size_t bit = 0; bit < kWeekdayBoxes.size(); ++bit) {
            const auto at = static_cast<std::size_t>(kWeekdayBoxes[bit] - res::kIdcSchedFirstBox);
            shown[at] = true;
            labels[at] = kDayTexts[bit + 1];
            checked[at] = (weekdays_ >> bit) & 1;
        }
    } else if (view == kMonthlyView) {
        for (std::size_t month = 0; month < kMonthTexts.size(); ++month) {
            shown[month] = true;
            labels[month] = kMonthTexts[month];
            checked[month] = (months_ >> month) & 1;
        }
    }
    for (int id = res::kIdcSchedFirstBox; id <= res::kIdcSchedLastBox; ++id) {
        auto* box = GetControlAs<ButtonControl>(id);
        if (box == nullptr)
            continue;
        const auto at = static_cast<std::size_t>(id - res::kIdcSchedFirstBox);
        box->Show(shown[at]);
        if (shown[at]) {
            box->SetText(labels[at]);
            box->SetCheck(checked[at]);
        }
    }

    // The number list and the second combo of the view; indexes that the
    // new lists do not hold go back to the first entry.
    const int last = view == kWeeklyView ? kWeeklyLast : view == kMonthlyView ? kMonthlyLast : kPeriodicLast;
    if (everyIndex_ < 0 || everyIndex_ >= last)
        everyIndex_ = 0;
    if (auto* every = GetControlAs<ComboBoxControl>(res::kIdcSchedEvery)) {
        FillComboBox(*every, 1, last);
        every->SetCurSel(everyIndex_);
    }
    if (auto* kind = GetControlAs<ComboBoxControl>(res::kIdcSchedKind)) {
        if (view == kPeriodicView)
            FillComboBox(*kind, kUnitTexts, 0, static_cast<int>(kUnitTexts.size()) - 1);
        else
            FillComboBox(*kind, kDayTexts, 0, static_cast<int>(kDayTexts.size()) - 1);
        if (kindIndex_ < 0 || kindIndex_ >= kind->GetCount())
            kindIndex_ = 0;
        kind->SetCurSel(kindIndex_);
        kind->Show(view != kWeeklyView);
    }
    if (Control* text = GetControl(res::kIdcSchedWeekText))
        text->Show(view == kWeeklyView);
    if (Control* text = GetControl(res::kIdcSchedMonthText))
        text->Show(view == kMonthlyView);
    if (Control* suffix = GetControl(res::kIdcSchedSuffix))
        suffix->Show(view != kPeriodicView);
    UpdateSuffix();
}

void CSchedDialog::UpdateSuffix()
{
    if (Control* suffix = GetControl(res::kIdcSchedSuffix))
        suffix->SetText(OrdinalSuffix(everyIndex_));
}

void CSchedDialog::ReadCombos()
{
    if (const auto* every = GetControlAs<ComboBoxControl>(res::kIdcSchedEvery))
        everyIndex_ = every->GetCurSel();
    if (const auto* kind = GetControlAs<ComboBoxControl>(res::kIdcSchedKind))
        kindIndex_ = kind->GetCurSel();
}

std::uint16_t CSchedDialog::CollectBits() const
{
    const auto checked = [this](int id) {
        const auto* box = GetControlAs<ButtonControl>(id);
        return box != nullptr && box->GetCheck() != 0;
    };
    std::uint16_t bits = 0;
    if (CurrentView() == kWeeklyView) {
        for (std::size_t bit = 0; bit < kWeekdayBoxes.size(); ++bit)
            if (checked(kWeekdayBoxes[bit]))
                bits = static_cast<std::uint16_t>(bits | (1u << bit));
    } else if (CurrentView() == kMonthlyView) {
        for (int month = 0; month < static_cast<int>(kMonthTexts.size()); ++month)
            if (checked(res::kIdcSchedFirstBox + month))
                bits = static_cast<std::uint16_t>(bits | (1u << month));
    }
    return bits;
}

void CSchedDialog::FoldLeavingView()
{
    ReadCombos();
    if (CurrentView() == kWeeklyView)
        weekdays_ = static_cast<std::uint8_t>(CollectBits());
    else if (CurrentView() == kMonthlyView)
        months_ = CollectBits();
}

void CSchedDialog::OnViewClicked(View view)
{
    if (view == CurrentView())
        return;
    FoldLeavingView();
    switch (view) {
    case kMonthlyView:
        if (kindIndex_ > 0 && kindIndex_ < static_cast<int>(kDayTexts.size()) && kind_ != CSchedIcon::kPeriodic) {
            kind_ = CSchedIcon::kMonthlyByWeekday;
        } else {
            // Weekdays chosen in the weekly view carry over as the monthly weekday.
            kind_ = CSchedIcon::kMonthlyByDay;
            kindIndex_ = WeekdayEntry(weekdays_);
        }
        break;
    case kWeeklyView: kind_ = CSchedIcon::kWeekly; break;
    case kPeriodicView: kind_ = CSchedIcon::kPeriodic; break;
    }
    ShowView();
}

void CSchedDialog::OnKindChanged()
{
    ReadCombos();
    if (CurrentView() == kMonthlyView)
        kind_ = kindIndex_ > 0 ? CSchedIcon::kMonthlyByWeekday : CSchedIcon::kMonthlyByDay;
}

void CSchedDialog::OnNow()
{
    const std::int64_t now = Application::Instance().GetClock().CalendarSeconds();
    for (const auto& [dateId, timeId] : {std::pair{res::kIdcSchedStartDate, res::kIdcSchedStartTime},
             std::pair{res::kIdcSchedStopDate, res::kIdcSchedStopTime}})
        if (auto* date = Picker(dateId); date != nullptr)
            if (auto* time = Picker(timeId); time != nullptr)
                ShowLocalSeconds(*date, *time, now);
    DeriveAmPm();
}

void CSchedDialog::OnAmPm(int timeId, bool afternoon)
{
    if (auto* time = Picker(timeId))
        MoveToHalfOfDay(*time, afternoon);
    DeriveAmPm();
}

void CSchedDialog::DeriveAmPm()
{
    for (const auto& [timeId, amId, pmId] :
        {std::tuple{res::kIdcSchedStartTime, res::kIdcSchedStartAm, res::kIdcSchedStartPm},
            std::tuple{res::kIdcSchedStopTime, res::kIdcSchedStopAm, res::kIdcSchedStopPm}}) {
        const auto* time = Picker(timeId);
        auto* am = GetControlAs<ButtonControl>(amId);
        auto* pm = GetControlAs<ButtonControl>(pmId);
        if (time != nullptr && am != nullptr && pm != nullptr)
            ShowHalfOfDay(*time, *am, *pm);
    }
}

void CSchedDialog::UpdateStopControls()
{
    const auto* box = GetControlAs<ButtonControl>(res::kIdcSchedDoNotStop);
    const bool enable = box == nullptr || box->GetCheck() == 0;
    for (const int id : {res::kIdcSchedStopDate, res::kIdcSchedStopTime, res::kIdcSchedStopAm, res::kIdcSchedStopPm})
        if (Control* control = GetControl(id))
            control->Enable(enable);
}

bool CSchedDialog::Refuse(const std::string& text) const
{
    MessageBoxRequest request{Handle(), text, std::string(kErrorCaption), MessageBoxButtons::Ok,
        MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

bool CSchedDialog::ValidateFields()
{
    if (highUnit_ < 0 || highUnit_ >= static_cast<int>(kUnitSeconds.size()))
        return false;
    ReadCombos();
    const View view = CurrentView();
    if (view == kMonthlyView)
        kind_ = kindIndex_ > 0 ? CSchedIcon::kMonthlyByWeekday : CSchedIcon::kMonthlyByDay;
    const std::uint16_t bits = CollectBits();
    auto* startDate = Picker(res::kIdcSchedStartDate);
    auto* startTime = Picker(res::kIdcSchedStartTime);
    auto* stopDate = Picker(res::kIdcSchedStopDate);
    auto* stopTime = Picker(res::kIdcSchedStopTime);
    if (startDate == nullptr || startTime == nullptr || stopDate == nullptr || stopTime == nullptr)
        return false;
    for (const auto& [timeId, pmId] : {std::pair{res::kIdcSchedStartTime, res::kIdcSchedStartPm},
             std::pair{res::kIdcSchedStopTime, res::kIdcSchedStopPm}})
        if (const auto* pm = GetControlAs<ButtonControl>(pmId))
            MoveToHalfOfDay(*Picker(timeId), pm->GetCheck() != 0);

    if (view == kWeeklyView && bits == 0)
        return Refuse("At least one day of the week must be selected");
    if (view == kMonthlyView && bits == 0)
        return Refuse("At least one month must be selected");
    if (!InScheduleDateRange(*startDate))
        return Refuse("Start Date must be between 01/01/1980 and 01/01/2038.");
    if (doNotStop_ == 0 && !InScheduleDateRange(*stopDate))
        return Refuse("Stop Date must be between 01/01/1980 and 01/01/2038.");
    const auto start = static_cast<std::uint32_t>(LocalPickerSeconds(*startDate, *startTime));
    // A stop that is not used keeps a moment the logger can hold.
    const auto stop = static_cast<std::uint32_t>(
        InScheduleDateRange(*stopDate) ? LocalPickerSeconds(*stopDate, *stopTime) : start);
    if (doNotStop_ == 0 && stop <= start)
        return Refuse("Stop Time must be set to a time that is later than the start time.");
    const int number = everyIndex_ + 1;
    if (view == kMonthlyView && (bits & kFebruary) != 0 && number > kFebruaryDays)
        return Refuse("February never has more than 29 days.");
    if (view == kMonthlyView && number == kMonthlyLast && (bits & kThirtyDayMonths) != 0)
        return Refuse("April, June, September and November only have 30 days.");
    if (kind_ == CSchedIcon::kMonthlyByWeekday && number == kWeeklyLast)
        return Refuse("Cannot determine if 5th week is valid.");
    if (kind_ == CSchedIcon::kMonthlyByWeekday && number > kWeeklyLast)
        return Refuse("Invalid week of month.");
    if (highValue_ <= 0)
        return Refuse("HIGH time must be greater than zero.");
    const std::uint64_t unit = kUnitSeconds[static_cast<std::size_t>(highUnit_)];
    const std::uint64_t high = static_cast<std::uint64_t>(highValue_) * unit;
    if (high > std::numeric_limits<std::uint32_t>::max())
        return Refuse("HIGH time must be less than "
            + std::to_string(std::numeric_limits<std::uint32_t>::max() / unit + 1) + " "
            + std::string(kUnitNames[static_cast<std::size_t>(highUnit_)]) + ".");
    const bool unitKnown = kindIndex_ >= 0 && kindIndex_ < static_cast<int>(kUnitSeconds.size());
    if (everyIndex_ < 0 || (view == kPeriodicView && !unitKnown))
        return false;

    start_ = start;
    stop_ = stop;
    high_ = static_cast<std::uint32_t>(high);
    storedWeekdays_ = weekdays_;
    storedMonths_ = months_;
    switch (kind_) {
    case CSchedIcon::kMonthlyByDay:
    case CSchedIcon::kMonthlyByWeekday:
        storedMonths_ = bits;
        storedWeekdays_ = static_cast<std::uint8_t>(kindIndex_ > 0 ? 1u << (kindIndex_ - 1) : 0u);
        cycle_ = static_cast<std::uint32_t>(number);
        break;
    case CSchedIcon::kWeekly:
        storedWeekdays_ = static_cast<std::uint8_t>(bits);
        cycle_ = static_cast<std::uint32_t>(number);
        break;
    default: cycle_ = static_cast<std::uint32_t>(number) * kUnitSeconds[static_cast<std::size_t>(kindIndex_)]; break;
    }
    kindByte_ = static_cast<std::uint8_t>(kind_ & CSchedIcon::kKindMask);
    if (maintain_ != 0)
        kindByte_ = static_cast<std::uint8_t>(kindByte_ | CSchedIcon::kMaintainOverReset);
    if (doNotStop_ != 0)
        kindByte_ = static_cast<std::uint8_t>(kindByte_ | CSchedIcon::kDoNotStop);
    return true;
}

void CSchedDialog::ApplyToIcon()
{
    sched_.SetStart(start_);
    sched_.SetStop(stop_);
    sched_.SetHighSeconds(high_);
    sched_.SetCycleValue(cycle_);
    sched_.SetKindByte(kindByte_);
    sched_.SetWeekdays(storedWeekdays_);
    sched_.SetMonths(storedMonths_);
}

}  // namespace corvane
