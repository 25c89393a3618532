#include "icons/function/CDutyCycleDialog.h"

#include "icons/function/CDCintIcon.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/DutyCycleDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::string_view kPercentLabel = "%";

}  // namespace

CDutyCycleDialog::CDutyCycleDialog(CDCintIcon& icon, Window* parent)
    : CIconDialog(res::kDutyCycleDialog, icon, 0, parent),
      duty_(icon),
      state_((icon.OptionWord() & CDCintIcon::kLowState) != 0 ? 1 : 0),
      format_((icon.OptionWord() & CDCintIcon::kPercent) != 0 ? 0 : 1)
{
    SetSections(true, true, false);
    On(Notification::Clicked, res::kIdcDutyHigh, [this](NotifyEvent&) { ShowState(false); });
    On(Notification::Clicked, res::kIdcDutyLow, [this](NotifyEvent&) { ShowState(true); });
}

bool CDutyCycleDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    const std::string input = InputSourceText(1);
    GetControl(res::kIdcDutyQuestion)->SetText("Calculate Duty-Cycle (portion of Time) that [" + input + "] is:");
    GetControl(res::kIdcDutyExplanation)
        ->SetText("Upon Trigger, Output the portion of the Period that [" + input + "] was ");
    ShowState(state_ == 1);
    return result;
}

void CDutyCycleDialog::ShowState(bool low)
{
    GetControl(res::kIdcDutyState)->SetText(low ? "LOW" : "HIGH");
}

void CDutyCycleDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcDutyHigh, state_);
    DdxRadio(exchange, res::kIdcDutyPercent, format_);
    CIconDialog::DoDataExchange(exchange);
}

void CDutyCycleDialog::ApplyToIcon()
{
    const bool percent = format_ == 0;
    std::uint16_t options = 0;
    if (state_ == 1)
        options |= CDCintIcon::kLowState;
    if (percent)
        options |= CDCintIcon::kPercent;
    duty_.SetOptionWord(options);
    if (duty_.OutputCount() > 0)
        SetOutputData(duty_.GetOutputEntries()[0], percent ? kPercentLabel : std::string_view{});
}

}  // namespace corvane
