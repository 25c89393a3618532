#include "res/WarmupDialog.h"

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
    ControlTemplate{
        K::Static, kIdStatic, "Upon receipt of Trigger pulse, force Output HIGH immediately and", {12, 50, 476, 20}},
    ControlTemplate{K::Static, kIdStatic, "delay pass-through of Trigger Pulse by:", {12, 80, 280, 20}},
    ControlTemplate{K::Edit, kIdcWarmupValue, "", {12, 108, 100, 24}, s::kNumber},
    ControlTemplate{K::ComboBox, kIdcWarmupUnit, "", {120, 108, 260, 24}, s::kDropDownList},
    ControlTemplate{K::PushButton, kIdOk, "OK", {228, 160, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {318, 160, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {408, 160, 80, 28}},
};

}  // namespace

const DialogTemplate kWarmupDialog{kDialogWarmup, "Warm-Up", 500, 200, kControls};

}  // namespace corvane::res
