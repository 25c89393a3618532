#include "res/VxmColdJunctionDialog.h"

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
    ControlTemplate{K::Edit, kIdcVxmAddress, "", {12, 44, 274, 24}, s::kReadOnly},
    ControlTemplate{K::GroupBox, kIdStatic, "Units", {12, 78, 380, 56}},
    ControlTemplate{K::RadioButton, kIdcVxmCelsius, "Celsius", {24, 100, 160, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVxmFahrenheit, "Fahrenheit", {200, 100, 160, 22}},
    ControlTemplate{K::Static, kIdStatic, "Output Units Label:", {12, 148, 150, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {166, 144, 100, 24}},
    ControlTemplate{K::GroupBox, kIdStatic, "Update Frequency", {12, 178, 380, 56}},
    ControlTemplate{K::Static, kIdcVxmSamplesLabel, "Samples", {24, 202, 80, 20}},
    ControlTemplate{K::Edit, kIdcVxmExtendedSettling, "", {108, 198, 80, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcVxmTimeLabel, "Time", {200, 202, 80, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {132, 248, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {222, 248, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {312, 248, 80, 28}},
};

}  // namespace

const DialogTemplate kVxmColdJunctionDialog{kDialogVxmColdJunction, "CJC for VXM-7 ", 404, 290, kControls};

}  // namespace corvane::res
