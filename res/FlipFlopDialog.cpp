#include "res/FlipFlopDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// Each radio pair is one group, its first button the bit's set state.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Name:", {14, 16, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {80, 12, 200, 24}},
    ControlTemplate{K::GroupBox, kIdStatic, "Output is SET (HIGH) when", {10, 46, 470, 56}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {20, 68, 150, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcFlipFlopSetVerb, "is", {176, 72, 90, 20}},
    ControlTemplate{K::RadioButton, kIdcFlipFlopSetHigh, "HIGH", {272, 70, 70, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFlipFlopSetLow, "LOW", {350, 70, 70, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Output is RESET (LOW) when", {10, 108, 470, 56}},
    ControlTemplate{K::Edit, kIdcIconInput2, "", {20, 130, 150, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcFlipFlopResetVerb, "is", {176, 134, 90, 20}},
    ControlTemplate{K::RadioButton, kIdcFlipFlopResetHigh, "HIGH", {272, 132, 70, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFlipFlopResetLow, "LOW", {350, 132, 70, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "When both inputs are asserted the Output is", {10, 170, 470, 50}},
    ControlTemplate{K::RadioButton, kIdcFlipFlopBothHigh, "HIGH", {272, 192, 70, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFlipFlopBothLow, "LOW", {350, 192, 70, 20}},
    ControlTemplate{K::RadioButton, kIdcFlipFlopEdge, "Edge-based operation (Output changes upon input transitions)",
        {14, 232, 466, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFlipFlopLevel,
        "Level-Based (Ouput is set based on the current state of the inputs)", {14, 256, 466, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {220, 292, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {310, 292, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {400, 292, 80, 28}},
};

}  // namespace

const DialogTemplate kFlipFlopDialog{kDialogFlipFlop, "R-S Flip Flop", 490, 332, kControls};

}  // namespace corvane::res
