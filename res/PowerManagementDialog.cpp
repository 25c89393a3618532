#include "res/PowerManagementDialog.h"

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
    ControlTemplate{K::CheckBox, kIdcPowerScheduled,
        "Enable input connection terminal to allow scheduled power-up operation.Scheduled Operation (input-based)",
        {12, 46, 436, 44}, s::kMultiLine},
    ControlTemplate{K::Static, kIdcPowerOptionalUse, "Optional Use:", {12, 104, 120, 20}},
    ControlTemplate{K::Static, kIdcPowerExplanation,
        "Output goes HIGH automatically if an Email or FTP is being sent by the logger. The output Stays HIGH for "
        "the specified Delay time before the Email/FTP is sent. Once the transmission is complete, the output goes "
        "LOW.",
        {12, 128, 436, 84}},
    ControlTemplate{K::Static, kIdcPowerDelayLabel, "Delay:", {12, 226, 60, 20}},
    ControlTemplate{K::Edit, kIdcPowerDelay, "", {76, 222, 60, 24}, s::kNumber},
    ControlTemplate{K::PushButton, kIdOk, "OK", {188, 262, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {278, 262, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {368, 262, 80, 28}},
};

}  // namespace

const DialogTemplate kPowerManagementDialog{kDialogPowerManagement, "Power Management", 460, 300, kControls};

}  // namespace corvane::res
