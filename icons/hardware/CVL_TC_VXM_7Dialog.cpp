#include "icons/hardware/CVL_TC_VXM_7Dialog.h"

#include "icons/hardware/CVXM_7inputsIcon.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ComboBoxControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/PictureControl.h"
#include "res/ResourceIds.h"
#include "res/VxmLowVoltageDialog.h"
#include "shell/ComboFill.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

using Icon = CVXM_7inputsIcon;

constexpr std::uint32_t kVoltageHelp = 1501;
constexpr std::uint32_t kThermocoupleHelp = 1521;
// The pictures of the two kinds' buttons.
constexpr int kThermocouplePicture = 407;
constexpr int kVoltagePicture = 405;

constexpr std::string_view kVoltageCaption = "Vdc Input - Low Level Isolated          [VEXA-7]                    ";
constexpr std::string_view kThermocoupleCaption
    = "Thermocouple Input, Isolated            [VEXA-7]                    ";

constexpr std::array<std::string_view, CVL_TC_VXM_7Dialog::kSettlingSteps> kSettlingTimes{
    "0", "8", "23", "60", "125", "255", "385", "580", "775", "970", "1000", "1203", "1398", "1602", "1797", "1992"};

using RangeTexts = std::array<std::string_view, CVxmAnalogDialog::kRangeCount>;
constexpr RangeTexts kVoltageTexts{"+/- 2.2 Vdc", "+/- 1.2 Vdc", "+/- 600 mVdc", "+/- 300 mVdc", "+/- 150 mVdc",
    "+/- 78 mVdc", "+/- 39 mVdc", "+/- 19 mVdc"};
constexpr RangeTexts kCelsiusFullTexts{"J -210 to 1034 C", "K -270 to 1370 C", "E -270 to 1000 C", "T -270 to 400 C",
    "R -50 to 1768 C", "S -50 to 1768 C", "N -270 to 1370 C", ""};
constexpr RangeTexts kCelsiusLimitedTexts{"J -210 to 700 C", "K -270 to 950 C", "E -270 to 525 C", "T -270 to 380 C",
    "R -50 to 1630 C", "S      N/A", "N -240 to 950 C", ""};
constexpr RangeTexts kFahrenheitFullTexts{"J -346 to 1893 F", "K -454 to 2502 F", "E -454 to 1832 F", "T -454 to 752 F",
    "R -58 to 3214 F", "S -58 to 3214 F", "N -454 to 2502 F", ""};
constexpr RangeTexts kFahrenheitLimitedTexts{"J -346 to 1292 F", "K -454 to 1742 F", "E -454 to 977 F",
    "T -454 to 716 F", "R -58 to 2966 F", "S     N/A", "N -454 to 1472 F", ""};

void ShowControl(Dialog& dialog, int id, bool show)
{
    if (Control* control = dialog.GetControl(id))
        control->Show(show);
}

void ShowPicture(Dialog& dialog, int id, int bitmapId)
{
    if (auto* picture = dialog.GetControlAs<PictureControl>(id)) {
        const std::string png = Application::Instance().Bitmaps().Get(bitmapId).PngBytes();
        picture->SetImage(std::span(reinterpret_cast<const std::uint8_t*>(png.data()), png.size()));
    }
}

}  // namespace

CVL_TC_VXM_7Dialog::CVL_TC_VXM_7Dialog(CVXM_7inputsIcon& icon, Window* parent)
    : CVxmAnalogDialog(res::kVxmLowVoltageDialog, icon,
        (icon.ModeWord() & Icon::kKindThermocouple) != 0 ? kThermocoupleHelp : kVoltageHelp, parent),
      kind_(icon.BitmapId())
{
    On(Notification::Clicked, res::kIdcVxmThermocouple, [this](NotifyEvent&) { SelectInputKind(-1); });
    On(Notification::Clicked, res::kIdcVxmLowVoltage, [this](NotifyEvent&) { SelectInputKind(-1); });
    On(Notification::Clicked, res::kIdcVxmThermocouplePicture,
        [this](NotifyEvent&) { SelectInputKind(kThermocoupleChoice); });
    On(Notification::Clicked, res::kIdcVxmLowVoltagePicture, [this](NotifyEvent&) { SelectInputKind(kVoltageChoice); });
    for (const int id : {res::kIdcVxmFullRange, res::kIdcVxmLimitedRange, res::kIdcVxmCelsius, res::kIdcVxmFahrenheit})
        On(Notification::Clicked, id, [this](NotifyEvent&) { OnRangeKindChanged(); });
}

