#include "res/CountDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The texts of 1091, 1081, 1083 and the check boxes follow the variant;
// the trigger's source (1061) shows for the timed counter, the sample
// count (1233) for the accumulator.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input:", {12, 46, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {106, 42, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcCountWhen, "When:", {12, 84, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconInput2, "", {76, 80, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Edit, kIdcCountSampleCount, "", {76, 80, 60, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcCountOutputText, "", {264, 84, 348, 20}},
    ControlTemplate{K::Static, kIdcCountInputText, "", {12, 112, 600, 20}},
    ControlTemplate{K::CheckBox, kIdcCountClearOnOutput, "", {12, 146, 560, 20}},
    ControlTemplate{K::CheckBox, kIdcCountClearOnEnable, "", {12, 172, 560, 20}},
    ControlTemplate{K::CheckBox, kIdcCountOutputOnDisable, "", {12, 198, 560, 20}},
    ControlTemplate{K::RadioButton, kIdcCountRising, "Count Rising Edges (Low to High  input transistions)",
        {12, 234, 560, 20}, s::kGroup},
    ControlTemplate{
        K::RadioButton, kIdcCountFalling, "Count Falling Edges (High to Low  input transistions)", {12, 258, 560, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {352, 296, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {442, 296, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {532, 296, 80, 28}},
};

}  // namespace

const DialogTemplate kCountDialog{kDialogCount, "Timed Counter", 624, 336, kControls};

}  // namespace corvane::res
