#include "icons/hardware/CVxmAnalogDialog.h"

#include "icons/hardware/CVXM_7inputsIcon.h"
#include "icons/hardware/VxmSampling.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/SliderControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

using Icon = CVXM_7inputsIcon;

// What the sampling setup enables and disables as one.
constexpr std::array kSamplingControls{res::kIdcVxmSlider, res::kIdcVxmSpeed, res::kIdcVxmResolution,
    res::kIdcVxmSamplingGroup, res::kIdcVxmResolutionCaption, res::kIdcVxmSpeedCaption, res::kIdcVxmSpeedEnd,
    res::kIdcVxmPrecisionEnd, res::kIdcVxmResolutionUnit, res::kIdcVxmSpeedUnit};

void ShowControl(Dialog& dialog, int id, bool show)
{
    if (Control* control = dialog.GetControl(id))
        control->Show(show);
}

void EnableControl(Dialog& dialog, int id, bool enable)
{
    if (Control* control = dialog.GetControl(id))
        control->Enable(enable);
}

void SetControlText(Dialog& dialog, int id, std::string_view text)
{
    if (Control* control = dialog.GetControl(id))
        control->SetText(text);
}

}  // namespace

const std::array<int, CVxmAnalogDialog::kRangeCount> CVxmAnalogDialog::kRangeRadios{res::kIdcVxmRange1,
    res::kIdcVxmRange2, res::kIdcVxmRange3, res::kIdcVxmRange4, res::kIdcVxmRange5, res::kIdcVxmRange6,
    res::kIdcVxmRange7, res::kIdcVxmRange8};

CVxmAnalogDialog::CVxmAnalogDialog(
    const DialogTemplate& layout, CVXM_7inputsIcon& icon, std::uint32_t helpContext, Window* parent)
    : CIconDialog(layout, icon, helpContext, parent), channel_(icon)
{
    SetSections(false, true, true);
    // The platform's slider tells of every move the user makes; each one
    // counts as a release.
    On(Notification::Changed, res::kIdcVxmSlider, [this](NotifyEvent&) { OnSliderReleased(); });
    On(Notification::Clicked, res::kIdcVxmNoiseReject, [this](NotifyEvent&) { OnNoiseReject(); });
    On(Notification::Clicked, res::kIdcVxmScaling, [this](NotifyEvent&) { OnScaling(); });
    On(Notification::Clicked, res::kIdcVxmEditScaling, [this](NotifyEvent&) { EditScaling(); });
    for (const int id : kRangeRadios)
        On(Notification::Clicked, id, [this](NotifyEvent&) { OnRangeClicked(); });
}

bool CVxmAnalogDialog::OnInitDialog()
{
    const std::uint16_t mode = channel_.ModeWord();
    samplingCode_ = Icon::SamplingCode(mode);
    noiseReject_ = samplingCode_ == Icon::kNoiseRejectSampling ? 1 : 0;
    excitation_ = (mode & Icon::kExcitation) != 0 ? 1 : 0;
    scaling_ = (mode & Icon::kScaling) != 0 ? 1 : 0;
    // Points with equal signal levels give no line: the equation stays 1 and 0,
    // as it does while scaling is off.
    scalingEditor_.Load(channel_.Points());
    if (scaling_ == 0)
        scalingEditor_.ClearEquation();
    rangeIndex_ = Icon::kRangeMask - (mode & Icon::kRangeMask);
    speed_ = 8;
    slider_ = 3;
    const bool result = CIconDialog::OnInitDialog();
    if (auto* slider = GetControlAs<SliderControl>(res::kIdcVxmSlider))
        slider->SetRange(kVxmSliderMin, kVxmSliderMax);
    return result;
}

void CVxmAnalogDialog::DoDataExchange(DataExchange& exchange)
{
    ExchangeRange(exchange);
    DdxCheck(exchange, res::kIdcVxmNoiseReject, noiseReject_);
    DdxCheck(exchange, res::kIdcVxmExcitation, excitation_);
    DdxCheck(exchange, res::kIdcVxmScaling, scaling_);
    if (auto* slider = GetControlAs<SliderControl>(res::kIdcVxmSlider); slider != nullptr && exchange.Active()) {
        if (exchange.Saving())
            slider_ = slider->GetPos();
        else
            slider->SetPos(slider_);
    }
    CIconDialog::DoDataExchange(exchange);
}

