#include "icons/function/CRateOfChangeDialog.h"

#include "icons/function/CRateOfChangeIcon.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/RateOfChangeDialog.h"
#include "res/ResourceIds.h"
#include "shell/RangeChecks.h"

namespace corvane {
namespace {

constexpr std::uint32_t kMinSamples = 1;
constexpr std::uint32_t kMaxSamples = 16;

}  // namespace

CRateOfChangeDialog::CRateOfChangeDialog(CRateOfChangeIcon& icon, Window* parent)
    : CIconDialog(res::kRateOfChangeDialog, icon, 0, parent),
      rate_(icon),
      unit_(icon.UnitIndex()),
      samples_(icon.Samples())
{
    SetSections(true, false, true);
}

bool CRateOfChangeDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    const std::string input = InputSourceText(1);
    GetControl(res::kIdcRateUnitText)->SetText("[" + input + "] Rate is in units:");
    GetControl(res::kIdcRateExplanation)
        ->SetText("Upon Trigger, output the derivative (rate of change) of [" + input +
                  "] calculated over the specified number of Sample intervals.");
    return result;
}

void CRateOfChangeDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcRatePerSecond, unit_);
    DdxUnsigned(exchange, res::kIdcRateSamples, samples_);
    CIconDialog::DoDataExchange(exchange);
}

bool CRateOfChangeDialog::ValidateFields()
{
    return CheckRangeUnsigned(Handle(), samples_, kMinSamples, kMaxSamples, "Number of Samples");
}

void CRateOfChangeDialog::ApplyToIcon()
{
    rate_.SetSamples(static_cast<std::uint16_t>(samples_));
    rate_.SetUnitIndex(unit_);
}

}  // namespace corvane
