#include "icons/function/CFilterDialog.h"

#include "icons/function/CFilterIcon.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "res/FilterDialog.h"
#include "res/ResourceIds.h"
#include "shell/RangeChecks.h"

namespace corvane {
namespace {

constexpr std::uint32_t kMaximumFactor = 99;
constexpr std::uint32_t kMinimumSamples = 1;
constexpr std::uint32_t kMaximumSamples = 255;

}  // namespace

CFilterDialog::CFilterDialog(CFilterIcon& icon, Window* parent)
    : CIconDialog(res::kFilterDialog, icon, 0, parent), filter_(icon), mode_(icon.IsLowPass() ? 1 : 0),
      value_(icon.Value())
{
    SetSections(true, false, false);
    // A stored factor beyond the low-pass range opens as the largest one.
    if (mode_ == 1 && value_ > kMaximumFactor)
        value_ = kMaximumFactor;
    for (const int id : {res::kIdcFilterSlidingAverage, res::kIdcFilterLowPass})
        On(Notification::Clicked, id, [this](NotifyEvent&) { ShowModeTexts(); });
}

bool CFilterDialog::OnInitDialog()
{
    if (auto* edit = GetControlAs<EditControl>(res::kIdcFilterValue))
        edit->SetLimitText(kValueDigits);
    const bool result = CIconDialog::OnInitDialog();
    ShowModeTexts();
    return result;
}

void CFilterDialog::ShowModeTexts()
{
    const auto* lowPass = GetControlAs<ButtonControl>(res::kIdcFilterLowPass);
    const bool low = lowPass != nullptr ? lowPass->GetCheck() == 1 : mode_ == 1;
    if (Control* label = GetControl(res::kIdcFilterValueLabel))
        label->SetText(low ? "Smoothing Filter Factor:" : "Number of Samples over which to Average:");
    if (Control* note = GetControl(res::kIdcFilterNote))
        note->SetText(low ? "(Input 0 to 99;  0  = No filtering,  99 = Maximum Filtering)" : "(1 to 255 samples)");
}

void CFilterDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcFilterSlidingAverage, mode_);
    DdxUnsigned(exchange, res::kIdcFilterValue, value_);
    CIconDialog::DoDataExchange(exchange);
}

bool CFilterDialog::ValidateFields()
{
    if (mode_ == 1)
        return CheckRangeUnsigned(Handle(), value_, 0, kMaximumFactor, "Smoothing Filter Factor");
    return CheckRangeUnsigned(Handle(), value_, kMinimumSamples, kMaximumSamples, "Number of Samples");
}

void CFilterDialog::ApplyToIcon() { filter_.SetFilter(mode_ == 1, static_cast<std::uint8_t>(value_)); }

}  // namespace corvane
