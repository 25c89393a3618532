#include "icons/function/CTaccumDialog.h"

#include "base/BitHelpers.h"
#include "icons/function/CTaccumIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"
#include "res/TaccumDialog.h"
#include "shell/ComboFill.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 3> kUnitTexts{"Seconds", "Minutes", "Hours"};

int Bit(std::uint16_t word, std::uint16_t mask)
{
    return TestFlags(word, mask) ? 1 : 0;
}

}  // namespace

CTaccumDialog::CTaccumDialog(CTaccumIcon& icon, Window* parent)
    : CIconDialog(res::kTaccumDialog, icon, 0, parent),
      watch_(icon),
      unit_(static_cast<int>(icon.GetUnit())),
      clearOnOutput_(Bit(icon.OptionWord(), CTaccumIcon::kClearOnOutput)),
      clearOnEnable_(Bit(icon.OptionWord(), CTaccumIcon::kClearOnEnable)),
      outputOnDisable_(Bit(icon.OptionWord(), CTaccumIcon::kOutputOnDisable))
{
    SetSections(true, true, false);
}

bool CTaccumDialog::OnInitDialog()
{
    FillComboBox(*GetControlAs<ComboBoxControl>(res::kIdcTaccumUnit), kUnitTexts, 0,
        static_cast<int>(kUnitTexts.size()) - 1);
    const bool result = CIconDialog::OnInitDialog();
    GetControl(res::kIdcTaccumInputText)->SetText("[" + InputSourceText(1) + "] was HIGH.");
    // Nothing in the record keeps this choice, so it is never offered.
    auto* negation = GetControlAs<ButtonControl>(res::kIdcTaccumOnNegation);
    negation->SetCheck(0);
    negation->Enable(false);
    return result;
}

void CTaccumDialog::DoDataExchange(DataExchange& exchange)
{
    DdxComboIndex(exchange, res::kIdcTaccumUnit, unit_);
    DdxCheck(exchange, res::kIdcTaccumClearOnOutput, clearOnOutput_);
    DdxCheck(exchange, res::kIdcTaccumClearOnEnable, clearOnEnable_);
    DdxCheck(exchange, res::kIdcTaccumOutputOnDisable, outputOnDisable_);
    CIconDialog::DoDataExchange(exchange);
}

void CTaccumDialog::ApplyToIcon()
{
    CTaccumIcon::Unit unit = CTaccumIcon::Unit::Seconds;
    if (unit_ == 1)
        unit = CTaccumIcon::Unit::Minutes;
    else if (unit_ == 2)
        unit = CTaccumIcon::Unit::Hours;
    std::uint16_t bits = 0;
    SetFlagBits16(bits, CTaccumIcon::kOutputOnDisable, outputOnDisable_ != 0);
    SetFlagBits16(bits, CTaccumIcon::kClearOnOutput, clearOnOutput_ != 0);
    SetFlagBits16(bits, CTaccumIcon::kClearOnEnable, clearOnEnable_ != 0);
    watch_.SetOptions(unit, bits);
}

}  // namespace corvane