bool CVL_TC_VXM_7Dialog::OnInitDialog()
{
    if (auto* combo = GetControlAs<ComboBoxControl>(res::kIdcVxmSettling))
        FillComboBox(*combo, kSettlingTimes, 0, kSettlingSteps - 1);
    const std::uint16_t mode = channel_.ModeWord();
    settling_ = (mode & Icon::kSettlingMask) >> Icon::kSettlingShift;
    if ((mode & Icon::kKindThermocouple) != 0) {
        inputChoice_ = kThermocoupleChoice;
        kind_ = Icon::kThermocoupleBitmap;
        rangeLimit_ = (mode & Icon::kKindLimitedRange) != 0 ? kLimitedRange : kFullRange;
        temperatureUnit_ = (mode & Icon::kKindFahrenheit) != 0 ? kFahrenheit : kCelsius;
    } else {
        inputChoice_ = kVoltageChoice;
        kind_ = Icon::kLowVoltageBitmap;
    }
    const bool result = CVxmAnalogDialog::OnInitDialog();
    // A thermocouple's low bits are its type, not inverted.
    if (Thermocouple())
        rangeIndex_ = mode & Icon::kRangeMask;
    UpdateData(false);
    UpdateControls();
    RefreshFullLimited();
    return result;
}

void CVL_TC_VXM_7Dialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcVxmThermocouple, inputChoice_);
    DdxRadio(exchange, res::kIdcVxmCelsius, temperatureUnit_);
    DdxRadio(exchange, res::kIdcVxmFullRange, rangeLimit_);
    DdxComboIndex(exchange, res::kIdcVxmSettling, settling_);
    // A thermocouple's units always follow its temperature unit.
    if (exchange.Active() && exchange.Saving() && Thermocouple())
        ShowUnits();
    CVxmAnalogDialog::DoDataExchange(exchange);
    if (exchange.Active() && !exchange.Saving() && Thermocouple())
        ShowUnits();
}

void CVL_TC_VXM_7Dialog::ShowUnits()
{
    const std::string_view units = temperatureUnit_ == kFahrenheit ? "'F" : "'C";
    if (Control* edit = GetControl(kIdcUnits); edit != nullptr && edit->GetText() != units)
        edit->SetText(units);
}

void CVL_TC_VXM_7Dialog::UpdateControls()
{
    ShowPicture(*this, res::kIdcVxmThermocouplePicture, kThermocouplePicture);
    ShowPicture(*this, res::kIdcVxmLowVoltagePicture, kVoltagePicture);
    const bool thermocouple = Thermocouple();
    ShowControl(*this, res::kIdcVxmExcitation, !thermocouple);
    ShowChannelCaption(thermocouple ? kThermocoupleCaption : kVoltageCaption);
    for (const int id : {res::kIdcVxmCelsius, res::kIdcVxmFahrenheit, res::kIdcVxmFullRange, res::kIdcVxmLimitedRange,
             res::kIdcVxmTcRangeGroup, res::kIdcVxmTcRangeUse})
        ShowControl(*this, id, thermocouple);
    for (const int id : {res::kIdcVxmUnitsLabel, kIdcUnits})
        ShowControl(*this, id, !thermocouple);
    UpdateRangeTexts();
    UpdateName();
    RefreshSampling();
    RefreshScaling();
}