void CVxmAnalogDialog::ExchangeRange(DataExchange& exchange) { DdxRadio(exchange, res::kIdcVxmRange1, rangeIndex_); }

std::uint16_t CVxmAnalogDialog::CommonModeBits() const
{
    unsigned mode = 0;
    if (scaling_ != 0)
        mode |= Icon::kScaling;
    if (excitation_ != 0)
        mode |= Icon::kExcitation;
    const unsigned code = noiseReject_ != 0 ? Icon::kNoiseRejectSampling : static_cast<unsigned>(samplingCode_);
    mode |= (code & 0x0F) << Icon::kSamplingShift;
    return static_cast<std::uint16_t>(mode);
}

void CVxmAnalogDialog::ShowChannelCaption(std::string_view kindText)
{
    ShowCaption(std::string(kindText) + "Chan: " + std::to_string(channel_.Address()) + "_"
        + static_cast<char>('A' + channel_.Channel()));
}

void CVxmAnalogDialog::ShowCaption(std::string_view caption)
{
    caption_ = std::string(caption);
    SetCaption(caption);
}

void CVxmAnalogDialog::RefreshSampling()
{
    if (samplingCode_ >= kVxmSliderMin && samplingCode_ <= kVxmSliderMax) {
        const VxmSampling sampling = SamplingForCode(samplingCode_);
        speed_ = sampling.speed;
        slider_ = sampling.slider;
    } else if (samplingCode_ != Icon::kNoiseRejectSampling) {
        // Noise rejection keeps the speed it fixed; any other code reads as 8 samples/sec.
        speed_ = 8;
        slider_ = 3;
    }
    const bool active = samplingCode_ != Icon::kNoiseRejectSampling && noiseReject_ == 0
        && samplingCode_ >= kVxmSliderMin && samplingCode_ <= kVxmSliderMax;
    SetControlText(*this, res::kIdcVxmSpeed, active ? std::to_string(speed_) : std::string());
    SetControlText(
        *this, res::kIdcVxmResolution, active ? std::to_string(ResolutionBits(rangeIndex_, slider_)) : std::string());
    for (const int id : kSamplingControls)
        EnableControl(*this, id, active);
}

void CVxmAnalogDialog::RefreshScaling()
{
    const bool offered = ScalingOffered();
    ShowControl(*this, res::kIdcVxmScaling, offered);
    ShowControl(*this, res::kIdcVxmEditScaling, offered);
    const bool on = scaling_ != 0;
    EnableControl(*this, res::kIdcVxmEditScaling, on);
    SetControlText(*this, res::kIdcVxmScaling, scalingEditor_.CheckText(on));
}

void CVxmAnalogDialog::OnSliderReleased()
{
    if (!UpdateData(true))
        return;
    samplingCode_ = slider_;
    RefreshSampling();
    UpdateData(false);
}

void CVxmAnalogDialog::OnNoiseReject()
{
    if (!UpdateData(true))
        return;
    samplingCode_ = noiseReject_ != 0 ? Icon::kNoiseRejectSampling : SamplingCodeForSpeed(speed_);
    RefreshSampling();
    UpdateData(false);
}

void CVxmAnalogDialog::OnRangeClicked()
{
    if (!UpdateData(true))
        return;
    OnRangeChosen();
    RefreshSampling();
    UpdateData(false);
}

void CVxmAnalogDialog::OnScaling()
{
    if (!UpdateData(true))
        return;
    RefreshScaling();
    UpdateData(false);
}

void CVxmAnalogDialog::EditScaling()
{
    if (!UpdateData(true))
        return;
    // The points reach the icon on OK of this dialog only.
    scalingEditor_.Edit(*this);
    RefreshScaling();
    UpdateData(false);
}

void CVxmAnalogDialog::ApplyToIcon()
{
    channel_.SetModeWord(ComposeModeWord());
    channel_.SetPoints(scalingEditor_.Points());
}

}  // namespace corvane
