#include "res/ClockDialogs.h"

#include "res/ClockIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The time server's label, field and check box show only for a logger with
// a network interface.
constexpr std::array kLoggerTimeControls = {
    ControlTemplate{K::Static, -1, "Logger Time", {16, 18, 140, 20}},
    ControlTemplate{K::Static, kIdcLoggerTimeText, "", {160, 18, 210, 20}},
    ControlTemplate{K::Static, kIdcLoggerOffsetText, "", {380, 18, 60, 20}},
    ControlTemplate{K::Static, -1, "Corvane (PC) Time", {16, 46, 140, 20}},
    ControlTemplate{K::Static, kIdcPcTimeText, "", {160, 46, 210, 20}},
    ControlTemplate{K::Static, kIdcPcOffsetText, "", {380, 46, 60, 20}},
    ControlTemplate{K::Static, -1, "UTC", {16, 74, 140, 20}},
    ControlTemplate{K::Static, kIdcUtcTimeText, "", {160, 74, 210, 20}},
    ControlTemplate{K::Static, -1, "Set logger UTC offset to", {16, 110, 170, 20}},
    ControlTemplate{K::Edit, kIdcLoggerOffsetHours, "", {190, 106, 50, 24}},
    ControlTemplate{K::Static, -1, "hours", {248, 110, 60, 20}},
    ControlTemplate{K::CheckBox, kIdcDaylightCheck, "Enable automatic DST adjustment", {16, 142, 320, 22}},
    ControlTemplate{K::CheckBox, kIdcInternetTimeCheck, "Enable Internet time synchronization", {16, 170, 320, 22},
        s::kHidden},
    ControlTemplate{K::Static, kIdcTimeServerLabel, "Network Time Server", {16, 204, 150, 20}, s::kHidden},
    ControlTemplate{K::Edit, kIdcTimeServerName, "", {170, 200, 270, 24}, s::kHidden},
    ControlTemplate{K::PushButton, kIdcUpdateClock, "Update logger clock\nand time settings", {16, 240, 200, 48},
        s::kDefault},
    ControlTemplate{K::PushButton, kIdcRefreshClock, "Refresh", {232, 240, 96, 28}},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {344, 240, 96, 28}},
};

constexpr std::array kResetLoggerControls = {
    ControlTemplate{K::Static, kIdcResetStatus, "Resetting Logger - Please Wait...", {16, 16, 320, 40}},
    ControlTemplate{K::ProgressBar, kIdcResetProgress, "", {16, 64, 320, 18}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {136, 96, 80, 28}, s::kDefault},
};

}  // namespace

const DialogTemplate kLoggerTimeDialog{kDialogLoggerTime, "Set Logger Clock", 456, 304, kLoggerTimeControls};
const DialogTemplate kResetLoggerDialog{kDialogResetLogger, "Resetting Logger", 352, 140, kResetLoggerControls};

}  // namespace corvane::res
