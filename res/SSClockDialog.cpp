#include "res/SSClockDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The local-time rows and the delayed rows share the middle of the box;
// the dialog shows those of the chosen mode.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::RadioButton, kIdcSSClockDelayed, "Delayed Start (relative to Enabling)", {12, 46, 300, 22},
        s::kGroup},
    ControlTemplate{K::RadioButton, kIdcSSClockLocal, "Logger Local Time Start/Stop", {12, 70, 300, 22}},
    ControlTemplate{K::Static, kIdcSSClockStartLabel, "Start on:", {12, 110, 80, 20}},
    ControlTemplate{K::DatePicker, kIdcSSClockStartDate, "", {96, 106, 130, 24}},
    ControlTemplate{K::TimePicker, kIdcSSClockStartTime, "", {234, 106, 100, 24}},
    ControlTemplate{K::RadioButton, kIdcSSClockStartAm, "am", {342, 108, 50, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcSSClockStartPm, "pm", {396, 108, 50, 22}},
    ControlTemplate{K::Static, kIdcSSClockStopLabel, "Stop on:", {12, 146, 80, 20}},
    ControlTemplate{K::DatePicker, kIdcSSClockStopDate, "", {96, 142, 130, 24}},
    ControlTemplate{K::TimePicker, kIdcSSClockStopTime, "", {234, 142, 100, 24}},
    ControlTemplate{K::RadioButton, kIdcSSClockStopAm, "am", {342, 144, 50, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcSSClockStopPm, "pm", {396, 144, 50, 22}},
    ControlTemplate{K::PushButton, kIdcSSClockNow, "Now", {96, 176, 80, 26}},
    ControlTemplate{K::CheckBox, kIdcSSClockDoNotStop, "Do not stop", {196, 178, 160, 22}},
    ControlTemplate{K::Static, kIdcSSClockDelayLabel, "Time delay until output goes HIGH:", {12, 110, 250, 20}},
    ControlTemplate{K::Edit, kIdcSSClockDelay, "", {266, 106, 100, 24}},
    ControlTemplate{K::Static, kIdcSSClockHighLabel, "Stay HIGH for:", {12, 146, 250, 20}},
    ControlTemplate{K::Edit, kIdcSSClockHigh, "", {266, 142, 100, 24}},
    ControlTemplate{K::Static, kIdcSSClockSpanNote, "(hh:mm:ss)", {374, 128, 90, 20}},
    ControlTemplate{K::CheckBox, kIdcSSClockHighForever, "Stay HIGH forever", {12, 178, 250, 22}},
    ControlTemplate{K::CheckBox, kIdcSSClockResetOnDisable, "Reset to Initial Values upon Disable",
        {12, 210, 360, 22}},
    ControlTemplate{K::CheckBox, kIdcSSClockSuspend, "Suspend Time Countdown while Disabled", {12, 234, 360, 22}},
    ControlTemplate{K::CheckBox, kIdcSSClockResetOnLoggerReset, "Reset to Initial Values upon Logger Reset",
        {12, 258, 360, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {196, 296, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {286, 296, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {376, 296, 80, 28}},
};

}  // namespace

const DialogTemplate kSSClockDialog{kDialogSSClock, "Start / Stop Clock", 468, 336, kControls};

}  // namespace corvane::res
