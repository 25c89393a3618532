#include "icons/function/CWinCompareDialog.h"

#include "controls/PosFloatEdit.h"
#include "icons/function/CComparatorIcon.h"
#include "platform/ButtonControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"
#include "res/WinCompareDialog.h"

namespace corvane {

CWinCompareDialog::CWinCompareDialog(CComparatorIcon& icon, Window* parent)
    : CIconDialog(res::kWinCompareDialog, icon, 0, parent),
      comparator_(icon),
      state_(icon.IsLowBetween() ? 1 : 0),
      hysteresis_(icon.UsesHysteresis() ? 1 : 0),
      amount_(icon.Hysteresis())
{
    SetSections(true, false, false);
    ShowOptionalConnector(1, true, CComparatorIcon::kSignal);
    ShowOptionalInput3(true, true, CComparatorIcon::kLowThreshold);
    On(Notification::Clicked, res::kIdcHysteresisCheck, [this](NotifyEvent&) { OnHysteresisClicked(); });
    On(Notification::Clicked, res::kIdcWinCompareHigh, [this](NotifyEvent&) { ShowDescription(); });
    On(Notification::Clicked, res::kIdcWinCompareLow, [this](NotifyEvent&) { ShowDescription(); });
}

std::string CWinCompareDialog::Describe(bool low, bool hysteresis, const std::string& high, const std::string& signal,
    const std::string& lowThreshold)
{
    const std::string state = low ? "LOW" : "HIGH";
    if (!hysteresis)
        return "Output is " + state + " when " + signal + " > " + lowThreshold + " AND " + signal + " < " + high;
    return "When " + signal + " is Increasing: Output transitions " + state + " when " + signal + " is > ["
        + lowThreshold + " + Hysteresis] AND " + signal + " < " + high + "\n\n" + "When " + signal
        + " is Decreasing: Output transitions " + state + " when " + signal + " is < [" + high
        + " - Hysteresis] AND " + signal + " > " + lowThreshold;
}

bool CWinCompareDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    PosFloatEdit(*GetControlAs<EditControl>(res::kIdcHysteresisAmount));
    ShowDescription();
    return result;
}

void CWinCompareDialog::ShowDescription()
{
    const bool on = GetControlAs<ButtonControl>(res::kIdcHysteresisCheck)->GetCheck() != 0;
    const bool low = GetControlAs<ButtonControl>(res::kIdcWinCompareLow)->GetCheck() != 0;
    GetControl(res::kIdcWinCompareValueLabel)->Show(on);
    GetControl(res::kIdcHysteresisAmount)->Show(on);
    GetControl(res::kIdcWinCompareDescription)
        ->SetText(Describe(low, on, InputSourceText(1), InputSourceText(2), InputSourceText(3)));
}

void CWinCompareDialog::OnHysteresisClicked()
{
    Control* amount = GetControl(res::kIdcHysteresisAmount);
    const bool on = GetControlAs<ButtonControl>(res::kIdcHysteresisCheck)->GetCheck() != 0;
    if (!on || amount->GetText().empty())
        amount->SetText("0");
    ShowDescription();
}

void CWinCompareDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcWinCompareHigh, state_);
    DdxCheck(exchange, res::kIdcHysteresisCheck, hysteresis_);
    if (exchange.Saving() && GetControl(res::kIdcHysteresisAmount)->GetText().empty())
        GetControl(res::kIdcHysteresisAmount)->SetText("0");
    DdxFloat(exchange, res::kIdcHysteresisAmount, amount_);
    CIconDialog::DoDataExchange(exchange);
}

void CWinCompareDialog::ApplyToIcon()
{
    comparator_.SetHysteresis(hysteresis_ != 0, amount_);
    comparator_.SetLowBetween(state_ == 1);
}

}  // namespace corvane
