#include "icons/hardware/CGpdiDialog.h"

#include "icons/hardware/CGpdiIcon.h"
#include "icons/hardware/HardwareIconNet.h"
#include "icons/hardware/OutputTypeCheck.h"
#include "icons/hardware/PictureButtons.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "platform/SliderControl.h"
#include "res/GpdiDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace corvane {
namespace {

constexpr std::uint32_t kEventHelp = 1581;
constexpr std::uint32_t kCounterHelp = 1591;
constexpr std::uint32_t kFrequencyHelp = 1601;

// The slider maps ln(frequency) linearly: position = ln(f) x 1085.7 + 5000,
// and back f = e^(position x 0.00092103405) x 0.01.
constexpr double kPositionPerLn = 1085.7;
constexpr double kPositionOffset = 5000.0;
constexpr double kLnPerPosition = 0.00092103405;
constexpr double kFrequencyScale = 0.01;
constexpr double kDelayCycles = 2.0;  // the worst-case delay is two periods

constexpr std::array kModeRadios{res::kIdcGpdiEvent, res::kIdcGpdiCounter, res::kIdcGpdiFrequency};
constexpr std::array kCountControls{
    res::kIdcGpdiOutputOnDisable, res::kIdcGpdiClearOnEnable, res::kIdcGpdiClearAfterOutput};
constexpr std::array kLogicControls{res::kIdcGpdiHighWhenHigh, res::kIdcGpdiLowWhenHigh, res::kIdcGpdiLogicGroup};
constexpr std::array kFrequencyControls{res::kIdcGpdiSpecialGroup, res::kIdcGpdiFrequencySlider,
    res::kIdcGpdiFrequencyValue, res::kIdcGpdiFrequencyLabel, res::kIdcGpdiDelayValue, res::kIdcGpdiDelayLabel};

int ModeOf(std::uint16_t kind)
{
    switch (kind) {
    case CGpdiIcon::kKindCounter: return CGpdiDialog::kCounter;
    case CGpdiIcon::kKindFrequency: return CGpdiDialog::kFrequency;
    default: return CGpdiDialog::kEvent;
    }
}

std::uint32_t HelpContextOf(int mode)
{
    switch (mode) {
    case CGpdiDialog::kCounter: return kCounterHelp;
    case CGpdiDialog::kFrequency: return kFrequencyHelp;
    default: return kEventHelp;
    }
}

// A counter or frequency icon whose output feeds an on/off input opens in
// event mode.
int OpeningMode(CGpdiIcon& icon)
{
    const int mode = ModeOf(icon.Kind());
    if (mode == CGpdiDialog::kEvent || icon.OutputCount() == 0)
        return mode;
    for (const LinkedInput& linked : icon.FindLinkedInputs(0)) {
        const CInput* input = linked.icon->InputConnector(linked.slot);
        if (input != nullptr && (input->GetDataType() & (data_type::kData | data_type::kLogic)) == data_type::kLogic)
            return CGpdiDialog::kEvent;
    }
    return mode;
}

std::string TwoDecimals(double value)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.2f", value);
    return text.data();
}

std::uint16_t Bit(int on, std::uint16_t bit) { return on != 0 ? bit : std::uint16_t{0}; }

}  // namespace

