#include "icons/hardware/CEngInputsDialog.h"
#include "netmodel/IconWarnings.h"

#include "base/Cp1252.h"
#include "icons/hardware/CEngInputsIcon.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/ExcitationCheck.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "platform/PictureControl.h"
#include "platform/PromptSink.h"
#include "res/EngInputsDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"
#include "shell/ComboFill.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

using Icon = CEngInputsIcon;

constexpr std::array kRangeRadios{res::kIdcEngRange1, res::kIdcEngRange2, res::kIdcEngRange3, res::kIdcEngRange4,
    res::kIdcEngRange5, res::kIdcEngRange6, res::kIdcEngRange7};
// A high-level voltage input offers the first four ranges only.
constexpr std::size_t kHighVoltageRanges = 4;

using RangeTexts = std::array<std::string_view, kRangeRadios.size()>;
constexpr RangeTexts kHighVoltageTexts{"+/- 20 V", "+/- 10 V", "+/- 5 V", "+/- 2.5 V", "", "", ""};
constexpr RangeTexts kLowVoltageTexts{
    "+/- 1.25 V", "+/- 625 mV", "+/- 312 mV", "+/- 156 mV", "+/- 78 mV", "+/- 39 mV", "+/- 18 mV"};
constexpr RangeTexts kCurrentTexts{
    "+/- 20 mA", "+/- 10 mA", "+/- 5 mA", "+/- 2.5 mA", "+/- 1.25 mA", "+/- 625 uA", "+/- 312 uA"};
constexpr RangeTexts kCelsiusTexts{"J -200 to +1000 C", "K -270 to +1370 C", "E -270 to +1000 C", "T -270 to +400 C",
    "R -50  to +1768 C", "S -50  to +1768 C", "N -270 to +1300 C"};
constexpr RangeTexts kFahrenheitTexts{"J -328 to +1832 F", "K -454 to +2498 F", "E -454 to +1832 F", "T -454 to +752 F",
    "R -58  to +3214 F", "S -58  to +3214 F", "N -454 to +2372 F"};

constexpr std::array<std::string_view, CEngInputsDialog::kSettlingSteps> kSettlingTexts{"100 %", "120 %", "140 %",
    "160 %", "180 %", "200 %", "220 %", "240 %", "260 %", "280 %", "300 %", "320 %", "340 %", "360 %", "380 %",
    "400 %"};

constexpr std::string_view kExcitationRangeText = "Sensor excitation time must be between 0 and 990 milliseconds";
constexpr std::string_view kExcitationConflictText = icon_warning::kExcitedInputWithExciteIcon;
constexpr std::string_view kSettlingBatteryText = icon_warning::kAdcSettling;
constexpr std::string_view kExcitationBatteryText = icon_warning::kExcitationOnBattery;

// The kind a mode word describes.
int KindOf(std::uint16_t mode)
{
    switch (mode & Icon::kKindMask) {
    case Icon::kKindCurrent: return Icon::kCurrentKind;
    case Icon::kKindCelsius:
    case Icon::kKindFahrenheit: return Icon::kThermocoupleKind;
    default: return (mode & Icon::kHighLevel) != 0 ? Icon::kHighVoltageKind : Icon::kLowVoltageKind;
    }
}

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

void ShowPicture(Dialog& dialog, int id, int bitmapId)
{
    if (auto* picture = dialog.GetControlAs<PictureControl>(id)) {
        const std::string png = Application::Instance().Bitmaps().Get(bitmapId).PngBytes();
        picture->SetImage(std::span(reinterpret_cast<const std::uint8_t*>(png.data()), png.size()));
    }
}

std::string OutputEntryText(const CEngInputsIcon& icon)
{
    if (icon.OutputCount() == 0)
        return {};
    const auto& data = icon.GetOutputEntries()[0].data;
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    return Cp1252ToUtf8(std::string(data.begin(), end));
}

}  // namespace

