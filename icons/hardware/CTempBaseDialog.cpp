#include "icons/hardware/CTempBaseDialog.h"

#include "icons/hardware/CTempBaseIcon.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"
#include "res/TempBaseDialog.h"

namespace corvane {

CTempBaseDialog::CTempBaseDialog(CTempBaseIcon& icon, Window* parent)
    : CIconDialog(res::kTempBaseDialog, icon, 0, parent), temperature_(icon)
{
    SetSections(false, true, false);
}

bool CTempBaseDialog::OnInitDialog()
{
    unitIndex_ = temperature_.UnitWord() == CTempBaseIcon::kCelsius ? kCelsiusIndex : kFahrenheitIndex;
    return CIconDialog::OnInitDialog();
}

void CTempBaseDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcTempBaseFahrenheit, unitIndex_);
    CIconDialog::DoDataExchange(exchange);
}

void CTempBaseDialog::ApplyToIcon()
{
    const bool celsius = unitIndex_ != kFahrenheitIndex;
    temperature_.SetUnit(celsius ? CTempBaseIcon::kCelsius : CTempBaseIcon::kFahrenheit);
    // The icons fed by the output take its new unit text.
    for (const LinkedInput& linked : temperature_.FindLinkedInputs(0))
        linked.icon->PropagateSourceLabels(temperature_, 0);
}

}  // namespace corvane
