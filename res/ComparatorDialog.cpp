#include "res/ComparatorDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The hysteresis row (1150, 1167, 1252, 1253) shows while the check is set.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Name:", {14, 16, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {80, 12, 200, 24}},
    ControlTemplate{K::Static, kIdStatic, "+ In:", {14, 52, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {80, 48, 200, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcIconInput2Label, "- In:", {14, 82, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconInput2, "", {80, 78, 200, 24}, s::kReadOnly},
    ControlTemplate{K::PushButton, kIdcComparatorSwap, "Swap   Inputs  ", {290, 60, 110, 28}},
    ControlTemplate{K::Static, kIdStatic, "Output is HIGH when:", {14, 118, 200, 20}},
    ControlTemplate{K::Static, kIdcComparatorCondition, "", {30, 140, 380, 20}},
    ControlTemplate{K::CheckBox, kIdcHysteresisCheck, "Use Hysteresis", {14, 170, 200, 20}},
    ControlTemplate{K::Static, kIdcComparatorLowLabel, "Output is LOW when:", {14, 198, 200, 20}},
    ControlTemplate{K::Static, kIdcComparatorLowCondition, "", {30, 222, 250, 20}},
    ControlTemplate{K::Edit, kIdcHysteresisAmount, "", {284, 218, 80, 24}},
    ControlTemplate{K::Static, kIdcComparatorClose, " )", {368, 222, 30, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {150, 260, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {240, 260, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {330, 260, 80, 28}},
};

}  // namespace

const DialogTemplate kComparatorDialog{kDialogComparator, "Comparator", 420, 300, kControls};

}  // namespace corvane::res