CEngInputsDialog::CEngInputsDialog(CEngInputsIcon& icon, Window* parent)
    : CIconDialog(res::kEngInputsDialog, icon, HelpContextFor(KindOf(icon.ModeWord())), parent), input_(icon),
      kind_(icon.BitmapId())
{
    SetSections(false, true, true);
    On(Notification::Clicked, res::kIdcEngThermocouple, [this](NotifyEvent&) { SelectInputKind(-1); });
    On(Notification::Clicked, res::kIdcEngLowVoltage, [this](NotifyEvent&) { SelectInputKind(-1); });
    On(Notification::Clicked, res::kIdcEngThermocouplePicture,
        [this](NotifyEvent&) { SelectInputKind(kThermocoupleChoice); });
    On(Notification::Clicked, res::kIdcEngLowVoltagePicture,
        [this](NotifyEvent&) { SelectInputKind(kLowVoltageChoice); });
    On(Notification::Clicked, res::kIdcEngFahrenheit, [this](NotifyEvent&) { OnTemperatureUnit(); });
    On(Notification::Clicked, res::kIdcEngCelsius, [this](NotifyEvent&) { OnTemperatureUnit(); });
    On(Notification::Clicked, res::kIdcEngAutoRange, [this](NotifyEvent&) { OnAutoRange(); });
    On(Notification::Clicked, res::kIdcEngScaling, [this](NotifyEvent&) { OnScaling(); });
    On(Notification::Clicked, res::kIdcEngEditScaling, [this](NotifyEvent&) { EditScaling(); });
    // The scaling's own units are whatever the units edit last held.
    On(Notification::Changed, kIdcUnits, [this](NotifyEvent&) {
        if (const Control* units = GetControl(kIdcUnits))
            scalingUnits_ = units->GetText();
    });
}

std::uint32_t CEngInputsDialog::HelpContextFor(int kind)
{
    switch (kind) {
    case Icon::kHighVoltageKind: return 12507;
    case Icon::kLowVoltageKind: return 12506;
    case Icon::kCurrentKind: return 12508;
    default: return 12505;
    }
}

bool CEngInputsDialog::OnInitDialog()
{
    if (auto* combo = GetControlAs<ComboBoxControl>(res::kIdcEngSettling))
        FillComboBox(*combo, kSettlingTexts, 0, kSettlingSteps - 1);

    const std::uint16_t mode = input_.ModeWord();
    scaling_ = (mode & Icon::kScaling) != 0 && input_.BitmapId() != Icon::kThermocoupleKind ? 1 : 0;
    kind_ = KindOf(mode);
    switch (kind_) {
    case Icon::kCurrentKind: inputChoice_ = -1; break;
    case Icon::kThermocoupleKind: inputChoice_ = kThermocoupleChoice; break;
    default: inputChoice_ = kLowVoltageChoice; break;
    }
    if (kind_ == Icon::kThermocoupleKind)
        temperatureUnit_ = (mode & Icon::kKindMask) == Icon::kKindFahrenheit ? kFahrenheit : kCelsius;
    range_ = mode & Icon::kRangeMask;
    noise_ = (mode & Icon::kReject50Hz) != 0 ? 1 : (mode & Icon::kReject60Hz) != 0 ? 2 : 0;
    settling_ = (mode & Icon::kSettlingMask) >> Icon::kSettlingShift;
    autoRange_ = (mode & Icon::kAutoRange) != 0 && kind_ != Icon::kThermocoupleKind ? 1 : 0;
    scalingEditor_.Load(input_.Points());
    if (scaling_ != 0)
        scalingUnits_ = OutputEntryText(input_);
    excitation_ = static_cast<std::int16_t>(input_.ExcitationTime());

    const bool result = CIconDialog::OnInitDialog();
    UpdateControls();
    return result;
}

void CEngInputsDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcEngRange1, range_);
    DdxRadio(exchange, res::kIdcEngRejectNone, noise_);
    DdxInt(exchange, res::kIdcEngExcitation, excitation_);
    DdxComboIndex(exchange, res::kIdcEngSettling, settling_);
    DdxRadio(exchange, res::kIdcEngThermocouple, inputChoice_);
    DdxCheck(exchange, res::kIdcEngScaling, scaling_);
    DdxCheck(exchange, res::kIdcEngAutoRange, autoRange_);
    DdxRadio(exchange, res::kIdcEngFahrenheit, temperatureUnit_);
    if (!exchange.Active())
        return;
    // The units edit always shows what the kind and the scaling give, in
    // either direction of the exchange.
    if (exchange.Saving()) {
        ShowUnits();
        CIconDialog::DoDataExchange(exchange);
    } else {
        CIconDialog::DoDataExchange(exchange);
        ShowUnits();
    }
}

