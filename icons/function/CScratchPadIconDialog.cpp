#include "icons/function/CScratchPadIconDialog.h"

#include "controls/FloatEdit.h"
#include "icons/function/CScratchPadIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"
#include "res/ScratchPadDialog.h"
#include "shell/ComboFill.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array<std::string_view, CScratchPadIcon::kRegisters> kRegisterNames{"Register 0", "Register 1",
    "Register 2", "Register 3", "Register 4", "Register 5", "Register 6", "Register 7", "Register 8", "Register 9",
    "Register 10", "Register 11", "Register 12", "Register 13", "Register 14", "Register 15"};

int Bit(std::uint8_t flags, std::uint8_t bit) { return (flags & bit) != 0 ? 1 : 0; }

bool Checked(const Dialog& dialog, int id)
{
    const auto* button = dialog.GetControlAs<ButtonControl>(id);
    return button != nullptr && button->GetCheck() == 1;
}

}  // namespace

CScratchPadIconDialog::CScratchPadIconDialog(CScratchPadIcon& icon, Window* parent)
    : CIconDialog(res::kScratchPadDialog, icon, kHelpContext, parent), scratch_(icon),
      register_(icon.Register() < CScratchPadIcon::kRegisters ? icon.Register() : 0), mode_(icon.IsReadMode() ? 0 : 1),
      retain_(Bit(icon.Flags(), CScratchPadIcon::kRetain)), bounding_(Bit(icon.Flags(), CScratchPadIcon::kBounding)),
      initial_(icon.InitialValue())
{
    SetSections(false, false, false);
    for (const int id : {res::kIdcScratchRead, res::kIdcScratchWrite, res::kIdcScratchBounding})
        On(Notification::Clicked, id, [this](NotifyEvent&) { EnableForMode(); });
}

CScratchPadIconDialog::~CScratchPadIconDialog() = default;

bool CScratchPadIconDialog::OnInitDialog()
{
    if (auto* combo = GetControlAs<ComboBoxControl>(res::kIdcScratchRegister))
        FillComboBox(*combo, kRegisterNames, 0, CScratchPadIcon::kRegisters - 1);
    if (auto* edit = GetControlAs<EditControl>(res::kIdcScratchInitial))
        initialEdit_ = std::make_unique<FloatEdit>(*edit);
    const bool result = CIconDialog::OnInitDialog();
    EnableForMode();
    return result;
}

void CScratchPadIconDialog::EnableForMode()
{
    const bool write = Checked(*this, res::kIdcScratchWrite);
    const bool bounding = write && Checked(*this, res::kIdcScratchBounding);
    for (const int id :
        {res::kIdcScratchInitialLabel, res::kIdcScratchInitial, res::kIdcScratchRetain, res::kIdcScratchBounding})
        if (Control* control = GetControl(id))
            control->Enable(write);
    for (const int id : {res::kIdcScratchBelowMin, res::kIdcScratchAboveMax})
        if (Control* control = GetControl(id))
            control->Enable(bounding);
}

void CScratchPadIconDialog::DoDataExchange(DataExchange& exchange)
{
    DdxComboIndex(exchange, res::kIdcScratchRegister, register_);
    DdxRadio(exchange, res::kIdcScratchRead, mode_);
    DdxCheck(exchange, res::kIdcScratchRetain, retain_);
    DdxCheck(exchange, res::kIdcScratchBounding, bounding_);
    DdxFloat(exchange, res::kIdcScratchInitial, initial_);
    CIconDialog::DoDataExchange(exchange);
}

void CScratchPadIconDialog::ApplyToIcon()
{
    std::uint8_t flags = mode_ == 0 ? CScratchPadIcon::kReadMode : 0;
    if (retain_ != 0)
        flags |= CScratchPadIcon::kRetain;
    if (bounding_ != 0)
        flags |= CScratchPadIcon::kBounding;
    scratch_.SetRegister(static_cast<std::uint8_t>(register_ >= 0 ? register_ : 0));
    scratch_.SetFlags(flags);
    scratch_.SetInitialValue(initial_);
}

}  // namespace corvane
