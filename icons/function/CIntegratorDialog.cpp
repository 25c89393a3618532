#include "icons/function/CIntegratorDialog.h"

#include "icons/function/CDCintIcon.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/IntegratorDialog.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {

CIntegratorDialog::CIntegratorDialog(CDCintIcon& icon, Window* parent)
    : CIconDialog(res::kIntegratorDialog, icon, 0, parent), integral_(icon), unit_(icon.UnitIndex())
{
    SetSections(true, false, true);
}

bool CIntegratorDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    const std::string input = InputSourceText(1);
    GetControl(res::kIdcRateUnitText)->SetText("[" + input + "] Rate is in units:");
    GetControl(res::kIdcIntegratorExplanation)
        ->SetText("Upon Trigger, Output the Time Integration of [" + input + "] since the last Trigger.");
    return result;
}

void CIntegratorDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcRatePerSecond, unit_);
    CIconDialog::DoDataExchange(exchange);
}

void CIntegratorDialog::ApplyToIcon()
{
    const int unit = std::clamp(unit_, 0, 3);
    integral_.SetOptionWord(static_cast<std::uint16_t>(CDCintIcon::kIntegralBit | (unit << CDCintIcon::kUnitShift)));
}

}  // namespace corvane
