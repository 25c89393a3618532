#include "res/WinCompareDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The amount row (1167, 1252) shows while "Use Hysteresis" is set.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Name:", {14, 16, 190, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {210, 12, 200, 24}},
    ControlTemplate{K::Static, kIdStatic, "High Threshold Input Name:", {14, 50, 190, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {210, 46, 200, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcIconInput2Label, "Signal Input Name:", {14, 80, 190, 20}},
    ControlTemplate{K::Edit, kIdcIconInput2, "", {210, 76, 200, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcIconInput3Label, "Low Threshold Input Name:", {14, 110, 190, 20}},
    ControlTemplate{K::Edit, kIdcIconInput3, "", {210, 106, 200, 24}, s::kReadOnly},
    ControlTemplate{K::GroupBox, kIdStatic, "Output state when Input is between Thresholds:", {10, 140, 460, 50}},
    ControlTemplate{K::RadioButton, kIdcWinCompareHigh, "HIGH ", {30, 162, 80, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcWinCompareLow, "LOW", {120, 162, 80, 20}},
    ControlTemplate{K::CheckBox, kIdcHysteresisCheck, "Use Hysteresis", {14, 202, 150, 20}},
    ControlTemplate{K::Static, kIdcWinCompareValueLabel, "Value:", {170, 202, 50, 20}},
    ControlTemplate{K::Edit, kIdcHysteresisAmount, "", {224, 198, 80, 24}},
    ControlTemplate{K::GroupBox, kIdStatic, "Resulting Window Comparator Operation:", {10, 232, 460, 130}},
    ControlTemplate{K::Static, kIdcWinCompareDescription, "", {20, 258, 440, 98}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {210, 374, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {300, 374, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {390, 374, 80, 28}},
};

}  // namespace

const DialogTemplate kWinCompareDialog{kDialogWinCompare, "Window Comparator", 480, 414, kControls};

}  // namespace corvane::res
