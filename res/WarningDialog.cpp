#include "res/WarningDialog.h"

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
    ControlTemplate{K::GroupBox, kIdStatic, "Output forced HIGH when the following are detected:", {10, 44, 440, 440}},
    ControlTemplate{K::CheckBox, kIdcWarningMemory, "Memory is more than", {22, 66, 170, 22}},
    ControlTemplate{K::Edit, kIdcWarningPercentage, "", {196, 64, 44, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "% full", {246, 68, 60, 20}},
    ControlTemplate{K::CheckBox, kIdcWarningFallingBehind, "Program net execution is falling behind",
        {22, 94, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningRuntimeError, "Runtime error has occurred", {22, 120, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningFatalError, "Fatal error has occurred", {22, 146, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningPowerFailure, "Power failure cycle has occurred", {22, 172, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningSystemReset, "System reset has occurred", {22, 198, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningWatchdog, "Watchdog timer was triggered", {22, 224, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningBusError, "Tevlink communication error occurred", {22, 250, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningOvercurrent, "Tevlink Overcurrent fault occurred", {22, 276, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningBatteryLow, "Internal battery is low", {22, 302, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningBatteryCritical, "Internal battery is critically low", {22, 328, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningOverloadShutdown, "Session was shut down by internal battery overload",
        {22, 354, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningDischargeShutdown, "Session was shut down by internal battery discharge",
        {22, 380, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningLithiumLow, "Lithium battery is low", {22, 406, 410, 22}},
    ControlTemplate{K::CheckBox, kIdcWarningLithiumCritical, "Lithium battery is critically low", {22, 432, 410, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {190, 496, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {280, 496, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {370, 496, 80, 28}},
};

}  // namespace

const DialogTemplate kWarningDialog{kDialogWarning, "Warning", 460, 534, kControls};

}  // namespace corvane::res