CGpdiDialog::CGpdiDialog(CGpdiIcon& icon, Window* parent)
    : CIconDialog(res::kGpdiDialog, icon, HelpContextOf(OpeningMode(icon)), parent), gpdi_(icon)
{
    const std::uint16_t mode = icon.ModeWord();
    mode_ = OpeningMode(icon);
    logic_ = (mode & CGpdiIcon::kOutputLowWhenHigh) != 0 ? 1 : 0;
    debounce_ = (mode & CGpdiIcon::kDebounce) != 0 ? 1 : 0;
    pullUp_ = (mode & CGpdiIcon::kPullUp) != 0 ? 1 : 0;
    outputOnDisable_ = (mode & CGpdiIcon::kOutputCountOnDisable) != 0 ? 1 : 0;
    clearOnEnable_ = (mode & CGpdiIcon::kClearCountOnEnable) != 0 ? 1 : 0;
    clearAfterOutput_ = (mode & CGpdiIcon::kClearCountAfterOutput) != 0 ? 1 : 0;
    frequency_ = icon.MinimumFrequency();
    SetSections(false, false, true);

    const std::array<std::pair<int, int>, 6> choosers{{{res::kIdcGpdiEvent, kEvent},
        {res::kIdcGpdiEventPicture, kEvent}, {res::kIdcGpdiCounter, kCounter}, {res::kIdcGpdiCounterPicture, kCounter},
        {res::kIdcGpdiFrequency, kFrequency}, {res::kIdcGpdiFrequencyPicture, kFrequency}}};
    for (const auto& [id, chosen] : choosers)
        On(Notification::Clicked, id, [this, mode = chosen](NotifyEvent&) { SelectMode(mode); });
    On(Notification::Changed, res::kIdcGpdiFrequencySlider, [this](NotifyEvent&) { OnSliderMoved(); });
}

int CGpdiDialog::SliderPositionOf(float frequency)
{
    // A stored frequency that is no positive number starts at the left end.
    if (!(frequency > 0.0F) || !std::isfinite(frequency))
        return kSliderMinimum;
    const double position = std::log(static_cast<double>(frequency)) * kPositionPerLn + kPositionOffset;
    return static_cast<int>(
        std::clamp(position, static_cast<double>(kSliderMinimum), static_cast<double>(kSliderMaximum)));
}

float CGpdiDialog::FrequencyAt(int position)
{
    return static_cast<float>(std::exp(position * kLnPerPosition) * kFrequencyScale);
}

bool CGpdiDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    constexpr std::array kPictures{ButtonPicture{res::kIdcGpdiEventPicture, res::kBitmapGpdiEvent},
        ButtonPicture{res::kIdcGpdiCounterPicture, res::kBitmapGpdiCounter},
        ButtonPicture{res::kIdcGpdiFrequencyPicture, res::kBitmapGpdiFrequency}};
    ShowButtonPictures(*this, kPictures);
    if (auto* slider = GetControlAs<SliderControl>(res::kIdcGpdiFrequencySlider)) {
        slider->SetRange(kSliderMinimum, kSliderMaximum);
        slider->SetPos(SliderPositionOf(frequency_));
    }
    ShowFrequency();
    ShowMode(mode_);
    return result;
}

void CGpdiDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcGpdiHighWhenHigh, logic_);
    DdxCheck(exchange, res::kIdcGpdiDebounce, debounce_);
    DdxCheck(exchange, res::kIdcGpdiPullUp, pullUp_);
    DdxCheck(exchange, res::kIdcGpdiOutputOnDisable, outputOnDisable_);
    DdxCheck(exchange, res::kIdcGpdiClearOnEnable, clearOnEnable_);
    DdxCheck(exchange, res::kIdcGpdiClearAfterOutput, clearAfterOutput_);
    CIconDialog::DoDataExchange(exchange);
}

void CGpdiDialog::ShowFrequency()
{
    const double hz = frequency_;
    if (Control* value = GetControl(res::kIdcGpdiFrequencyValue))
        value->SetText(TwoDecimals(hz));
    if (Control* delay = GetControl(res::kIdcGpdiDelayValue))
        delay->SetText(hz > 0.0 && std::isfinite(hz) ? TwoDecimals(kDelayCycles / hz) : std::string());
}

void CGpdiDialog::OnSliderMoved()
{
    if (const auto* slider = GetControlAs<SliderControl>(res::kIdcGpdiFrequencySlider)) {
        frequency_ = FrequencyAt(slider->GetPos());
        ShowFrequency();
    }
}

void CGpdiDialog::SelectMode(int mode)
{
    const int previous = mode_;
    mode_ = mode;
    ShowMode(previous);
}

void CGpdiDialog::ShowControl(int id, bool show)
{
    if (Control* control = GetControl(id))
        control->Show(show);
}

