#include "res/LatchDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Edit, kIdcIconInput1, "", {14, 14, 150, 24}, s::kReadOnly},
    ControlTemplate{
        K::Static, kIdStatic, "state is passed to Output upon receipt of a Trigger Pulse.", {14, 44, 380, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {14, 80, 150, 24}},
    ControlTemplate{K::Static, kIdStatic, " is", {168, 84, 24, 20}},
    ControlTemplate{K::RadioButton, kIdcLatchOn, "ON", {198, 74, 60, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcLatchOff, "OFF", {198, 96, 60, 20}},
    ControlTemplate{K::Static, kIdStatic, "when clock pulses", {262, 84, 140, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {134, 134, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {224, 134, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {314, 134, 80, 28}},
};

}  // namespace

const DialogTemplate kLatchDialog{kDialogLatch, "Clocked Latch", 410, 174, kControls};

}  // namespace corvane::res
