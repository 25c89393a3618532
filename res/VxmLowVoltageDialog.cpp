#include "res/VxmLowVoltageDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;
constexpr int kIdcUnits = 1059;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::GroupBox, kIdcVxmInputTypeGroup, "Input Type", {10, 44, 250, 120}},
    ControlTemplate{K::RadioButton, kIdcVxmThermocouple, "Thermocouple", {22, 70, 120, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVxmLowVoltage, "Vdc (low)", {22, 110, 120, 20}},
    ControlTemplate{K::Picture, kIdcVxmThermocouplePicture, "", {150, 62, 40, 72}},
    ControlTemplate{K::Picture, kIdcVxmLowVoltagePicture, "", {204, 62, 40, 72}},
    ControlTemplate{K::RadioButton, kIdcVxmCelsius, "Celsius", {22, 172, 110, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVxmFahrenheit, "Fahrenheit", {140, 172, 110, 20}},
    ControlTemplate{K::GroupBox, kIdcVxmTcRangeGroup, "TC Type / Range", {10, 198, 250, 56}},
    ControlTemplate{K::Static, kIdcVxmTcRangeUse, "Use:", {22, 222, 30, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmFullRange, "Full Range", {54, 220, 88, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVxmLimitedRange, "Limited Range", {144, 220, 112, 20}},
    ControlTemplate{K::GroupBox, kIdcVxmRangeGroup, "Range", {270, 44, 280, 250}},
    ControlTemplate{K::RadioButton, kIdcVxmRange1, "", {282, 66, 260, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVxmRange2, "", {282, 94, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange3, "", {282, 122, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange4, "", {282, 150, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange5, "", {282, 178, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange6, "", {282, 206, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange7, "", {282, 234, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange8, "", {282, 262, 260, 20}},
    ControlTemplate{K::GroupBox, kIdcVxmSamplingGroup, "Sampling Setup (select range first)", {10, 302, 540, 120}},
    ControlTemplate{K::Static, kIdcVxmSpeedEnd, "Speed", {22, 330, 60, 20}},
    ControlTemplate{K::Slider, kIdcVxmSlider, "", {86, 324, 200, 30}},
    ControlTemplate{K::Static, kIdcVxmPrecisionEnd, "Precision", {292, 330, 80, 20}},
    ControlTemplate{K::Static, kIdcVxmSpeedCaption, "Resulting Speed:", {22, 362, 150, 20}},
    ControlTemplate{K::Static, kIdcVxmSpeed, " Fixed at 6", {176, 362, 90, 20}},
    ControlTemplate{K::Static, kIdcVxmSpeedUnit, "Samples/sec", {270, 362, 100, 20}},
    ControlTemplate{K::Static, kIdcVxmResolutionCaption, "Resulting Resolution:", {22, 388, 150, 20}},
    ControlTemplate{K::Static, kIdcVxmResolution, "Standard", {176, 388, 90, 20}},
    ControlTemplate{K::Static, kIdcVxmResolutionUnit, "bits", {270, 388, 100, 20}},
    ControlTemplate{K::CheckBox, kIdcVxmNoiseReject, "Enable 50/60 Hz AC Noise Reject", {12, 432, 300, 20}},
    ControlTemplate{K::CheckBox, kIdcVxmExcitation, "Enable Excitation During Reading", {12, 458, 300, 20}},
    ControlTemplate{K::Static, kIdcVxmSettlingLabel,
        "Extended Settling/Excitation Time \n(Set to zero under normal circumstances)", {12, 484, 300, 40}},
    ControlTemplate{K::ComboBox, kIdcVxmSettling, "", {316, 488, 90, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcVxmSettlingNote, "mS", {412, 492, 40, 20}},
    ControlTemplate{
        K::CheckBox, kIdcVxmScaling, "Enable scaling:   Output = (1.000 * input) + 0.000", {12, 532, 440, 40}},
    ControlTemplate{K::PushButton, kIdcVxmEditScaling, "Edit", {470, 538, 80, 28}},
    ControlTemplate{K::Static, kIdcVxmUnitsLabel, "Output Units Label:", {12, 584, 150, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {166, 580, 100, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {290, 620, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {380, 620, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {470, 620, 80, 28}},
};

}  // namespace

const DialogTemplate kVxmLowVoltageDialog{kDialogVxmLowVoltage, "Isolated ADC", 560, 660, kControls};

}  // namespace corvane::res
