#include "icons/hardware/CJC_VXM_7Dialog.h"

#include "icons/hardware/CVXM_7inputsIcon.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"
#include "res/VxmColdJunctionDialog.h"

namespace corvane {
namespace {

using Icon = CVXM_7inputsIcon;

std::string_view UnitText(int index) { return index == CJC_VXM_7Dialog::kFahrenheitIndex ? "'F" : "'C"; }

}  // namespace

CJC_VXM_7Dialog::CJC_VXM_7Dialog(CVXM_7inputsIcon& icon, Window* parent)
    : CIconDialog(res::kVxmColdJunctionDialog, icon, 0, parent), junction_(icon)
{
    SetSections(false, true, true);
    On(Notification::Clicked, res::kIdcVxmCelsius, [this](NotifyEvent&) { OnUnit(); });
    On(Notification::Clicked, res::kIdcVxmFahrenheit, [this](NotifyEvent&) { OnUnit(); });
}

bool CJC_VXM_7Dialog::OnInitDialog()
{
    unitIndex_ = (junction_.ModeWord() & Icon::kFahrenheit) != 0 ? kFahrenheitIndex : kCelsiusIndex;
    const bool result = CIconDialog::OnInitDialog();
    if (Control* address = GetControl(res::kIdcVxmAddress))
        address->SetText("VEXA-7 Address: " + std::to_string(junction_.Address()));
    return result;
}

void CJC_VXM_7Dialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcVxmCelsius, unitIndex_);
    // The unit text always follows the unit chosen.
    if (exchange.Active() && exchange.Saving())
        ShowUnits();
    CIconDialog::DoDataExchange(exchange);
}

void CJC_VXM_7Dialog::OnUnit()
{
    if (!UpdateData(true))
        return;
    ShowUnits();
}

void CJC_VXM_7Dialog::ShowUnits()
{
    if (Control* units = GetControl(kIdcUnits); units != nullptr && units->GetText() != UnitText(unitIndex_))
        units->SetText(UnitText(unitIndex_));
}

void CJC_VXM_7Dialog::ApplyToIcon()
{
    const bool fahrenheit = unitIndex_ == kFahrenheitIndex;
    junction_.SetModeWord(
        static_cast<std::uint16_t>(Icon::kKindColdJunction | (fahrenheit ? Icon::kFahrenheit : Icon::kCelsius)));
}

}  // namespace corvane