void CGpdiDialog::SetUnitsText(std::string_view text)
{
    if (Control* units = GetControl(kIdcUnits))
        units->SetText(text);
}

bool CGpdiDialog::ConfirmCounterMode()
{
    if (batteryAccepted_ || !IsBatteryPoweredNet(gpdi_)
        || (gpdi_.Header().warningFlags & CGpdiIcon::kBatteryQuestionPending) == 0)
        return true;
    return NetDocumentOf(gpdi_)->ShowAdvisory(CAdvisoryDlg::kYesNo, kBatteryQuestion) != kIdNo;
}

void CGpdiDialog::ShowMode(int previous)
{
    if (mode_ == kCounter && previous != kCounter) {
        if (!ConfirmCounterMode()) {
            mode_ = previous;
            ShowMode(previous);
            return;
        }
        batteryAccepted_ = true;
        SetUnitsText("Counts");
    }
    for (std::size_t i = 0; i < kModeRadios.size(); ++i)
        if (auto* radio = GetControlAs<ButtonControl>(kModeRadios[i]))
            radio->SetCheck(static_cast<int>(i) == mode_ ? 1 : 0);
    for (const int id : kCountControls)
        ShowControl(id, mode_ == kCounter);
    if (Control* units = GetControl(kIdcUnits))
        units->Enable(mode_ == kCounter);
    for (const int id : kLogicControls)
        ShowControl(id, mode_ == kEvent);
    for (const int id : kFrequencyControls)
        ShowControl(id, mode_ == kFrequency);

    std::string_view modeText = "Counter";
    if (mode_ == kEvent) {
        modeText = "Event";
        SetUnitsText("Hi/Low");
    } else if (mode_ == kFrequency) {
        modeText = "Frequency";
        SetUnitsText("Hz");
    }
    title_ = "General Purpose Digital Input [GPDI]: " + std::string(modeText) + " Mode   ";
    SetCaption(title_);
}

bool CGpdiDialog::ValidateFields()
{
    const int required = mode_ == kEvent ? data_type::kLogic : data_type::kData;
    if (OutputFeedsOnlyType(gpdi_, 0, required))
        return true;
    MessageBoxRequest request{
        Handle(), std::string(kTypeMismatch), "Warning", MessageBoxButtons::Ok, MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

void CGpdiDialog::ApplyToIcon()
{
    const int required = mode_ == kEvent ? data_type::kLogic : data_type::kData;
    AdaptFedInputs(gpdi_, 0, required);

    std::uint16_t kind = CGpdiIcon::kKindEvent;
    if (mode_ == kCounter)
        kind = CGpdiIcon::kKindCounter;
    else if (mode_ == kFrequency)
        kind = CGpdiIcon::kKindFrequency;
    const auto mode = static_cast<std::uint16_t>((gpdi_.ModeWord() & CGpdiIcon::kChannelMask) | kind
        | Bit(debounce_, CGpdiIcon::kDebounce) | Bit(logic_, CGpdiIcon::kOutputLowWhenHigh)
        | Bit(outputOnDisable_, CGpdiIcon::kOutputCountOnDisable) | Bit(clearOnEnable_, CGpdiIcon::kClearCountOnEnable)
        | Bit(clearAfterOutput_, CGpdiIcon::kClearCountAfterOutput) | Bit(pullUp_, CGpdiIcon::kPullUp)
        | CGpdiIcon::kConfirmed);
    gpdi_.SetModeWord(mode);
    if (gpdi_.OutputCount() > 0)
        gpdi_.GetOutputEntries()[0].flags = mode_ == kEvent ? 0 : kInputLinkPlainFlags;
    gpdi_.RebuildConnectors();
    gpdi_.ApplySubtype(kind);
    gpdi_.SetMinimumFrequency(frequency_);
    if (batteryAccepted_)
        gpdi_.Header().warningFlags
            = static_cast<std::uint16_t>(gpdi_.Header().warningFlags & ~CGpdiIcon::kBatteryQuestionPending);
}

}  // namespace corvane
