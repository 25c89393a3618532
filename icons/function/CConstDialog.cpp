#include "icons/function/CConstDialog.h"

#include "controls/FloatEdit.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "res/ConstDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CConstDialog::CConstDialog(CConstIcon& icon, Window* parent)
    : CIconDialog(res::kConstDialog, icon, icon.HelpContext(), parent),
      constant_(icon),
      kind_(icon.GetKind()),
      value_(icon.Value()),
      state_(icon.SwitchHigh() ? 0 : 1),
      resetChoice_((icon.ModeWord() & CConstIcon::kResetBit) != 0 ? 1 : 0)
{
    SetSections(false, false, kind_ != CConstIcon::Kind::RemoteSwitch);
}

CConstDialog::~CConstDialog() = default;

std::string_view CConstDialog::KindCaption(CConstIcon::Kind kind)
{
    switch (kind) {
    case CConstIcon::Kind::RemoteConstant: return "Remote Constant";
    case CConstIcon::Kind::RemoteSwitch: return "Remote Control";
    case CConstIcon::Kind::Constant: break;
    }
    return "Constant";
}

bool CConstDialog::ResetChoiceShown() const
{
    return kind_ != CConstIcon::Kind::Constant && constant_.Header().enable.IsConnected();
}

bool CConstDialog::OnInitDialog()
{
    using Kind = CConstIcon::Kind;
    const bool isSwitch = kind_ == Kind::RemoteSwitch;
    const bool remote = kind_ != Kind::Constant;
    SetCaption(KindCaption(kind_));
    const auto show = [this](int id, bool shown) {
        if (Control* control = GetControl(id))
            control->Show(shown);
    };
    show(res::kIdcConstRemoteNote, remote);
    show(res::kIdcConstFunctionGroup, remote);
    show(res::kIdcConstStateLabel, isSwitch);
    show(res::kIdcConstStateHigh, isSwitch);
    show(res::kIdcConstStateLow, isSwitch);
    show(res::kIdcConstValueLabel, !isSwitch);
    show(res::kIdcConstValue, !isSwitch);
    show(res::kIdcConstUnitsLabel, !isSwitch);
    show(CIconDialog::kIdcUnits, !isSwitch);
    show(res::kIdcConstSpecialGroup, ResetChoiceShown());
    show(res::kIdcConstRetain, ResetChoiceShown());
    show(res::kIdcConstReset, ResetChoiceShown());
    if (Control* label = GetControl(res::kIdcConstValueLabel))
        label->SetText(kind_ == Kind::Constant ? "Constant Value:" : "Initial Value:");
    if (!isSwitch) {
        if (Control* retain = GetControl(res::kIdcConstRetain))
            retain->SetText("Retain last set value when Enabled after prior Disable");
        if (Control* reset = GetControl(res::kIdcConstReset))
            reset->SetText("Reset to initial value when Enabled after prior Disable");
        if (auto* edit = GetControlAs<EditControl>(res::kIdcConstValue))
            valueEdit_ = std::make_unique<FloatEdit>(*edit);
    }
    return CIconDialog::OnInitDialog();
}

void CConstDialog::DoDataExchange(DataExchange& exchange)
{
    if (kind_ == CConstIcon::Kind::RemoteSwitch)
        DdxRadio(exchange, res::kIdcConstStateHigh, state_);
    else
        DdxFloat(exchange, res::kIdcConstValue, value_);
    if (ResetChoiceShown())
        DdxRadio(exchange, res::kIdcConstRetain, resetChoice_);
    CIconDialog::DoDataExchange(exchange);
}

void CConstDialog::ApplyToIcon()
{
    if (kind_ == CConstIcon::Kind::RemoteSwitch)
        constant_.SetSwitchHigh(state_ == 0);
    else
        constant_.SetValue(value_);
    if (ResetChoiceShown()) {
        const auto mode = constant_.ModeWord();
        constant_.SetModeWord(static_cast<std::uint16_t>(
            resetChoice_ == 1 ? (mode | CConstIcon::kResetBit) : (mode & ~CConstIcon::kResetBit)));
    }
}

}  // namespace corvane