std::string CEngInputsDialog::OutputUnits() const
{
    if (kind_ == Icon::kThermocoupleKind)
        return temperatureUnit_ == kFahrenheit ? "'F" : "'C";
    if (scaling_ != 0)
        return scalingUnits_;
    return kind_ == Icon::kCurrentKind ? "mA" : "VDC";
}

void CEngInputsDialog::ShowUnits()
{
    const std::string units = OutputUnits();
    if (Control* edit = GetControl(kIdcUnits); edit != nullptr && edit->GetText() != units)
        edit->SetText(units);
}

void CEngInputsDialog::UpdateControls()
{
    ShowPicture(*this, res::kIdcEngThermocouplePicture, Icon::kThermocoupleKind);
    ShowPicture(*this, res::kIdcEngLowVoltagePicture, Icon::kLowVoltageKind);
    for (const int id : kRangeRadios) {
        ShowControl(*this, id, true);
        EnableControl(*this, id, autoRange_ == 0);
    }
    const bool thermocouple = kind_ == Icon::kThermocoupleKind;
    if (Control* group = GetControl(res::kIdcEngRangeGroup))
        group->SetText(thermocouple ? "Type" : "Range");
    ShowControl(*this, res::kIdcEngAutoRange, !thermocouple);
    for (const int id : {res::kIdcEngCelsius, res::kIdcEngFahrenheit})
        ShowControl(*this, id, thermocouple);
    for (const int id : {res::kIdcEngUnitsLabel, kIdcUnits})
        ShowControl(*this, id, !thermocouple);
    const bool switchable = thermocouple || kind_ == Icon::kLowVoltageKind;
    for (const int id : {res::kIdcEngInputTypeGroup, res::kIdcEngThermocouplePicture, res::kIdcEngLowVoltagePicture,
             res::kIdcEngThermocouple, res::kIdcEngLowVoltage})
        ShowControl(*this, id, switchable);
    UpdateRangeTexts();
    SetCaption(input_.GetInputTypeText(kind_));
    UpdateScalingText();
    ShowUnits();
}

void CEngInputsDialog::UpdateRangeTexts()
{
    const RangeTexts* texts = &kLowVoltageTexts;
    switch (kind_) {
    case Icon::kHighVoltageKind: texts = &kHighVoltageTexts; break;
    case Icon::kCurrentKind: texts = &kCurrentTexts; break;
    case Icon::kThermocoupleKind: texts = temperatureUnit_ == kFahrenheit ? &kFahrenheitTexts : &kCelsiusTexts; break;
    default: break;
    }
    for (std::size_t i = 0; i < kRangeRadios.size(); ++i) {
        if (Control* radio = GetControl(kRangeRadios[i]))
            radio->SetText((*texts)[i]);
        if (kind_ == Icon::kHighVoltageKind && i >= kHighVoltageRanges)
            ShowControl(*this, kRangeRadios[i], false);
    }
}

void CEngInputsDialog::UpdateScalingText()
{
    const bool thermocouple = kind_ == Icon::kThermocoupleKind;
    ShowControl(*this, res::kIdcEngScaling, !thermocouple);
    ShowControl(*this, res::kIdcEngEditScaling, !thermocouple);
    if (thermocouple)
        return;
    const bool on = scaling_ != 0;
    for (const int id : {res::kIdcEngEditScaling, res::kIdcEngUnitsLabel, kIdcUnits})
        EnableControl(*this, id, on);
    if (Control* check = GetControl(res::kIdcEngScaling))
        check->SetText(scalingEditor_.CheckText(on));
}

void CEngInputsDialog::SelectInputKind(int choice)
{
    const int previous = inputChoice_;
    if (!UpdateData(true))
        return;
    if (choice == kThermocoupleChoice || choice == kLowVoltageChoice)
        inputChoice_ = choice;
    // Choosing the kind already shown changes nothing.
    if (inputChoice_ != previous) {
        kind_ = inputChoice_ == kLowVoltageChoice ? Icon::kLowVoltageKind : Icon::kThermocoupleKind;
        scaling_ = 0;
        if (inputChoice_ == kThermocoupleChoice)
            autoRange_ = 0;
        range_ = 0;
    }
    UpdateControls();
    UpdateData(false);
}

void CEngInputsDialog::OnTemperatureUnit()
{
    if (!UpdateData(true))
        return;
    UpdateRangeTexts();
    UpdateData(false);
}

