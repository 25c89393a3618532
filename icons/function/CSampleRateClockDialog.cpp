#include "icons/function/CSampleRateClockDialog.h"
#include "icons/function/TickLimits.h"
#include "netmodel/IconWarnings.h"

#include "base/TickTime.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/SampleRateClockDialog.h"
#include "shell/CAdvisoryDlg.h"
#include "shell/ComboFill.h"

#include <array>

namespace corvane {
namespace {

constexpr std::size_t kValueDigits = 4;
constexpr std::uint32_t kDayLimit = 249;
constexpr std::uint32_t kHourLimit = 5966;

constexpr std::array<std::string_view, 5> kAlternateUnitTexts{"Milliseconds", "Seconds", "Minutes", "Hours", "Days"};
constexpr std::array<std::string_view, 5> kUnitShortNames{"mSec", "Sec", "Min", "Hr", "Day"};

constexpr std::string_view kMillisecondNotice = icon_warning::kMillisecondRates;
constexpr std::string_view kScanPeriodNotice = icon_warning::kNetScanPeriod;

// The value shown for a tick count in its best unit (1 when it does not convert).
std::uint32_t ValueInUnit(std::uint32_t ticks, int unit)
{
    return TicksInUnit(ticks, unit, 1);
}

}  // namespace

CSampleRateClockDialog::CSampleRateClockDialog(CSampleRateClockIcon& icon, Window* parent)
    : CIconDialog(res::kSampleRateClockDialog, icon, 0, parent),
      clock_(icon),
      alternateLinked_(icon.IsAlternateLinked()),
      unit_(GetBestTimeUnit(icon.Interval(), 0)),
      alternateUnit_(GetBestTimeUnit(icon.AlternateInterval(), 0))
{
    value_ = ValueInUnit(icon.Interval(), unit_);
    alternateValue_ = ValueInUnit(icon.AlternateInterval(), alternateUnit_);
    SetSections(alternateLinked_, false, false);
    On(Notification::SelectionChanged, res::kIdcClockUnit,
        [this](NotifyEvent&) { OnUnitChanged(res::kIdcClockUnit, unit_); });
    On(Notification::SelectionChanged, res::kIdcClockAlternateUnit,
        [this](NotifyEvent&) { OnUnitChanged(res::kIdcClockAlternateUnit, alternateUnit_); });
    On(Notification::Clicked, res::kIdcClockRateAsName, [this](NotifyEvent&) { OnRateAsName(); });
}

bool CSampleRateClockDialog::OnInitDialog()
{
    for (const int id : {res::kIdcClockValue, res::kIdcClockAlternateValue})
        if (auto* edit = GetControlAs<EditControl>(id))
            edit->SetLimitText(kValueDigits);
    if (auto* combo = GetControlAs<ComboBoxControl>(res::kIdcClockUnit))
        FillComboBox(*combo, kIntervalUnitTexts, 0, static_cast<int>(kIntervalUnitTexts.size()) - 1);
    if (auto* combo = GetControlAs<ComboBoxControl>(res::kIdcClockAlternateUnit))
        FillComboBox(*combo, kAlternateUnitTexts, 0, static_cast<int>(kAlternateUnitTexts.size()) - 1);
    for (const int id : {res::kIdcClockAlternateLabel, CIconDialog::kIdcInput1, res::kIdcClockAlternateHigh,
             res::kIdcClockAlternateRateLabel, res::kIdcClockAlternateValue, res::kIdcClockAlternateUnit})
        if (Control* control = GetControl(id))
            control->Show(alternateLinked_);
    return CIconDialog::OnInitDialog();
}

void CSampleRateClockDialog::DoDataExchange(DataExchange& exchange)
{
    DdxUnsigned(exchange, res::kIdcClockValue, value_);
    DdxComboIndex(exchange, res::kIdcClockUnit, unit_);
    // The alternate rate is shown always and read only while it is in use.
    if (alternateLinked_ || !exchange.Saving()) {
        DdxUnsigned(exchange, res::kIdcClockAlternateValue, alternateValue_);
        DdxComboIndex(exchange, res::kIdcClockAlternateUnit, alternateUnit_);
    }
    // Once asked for, the name follows the rate, also when OK is pressed.
    if (exchange.Saving() && exchange.Active() && rateAsName_)
        if (Control* name = GetControl(kIdcName))
            name->SetText(RateName());
    CIconDialog::DoDataExchange(exchange);
}

std::string CSampleRateClockDialog::RateName() const
{
    const Control* value = GetControl(res::kIdcClockValue);
    const auto* unit = GetControlAs<ComboBoxControl>(res::kIdcClockUnit);
    std::uint64_t number = 0;
    if (value == nullptr || unit == nullptr || !ParseUnsigned(value->GetText(), number))
        number = value_;
    const int index = unit != nullptr ? unit->GetCurSel() : unit_;
    const std::string_view shortName = IsIntervalUnit(index) ? kUnitShortNames[static_cast<std::size_t>(index)] : "";
    return std::to_string(number) + "-" + std::string(shortName);
}

void CSampleRateClockDialog::OnRateAsName()
{
    rateAsName_ = true;
    if (Control* name = GetControl(kIdcName))
        name->SetText(RateName());
}

int CSampleRateClockDialog::ResolutionUnit() const
{
    const bool milliseconds =
        unit_ == kUnitMilliseconds || (alternateLinked_ && alternateUnit_ == kUnitMilliseconds);
    return milliseconds ? kUnitMilliseconds : kUnitSeconds;
}

void CSampleRateClockDialog::OnUnitChanged(int comboId, int& unit)
{
    auto* combo = GetControlAs<ComboBoxControl>(comboId);
    if (combo == nullptr)
        return;
    const int previous = unit;
    const int before = ResolutionUnit();
    unit = combo->GetCurSel();
    // The net document asks when the clock as a whole moves to or from
    // millisecond resolution; No keeps the unit it had.
    if (CNetDoc* net = clock_.NetDocument()) {
        std::string question;
        net->ConfirmSampleRateChange(before, ResolutionUnit(), question, &clock_);
        if (!question.empty()) {
            MessageBoxRequest request{Handle(), question, "Warning", MessageBoxButtons::YesNo,
                MessageBoxIcon::Question};
            if (Application::Instance().Prompts().ShowMessageBox(request) != kIdYes) {
                unit = previous;
                combo->SetCurSel(previous);
                return;
            }
        }
    }
    if (rateAsName_)
        OnRateAsName();
}

bool CSampleRateClockDialog::Refuse(const std::string& text) const
{
    MessageBoxRequest request{Handle(), text, std::string(kErrorCaption), MessageBoxButtons::Ok,
        MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

bool CSampleRateClockDialog::CheckLimits(std::uint32_t value, int unit, std::string_view what) const
{
    if (unit == kUnitDays && value >= kDayLimit)
        return Refuse(std::string(what) + " must be less than " + std::to_string(kDayLimit) + " days");
    if (unit == kUnitHours && value >= kHourLimit)
        return Refuse(std::string(what) + " must be less than " + std::to_string(kHourLimit) + " hours");
    return true;
}

bool CSampleRateClockDialog::ValidateFields()
{
    if (!IsIntervalUnit(unit_) || !IsIntervalUnit(alternateUnit_))
        return false;
    if (!CheckLimits(value_, unit_, "Sample Rate"))
        return false;
    if (alternateLinked_) {
        if (!CheckLimits(alternateValue_, alternateUnit_, "Alternate Sample Rate"))
            return false;
        if (alternateValue_ == 0)
            return Refuse("Alternate Sample Rate must be greater than zero");
    }
    if (value_ == 0)
        return Refuse("Sample Rate must be greater than zero");

    // An alternate rate that is not in use keeps its ticks as they are.
    std::uint32_t ticks = 0;
    std::uint32_t alternateTicks = clock_.AlternateInterval();
    if (!ConvertIntervalTicks(ticks, true, value_, unit_, 0))
        return false;
    if (alternateLinked_ && !ConvertIntervalTicks(alternateTicks, true, alternateValue_, alternateUnit_, 0))
        return false;
    if (!ShowBatteryNotices())
        return false;
    ticks_ = ticks;
    alternateTicks_ = alternateTicks;
    return true;
}

bool CSampleRateClockDialog::ShowBatteryNotices()
{
    clearedNotices_ = 0;
    CNetDoc* net = clock_.NetDocument();
    if (net == nullptr || !clock_.IsBatteryPoweredNet())
        return true;
    const std::uint16_t pending = clock_.Header().warningFlags;
    if (ResolutionUnit() == kUnitMilliseconds) {
        if ((pending & CSampleRateClockIcon::kMillisecondNoticePending) == 0)
            return true;
        if (net->ShowAdvisory(CAdvisoryDlg::kOkCancel, kMillisecondNotice) == kIdCancel)
            return false;
        clearedNotices_ = CSampleRateClockIcon::kMillisecondNoticePending;
        return true;
    }
    if ((pending & CSampleRateClockIcon::kScanPeriodNoticePending) != 0) {
        net->ShowAdvisory(CAdvisoryDlg::kOk, kScanPeriodNotice);
        clearedNotices_ = CSampleRateClockIcon::kScanPeriodNoticePending;
    }
    return true;
}

void CSampleRateClockDialog::ApplyToIcon()
{
    clock_.SetInterval(ticks_);
    clock_.SetAlternateInterval(alternateTicks_);
    clock_.Header().warningFlags = static_cast<std::uint16_t>(clock_.Header().warningFlags & ~clearedNotices_);
}

}  // namespace corvane
