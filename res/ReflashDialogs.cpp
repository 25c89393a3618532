#include "res/ReflashDialogs.h"

#include "res/ReflashIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The info text is set as the dialog opens; the OK button reads "Cancel"
// until the reflash ends.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdcReflashInfo, "", {12, 12, 596, 150}},
    ControlTemplate{K::RadioButton, kIdcReflashRetainRelay, "Retain relay state", {40, 168, 200, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcReflashResetRelay, "Reset relay", {250, 168, 200, 22}},
    ControlTemplate{K::PushButton, kIdcReflashStart, "Select Reflash File and Commence Reflash", {12, 200, 596, 30}},
    ControlTemplate{K::ProgressBar, kIdcReflashProgress, "", {12, 240, 596, 18}},
    ControlTemplate{K::LogBox, kIdcReflashLog, "", {12, 268, 596, 200}},
    ControlTemplate{K::PushButton, kIdOk, "Cancel", {478, 478, 130, 28}, s::kDefault},
};

}  // namespace

const DialogTemplate kReflashDialog{kDialogReflash, "Reflash Logger Firmware", 620, 518, kControls};

}  // namespace corvane::res
