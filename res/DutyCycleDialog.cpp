#include "res/DutyCycleDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// 1320 and 1321 name the input's source; 1315 repeats the chosen state.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input:", {12, 46, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {106, 42, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcDutyQuestion, "", {12, 82, 440, 20}},
    ControlTemplate{K::RadioButton, kIdcDutyHigh, "HIGH", {456, 82, 80, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcDutyLow, "LOW", {456, 104, 80, 20}},
    ControlTemplate{K::Static, kIdcDutyExplanation, "", {12, 140, 460, 20}},
    ControlTemplate{K::Static, kIdcDutyState, "", {476, 140, 50, 20}},
    ControlTemplate{K::Static, kIdStatic, "State.", {530, 140, 50, 20}},
    ControlTemplate{K::RadioButton, kIdcDutyPercent, "PERCENT (0% to 100%) of Period between Triggers",
        {24, 170, 500, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcDutyDecimal, "DECIMAL (0.0 to 1.0) of Period between Triggers",
        {24, 194, 500, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {312, 232, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {402, 232, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {492, 232, 80, 28}},
};

}  // namespace

const DialogTemplate kDutyCycleDialog{kDialogDutyCycle, "Duty Cycle", 584, 272, kControls};

}  // namespace corvane::res