void CEngInputsDialog::OnAutoRange()
{
    const auto* check = GetControlAs<ButtonControl>(res::kIdcEngAutoRange);
    const bool on = check != nullptr && check->GetCheck() != 0;
    for (const int id : kRangeRadios)
        EnableControl(*this, id, !on);
}

void CEngInputsDialog::OnScaling()
{
    if (!UpdateData(true))
        return;
    scalingEditor_.ComputeEquation();
    UpdateScalingText();
    UpdateData(false);
}

void CEngInputsDialog::EditScaling()
{
    if (!UpdateData(true))
        return;
    scalingEditor_.Edit(*this);
    UpdateScalingText();
    UpdateData(false);
}

bool CEngInputsDialog::Refuse(std::string_view text) const
{
    Application::Instance().Prompts().ShowMessageBox(
        {Handle(), std::string(text), {}, MessageBoxButtons::Ok, MessageBoxIcon::None});
    return false;
}

void CEngInputsDialog::ConfirmExcitation(CNetDoc& net)
{
    const ExcitationCheck check(net);
    if (check.ExcitationIconPresent() && excitation_ != 0
        && net.ShowAdvisory(CAdvisoryDlg::kOkCancel, kExcitationConflictText) == kIdCancel)
        excitation_ = 0;
}

bool CEngInputsDialog::ConfirmBatteryUse(CNetDoc& net)
{
    if (!IsBatteryPoweredNet(input_))
        return true;
    // A question answered with OK in an earlier attempt is not asked again.
    const auto pending = static_cast<std::uint16_t>(input_.Header().warningFlags & ~acceptedNotices_);
    if (settling_ >= kFirstLongSettling && (pending & Icon::kSettlingNoticePending) != 0) {
        if (net.ShowAdvisory(CAdvisoryDlg::kOkCancel, kSettlingBatteryText) == kIdCancel)
            return false;
        acceptedNotices_ |= Icon::kSettlingNoticePending;
    }
    if (excitation_ != 0 && (pending & Icon::kExcitationNoticePending) != 0) {
        if (net.ShowAdvisory(CAdvisoryDlg::kOkCancel, kExcitationBatteryText) == kIdCancel)
            return false;
        acceptedNotices_ |= Icon::kExcitationNoticePending;
    }
    return true;
}

bool CEngInputsDialog::ValidateFields()
{
    if (excitation_ < 0 || excitation_ > kExcitationLimit)
        return Refuse(kExcitationRangeText);
    if (CNetDoc* net = NetDocumentOf(input_)) {
        ConfirmExcitation(*net);
        UpdateData(false);
        if (!ConfirmBatteryUse(*net))
            return false;
    }
    mode_ = ComposeModeWord();
    return true;
}

std::uint16_t CEngInputsDialog::ComposeModeWord() const
{
    unsigned mode = input_.ModeWord() & Icon::kChannelMask;
    if (scaling_ != 0)
        mode |= Icon::kScaling;
    if (autoRange_ != 0)
        mode |= Icon::kAutoRange;
    mode |= (static_cast<unsigned>(settling_) << Icon::kSettlingShift) & Icon::kSettlingMask;
    if (noise_ == 1)
        mode |= Icon::kReject50Hz;
    else if (noise_ == 2)
        mode |= Icon::kReject60Hz;
    switch (kind_) {
    case Icon::kCurrentKind: mode |= Icon::kKindCurrent; break;
    case Icon::kThermocoupleKind:
        mode |= temperatureUnit_ == kFahrenheit ? Icon::kKindFahrenheit : Icon::kKindCelsius;
        break;
    case Icon::kHighVoltageKind: mode |= Icon::kHighLevel; break;
    default: break;
    }
    // No range chosen (7) makes the input range itself.
    const unsigned range = static_cast<unsigned>(range_) & Icon::kRangeMask;
    mode |= range;
    if (range == Icon::kNoRange)
        mode |= Icon::kAutoRange;
    return static_cast<std::uint16_t>(mode);
}

void CEngInputsDialog::ApplyToIcon()
{
    input_.SetBitmapId(kind_);
    input_.SetModeWord(mode_);
    input_.SetExcitationTime(static_cast<std::uint16_t>(excitation_));
    input_.SetPoints(scalingEditor_.Points());
    input_.Header().warningFlags = static_cast<std::uint16_t>(input_.Header().warningFlags & ~acceptedNotices_);
}

}  // namespace corvane
