#include "icons/function/CWarmupDialog.h"

#include "base/TickTime.h"
#include "icons/function/CWarmupIcon.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/WarmupDialog.h"
#include "shell/ComboFill.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 4> kUnitTexts{"milliseconds (5 ms resolution)", "Seconds", "Minutes", "Hours"};

// The largest delay of each unit that fits 32 bits of 5 ms ticks, plus one:
// the number the refusal names.
constexpr std::array<std::uint32_t, 4> kUnitLimits{0, 21474837, 357914, 5966};
constexpr std::array<std::string_view, 4> kLimitUnitNames{"milliseconds", "seconds", "minutes", "hours"};

std::string_view UnitsName(int unit)
{
    switch (unit) {
    case kUnitHours: return "hr";
    case kUnitMinutes: return "min";
    case kUnitMilliseconds: return "5ms ticks";
    default: return "sec";
    }
}

}  // namespace

CWarmupDialog::CWarmupDialog(CWarmupIcon& icon, Window* parent)
    : CIconDialog(res::kWarmupDialog, icon, 0, parent), warmup_(icon)
{
    SetSections(false, false, false);
    // The unit list stops at hours: whole days are shown as hours.
    unit_ = GetBestTimeUnit(icon.Delay(), 0);
    if (unit_ > kUnitHours)
        unit_ = kUnitHours;
    if (!ConvertIntervalTicks(value_, false, icon.Delay(), unit_, 0))
        value_ = 0;
    On(Notification::SelectionChanged, res::kIdcWarmupUnit, [this](NotifyEvent&) { OnUnitChanged(); });
}

bool CWarmupDialog::OnInitDialog()
{
    if (auto* combo = GetControlAs<ComboBoxControl>(res::kIdcWarmupUnit))
        FillComboBox(*combo, kUnitTexts, 0, static_cast<int>(kUnitTexts.size()) - 1);
    return CIconDialog::OnInitDialog();
}

void CWarmupDialog::DoDataExchange(DataExchange& exchange)
{
    DdxUnsigned(exchange, res::kIdcWarmupValue, value_);
    DdxComboIndex(exchange, res::kIdcWarmupUnit, unit_);
    CIconDialog::DoDataExchange(exchange);
}

void CWarmupDialog::OnUnitChanged()
{
    const auto* combo = GetControlAs<ComboBoxControl>(res::kIdcWarmupUnit);
    if (combo == nullptr)
        return;
    const int previous = unit_;
    unit_ = combo->GetCurSel();
    CNetDoc* net = warmup_.NetDocument();
    if (net == nullptr)
        return;
    // The notice only informs: either answer keeps the new unit.
    std::string notice;
    net->ConfirmSampleRateChange(previous, unit_, notice, &warmup_);
    if (!notice.empty()) {
        MessageBoxRequest request{Handle(), notice, "Warning", MessageBoxButtons::OkCancel, MessageBoxIcon::Warning};
        Application::Instance().Prompts().ShowMessageBox(request);
    }
}

bool CWarmupDialog::Refuse(const std::string& text) const
{
    MessageBoxRequest request{
        Handle(), text, std::string(kErrorCaption), MessageBoxButtons::Ok, MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

bool CWarmupDialog::ValidateFields()
{
    if (unit_ < kUnitMilliseconds || unit_ > kUnitHours)
        return false;
    const auto at = static_cast<std::size_t>(unit_);
    if (unit_ != kUnitMilliseconds && value_ >= kUnitLimits[at])
        return Refuse("Warmup Time must be less than " + std::to_string(kUnitLimits[at]) + " "
            + std::string(kLimitUnitNames[at]));
    if (value_ == 0)
        return Refuse("Warmup Time must be greater than zero");
    std::uint32_t ticks = 0;
    if (!ConvertIntervalTicks(ticks, true, value_, unit_, 0))
        return false;
    ticks_ = ticks;
    return true;
}

void CWarmupDialog::ApplyToIcon()
{
    warmup_.SetDelay(ticks_);
    warmup_.SetUnitsText(UnitsName(unit_));
}

}  // namespace corvane
