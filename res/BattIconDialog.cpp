#include "res/BattIconDialog.h"

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
    ControlTemplate{K::PushButton, kIdOk, "OK", {132, 50, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {222, 50, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {312, 50, 80, 28}},
};

}  // namespace

const DialogTemplate kBattIconDialog{kDialogBattIcon, "Supply Voltages", 404, 90, kControls};

}  // namespace corvane::res
