#include "res/EngInputsDialog.h"

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
    ControlTemplate{K::GroupBox, kIdcEngInputTypeGroup, "Input Type", {10, 44, 250, 120}},
    ControlTemplate{K::RadioButton, kIdcEngThermocouple, "Thermocouple", {22, 70, 120, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcEngLowVoltage, "Vdc (low)", {22, 110, 120, 20}},
    ControlTemplate{K::Picture, kIdcEngThermocouplePicture, "", {150, 62, 40, 72}},
    ControlTemplate{K::Picture, kIdcEngLowVoltagePicture, "", {204, 62, 40, 72}},
    ControlTemplate{K::GroupBox, kIdStatic, "AC Noise Rejection", {10, 172, 250, 56}},
    ControlTemplate{K::RadioButton, kIdcEngRejectNone, "none", {22, 194, 70, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcEngReject50Hz, "50 Hz", {96, 194, 70, 20}},
    ControlTemplate{K::RadioButton, kIdcEngReject60Hz, "60 Hz", {170, 194, 70, 20}},
    ControlTemplate{K::Static, kIdStatic, "Settling Time:", {12, 244, 100, 20}},
    ControlTemplate{K::ComboBox, kIdcEngSettling, "", {116, 240, 90, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcEngSettlingNote, " (Normal use set to 100%)", {12, 270, 248, 20}},
    ControlTemplate{K::GroupBox, kIdcEngRangeGroup, "Type", {270, 44, 280, 276}},
    ControlTemplate{K::RadioButton, kIdcEngRange1, "", {282, 66, 260, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcEngRange2, "", {282, 94, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcEngRange3, "", {282, 122, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcEngRange4, "", {282, 150, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcEngRange5, "", {282, 178, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcEngRange6, "", {282, 206, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcEngRange7, "", {282, 234, 260, 20}},
    ControlTemplate{K::CheckBox, kIdcEngAutoRange, "Enable Auto-range", {282, 266, 200, 20}},
    ControlTemplate{K::RadioButton, kIdcEngFahrenheit, "Fahrenheit", {282, 290, 110, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcEngCelsius, "Celsius", {400, 290, 110, 20}},
    ControlTemplate{
        K::CheckBox, kIdcEngScaling, "Enable scaling:   Output = (1.000 * input) + 0.000", {12, 330, 440, 40}},
    ControlTemplate{K::PushButton, kIdcEngEditScaling, "Edit", {470, 336, 80, 28}},
    ControlTemplate{K::Static, kIdcEngUnitsLabel, "Output Units Label:", {12, 384, 150, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {166, 380, 100, 24}},
    ControlTemplate{K::Static, kIdStatic, "Sensor Excitation Time:", {12, 418, 170, 20}},
    ControlTemplate{K::Edit, kIdcEngExcitation, "", {186, 414, 80, 24}},
    ControlTemplate{K::Static, kIdStatic, "0 to 990 mS", {274, 418, 120, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {290, 456, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {380, 456, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {470, 456, 80, 28}},
};

}  // namespace

const DialogTemplate kEngInputsDialog{kDialogEngInputs, "CPU Board Analog Input", 560, 494, kControls};

}  // namespace corvane::res
