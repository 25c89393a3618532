#include "res/SpikeDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;
constexpr int kIdcInput1 = 1060;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input Name:", {12, 46, 90, 20}},
    ControlTemplate{K::Edit, kIdcInput1, "", {106, 42, 180, 24}, s::kReadOnly},
    ControlTemplate{K::GroupBox, kIdStatic, "Transient Waveform Definition", {10, 76, 500, 240}},
    ControlTemplate{K::Static, kIdStatic, "Transient Magnitude:", {22, 98, 200, 20}},
    ControlTemplate{K::Static, kIdStatic, "Reject input values that change by more than +/-", {22, 122, 330, 20}},
    ControlTemplate{K::Edit, kIdcSpikeMagnitude, "", {360, 118, 120, 24}},
    ControlTemplate{K::Static, kIdStatic, "from the prior input (the 'baseline') and output the prior reading instead.",
        {22, 148, 480, 20}},
    ControlTemplate{K::Static, kIdStatic, "Step Change Duration definition:", {22, 186, 260, 20}},
    ControlTemplate{K::Static, kIdStatic, "If", {22, 212, 20, 20}},
    ControlTemplate{K::Edit, kIdcSpikeCount, "", {46, 208, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "sequential input values have been rejected,", {104, 212, 380, 20}},
    ControlTemplate{K::Static, kIdStatic,
        " assume a step input change has occurred and change the 'baseline' for above Transient Magnitude to "
        "the next input value.",
        {22, 238, 480, 60}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {248, 330, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {338, 330, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {428, 330, 80, 28}},
};

}  // namespace

const DialogTemplate kSpikeDialog{kDialogSpike, "Transient Reject Filter", 520, 370, kControls};

}  // namespace corvane::res
