#include "res/TempBaseDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::GroupBox, kIdStatic, "Units", {12, 46, 380, 70}},
    ControlTemplate{K::RadioButton, kIdcTempBaseFahrenheit, "Fahrenheit", {24, 70, 160, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcTempBaseCelsius, "Celsius", {200, 70, 160, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {132, 128, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {222, 128, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {312, 128, 80, 28}},
};

}  // namespace

const DialogTemplate kTempBaseDialog{kDialogTempBase, "Cold Junction Compensation Temperature", 404, 170, kControls};

}  // namespace corvane::res
