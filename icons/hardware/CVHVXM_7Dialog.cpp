#include "icons/hardware/CVHVXM_7Dialog.h"

#include "icons/hardware/CVXM_7inputsIcon.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"
#include "res/VxmHighVoltageDialog.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::string_view kCaption = "Vdc Input - High Level Isolated          [VEXA-7]                   ";

}  // namespace

CVHVXM_7Dialog::CVHVXM_7Dialog(CVXM_7inputsIcon& icon, Window* parent)
    : CVxmAnalogDialog(res::kVxmHighVoltageDialog, icon, 0, parent)
{
    On(Notification::Clicked, res::kIdcVxmExtendedSettling, [this](NotifyEvent&) { OnExtendedSettling(); });
}

bool CVHVXM_7Dialog::OnInitDialog()
{
    ShowCaption("High Voltage Analog Input");
    const bool result = CVxmAnalogDialog::OnInitDialog();
    rangeIndex_ = std::max(rangeIndex_, kFirstUserRange);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kFirstUserRange); ++i)
        if (Control* radio = GetControl(kRangeRadios[i]))
            radio->Show(false);
    OnExtendedSettling();
    RefreshSampling();
    ShowChannelCaption(kCaption);
    RefreshScaling();
    UpdateData(false);
    return result;
}

void CVHVXM_7Dialog::ExchangeRange(DataExchange& exchange)
{
    // The two groups: a checked radio of the first gives its index, else the
    // second group's index plus 3.
    int first = rangeIndex_ < kFirstUserRange ? rangeIndex_ : -1;
    int second = rangeIndex_ >= kFirstUserRange ? rangeIndex_ - kFirstUserRange : -1;
    DdxRadio(exchange, res::kIdcVxmRange1, first);
    DdxRadio(exchange, res::kIdcVxmRange4, second);
    if (exchange.Active() && exchange.Saving())
        rangeIndex_ = first >= 0 ? first : second >= 0 ? second + kFirstUserRange : 0;
}

void CVHVXM_7Dialog::OnExtendedSettling()
{
    const auto* check = GetControlAs<ButtonControl>(res::kIdcVxmExtendedSettling);
    const bool on = check != nullptr && check->GetCheck() != 0;
    for (const int id : {res::kIdcVxmSettlingLabel, res::kIdcVxmSettlingNote, res::kIdcVxmSettling})
        if (Control* control = GetControl(id))
            control->Enable(on);
}

std::uint16_t CVHVXM_7Dialog::ComposeModeWord() const
{
    const auto range = static_cast<unsigned>(CVXM_7inputsIcon::kRangeMask - rangeIndex_) & CVXM_7inputsIcon::kRangeMask;
    return static_cast<std::uint16_t>(CVXM_7inputsIcon::kKindHighVoltage | CommonModeBits() | range);
}

}  // namespace corvane
