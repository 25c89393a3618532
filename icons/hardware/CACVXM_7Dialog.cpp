#include "icons/hardware/CACVXM_7Dialog.h"

#include "icons/hardware/CVXM_7inputsIcon.h"
#include "platform/Control.h"
#include "res/ResourceIds.h"
#include "res/VxmCurrentDialog.h"

namespace corvane {
namespace {

constexpr std::string_view kCaption = "mAdc Input, Isolated                     [VEXA-7]                   ";

}  // namespace

CACVXM_7Dialog::CACVXM_7Dialog(CVXM_7inputsIcon& icon, Window* parent)
    : CVxmAnalogDialog(res::kVxmCurrentDialog, icon, 0, parent)
{}

bool CACVXM_7Dialog::OnInitDialog()
{
    const bool result = CVxmAnalogDialog::OnInitDialog();
    for (const int id : {res::kIdcVxmSettlingLabel, res::kIdcVxmSettlingNote, res::kIdcVxmSettling})
        if (Control* control = GetControl(id))
            control->Enable(false);
    RefreshSampling();
    ShowChannelCaption(kCaption);
    RefreshScaling();
    UpdateData(false);
    return result;
}

std::uint16_t CACVXM_7Dialog::ComposeModeWord() const
{
    const auto range = static_cast<unsigned>(CVXM_7inputsIcon::kRangeMask - rangeIndex_) & CVXM_7inputsIcon::kRangeMask;
    return static_cast<std::uint16_t>(CVXM_7inputsIcon::kKindCurrent | CommonModeBits() | range);
}

}  // namespace corvane
