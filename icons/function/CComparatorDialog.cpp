#include "icons/function/CComparatorDialog.h"

#include "controls/PosFloatEdit.h"
#include "icons/function/CComparatorIcon.h"
#include "platform/ButtonControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "res/ComparatorDialog.h"
#include "res/ResourceIds.h"

#include <array>
#include <utility>

namespace corvane {
namespace {

// The controls of the "Output is LOW when" row.
constexpr std::array kHysteresisRow{res::kIdcComparatorLowLabel, res::kIdcComparatorLowCondition,
    res::kIdcHysteresisAmount, res::kIdcComparatorClose};

}  // namespace

CComparatorDialog::CComparatorDialog(CComparatorIcon& icon, Window* parent)
    : CIconDialog(res::kComparatorDialog, icon, 0, parent),
      comparator_(icon),
      hysteresis_(icon.UsesHysteresis() ? 1 : 0),
      amount_(icon.Hysteresis())
{
    SetSections(true, false, false);
    ShowOptionalConnector(1, true, 1);
    On(Notification::Clicked, res::kIdcHysteresisCheck, [this](NotifyEvent&) { OnHysteresisClicked(); });
    On(Notification::Clicked, res::kIdcComparatorSwap, [this](NotifyEvent&) { OnSwapClicked(); });
}

bool CComparatorDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    PosFloatEdit(*GetControlAs<EditControl>(res::kIdcHysteresisAmount));
    plus_ = InputSourceText(1);
    minus_ = InputSourceText(2);
    ShowConditions();
    return result;
}

void CComparatorDialog::ShowConditions()
{
    GetControl(res::kIdcComparatorCondition)->SetText(plus_ + " > " + minus_);
    GetControl(res::kIdcComparatorLowCondition)->SetText(plus_ + " <  ( " + minus_ + "  - ");
    const bool on = GetControlAs<ButtonControl>(res::kIdcHysteresisCheck)->GetCheck() != 0;
    for (const int id : kHysteresisRow)
        GetControl(id)->Show(on);
}

void CComparatorDialog::OnHysteresisClicked()
{
    Control* amount = GetControl(res::kIdcHysteresisAmount);
    const bool on = GetControlAs<ButtonControl>(res::kIdcHysteresisCheck)->GetCheck() != 0;
    if (!on || amount->GetText().empty())
        amount->SetText("0");
    ShowConditions();
}

void CComparatorDialog::OnSwapClicked()
{
    swapped_ = !swapped_;
    std::swap(plus_, minus_);
    GetControl(CIconDialog::kIdcInput1)->SetText(plus_);
    GetControl(CIconDialog::kIdcInput2)->SetText(minus_);
    ShowConditions();
}

void CComparatorDialog::DoDataExchange(DataExchange& exchange)
{
    DdxCheck(exchange, res::kIdcHysteresisCheck, hysteresis_);
    if (exchange.Saving() && GetControl(res::kIdcHysteresisAmount)->GetText().empty())
        GetControl(res::kIdcHysteresisAmount)->SetText("0");
    DdxFloat(exchange, res::kIdcHysteresisAmount, amount_);
    CIconDialog::DoDataExchange(exchange);
}

void CComparatorDialog::ApplyToIcon()
{
    if (swapped_)
        comparator_.SwapInputs();
    comparator_.SetHysteresis(hysteresis_ != 0, amount_);
}

}  // namespace corvane