void CVL_TC_VXM_7Dialog::UpdateRangeTexts()
{
    const bool thermocouple = Thermocouple();
    const bool limited = rangeLimit_ == kLimitedRange;
    const RangeTexts* texts = &kVoltageTexts;
    if (thermocouple) {
        if (temperatureUnit_ == kFahrenheit)
            texts = limited ? &kFahrenheitLimitedTexts : &kFahrenheitFullTexts;
        else
            texts = limited ? &kCelsiusLimitedTexts : &kCelsiusFullTexts;
        ShowUnits();
    }
    for (std::size_t i = 0; i < kRangeRadios.size(); ++i)
        if (Control* radio = GetControl(kRangeRadios[i]))
            radio->SetText((*texts)[i]);
    // S has no limited range; the eighth radio is voltage's only.
    if (Control* typeS = GetControl(kRangeRadios[kTypeS])) {
        typeS->Show(true);
        typeS->Enable(!(thermocouple && limited));
    }
    ShowControl(*this, kRangeRadios.back(), !thermocouple);
}

void CVL_TC_VXM_7Dialog::UpdateName()
{
    Control* name = GetControl(kIdcName);
    if (name == nullptr)
        return;
    const std::string voltageName = channel_.GetDefaultChannelName(Icon::kKindLowVoltage);
    const std::string thermocoupleName = channel_.GetDefaultChannelName(Icon::kKindThermocouple);
    const std::string current = name->GetText();
    if (Thermocouple() && (current.empty() || current == voltageName))
        name->SetText(thermocoupleName);
    else if (!Thermocouple() && (current.empty() || current == thermocoupleName))
        name->SetText(voltageName);
}

void CVL_TC_VXM_7Dialog::RefreshFullLimited()
{
    const bool shown = Thermocouple() && rangeIndex_ != kTypeS;
    for (const int id :
        {res::kIdcVxmFullRange, res::kIdcVxmLimitedRange, res::kIdcVxmTcRangeGroup, res::kIdcVxmTcRangeUse})
        ShowControl(*this, id, shown);
}

void CVL_TC_VXM_7Dialog::OnRangeChosen() { RefreshFullLimited(); }

void CVL_TC_VXM_7Dialog::OnRangeKindChanged()
{
    if (!UpdateData(true))
        return;
    UpdateRangeTexts();
    UpdateData(false);
}

void CVL_TC_VXM_7Dialog::SelectInputKind(int choice)
{
    const int previous = inputChoice_;
    if (!UpdateData(true))
        return;
    if (choice == kThermocoupleChoice || choice == kVoltageChoice)
        inputChoice_ = choice;
    kind_ = Thermocouple() ? Icon::kThermocoupleBitmap : Icon::kLowVoltageBitmap;
    if (inputChoice_ != previous)
        rangeIndex_ = 0;
    // Only a thermocouple type the range cannot offer falls back to J; N
    // stays N.
    if (Thermocouple() && (rangeIndex_ >= kRangeCount - 1 || (rangeIndex_ == kTypeS && rangeLimit_ == kLimitedRange)))
        rangeIndex_ = 0;
    UpdateData(false);
    // The name and units edits change after the exchange, which would put
    // back what they held.
    if (!Thermocouple() && previous != inputChoice_)
        if (Control* units = GetControl(kIdcUnits))
            units->SetText("Vdc");
    UpdateControls();
    RefreshFullLimited();
}

std::uint16_t CVL_TC_VXM_7Dialog::ComposeModeWord() const
{
    unsigned mode = CommonModeBits();
    mode |= (static_cast<unsigned>(std::max(settling_, 0)) << Icon::kSettlingShift) & Icon::kSettlingMask;
    if (Thermocouple()) {
        mode |= Icon::kKindThermocouple;
        if (rangeLimit_ == kLimitedRange)
            mode |= Icon::kKindLimitedRange;
        if (temperatureUnit_ == kFahrenheit)
            mode |= Icon::kKindFahrenheit;
        mode |= static_cast<unsigned>(rangeIndex_) & Icon::kRangeMask;
    } else {
        mode |= static_cast<unsigned>(Icon::kRangeMask - rangeIndex_) & Icon::kRangeMask;
    }
    return static_cast<std::uint16_t>(mode);
}

void CVL_TC_VXM_7Dialog::ApplyToIcon()
{
    CVxmAnalogDialog::ApplyToIcon();
    channel_.SetBitmapId(kind_);
}

}  // namespace corvane
