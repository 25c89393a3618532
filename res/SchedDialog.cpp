#include "res/SchedDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The check boxes 21..32 are months or weekdays and are labelled by the
// dialog for its view.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Start:", {12, 50, 60, 20}},
    ControlTemplate{K::DatePicker, kIdcSchedStartDate, "", {76, 46, 130, 24}},
    ControlTemplate{K::TimePicker, kIdcSchedStartTime, "", {214, 46, 100, 24}},
    ControlTemplate{K::RadioButton, kIdcSchedStartAm, "am", {322, 48, 50, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcSchedStartPm, "pm", {376, 48, 50, 22}},
    ControlTemplate{K::Static, kIdStatic, "Stop:", {12, 84, 60, 20}},
    ControlTemplate{K::DatePicker, kIdcSchedStopDate, "", {76, 80, 130, 24}},
    ControlTemplate{K::TimePicker, kIdcSchedStopTime, "", {214, 80, 100, 24}},
    ControlTemplate{K::RadioButton, kIdcSchedStopAm, "am", {322, 82, 50, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcSchedStopPm, "pm", {376, 82, 50, 22}},
    ControlTemplate{K::PushButton, kIdcSchedNow, "Now", {436, 62, 60, 26}},
    ControlTemplate{K::CheckBox, kIdcSchedDoNotStop, "Do not stop operation", {76, 110, 220, 22}},
    ControlTemplate{K::Static, kIdStatic, "Go HIGH each cycle for:", {12, 146, 180, 20}},
    ControlTemplate{K::Edit, kIdcSchedHighValue, "", {196, 142, 70, 24}},
    ControlTemplate{K::ComboBox, kIdcSchedHighUnit, "", {274, 142, 120, 24}, s::kDropDownList},
    ControlTemplate{K::RadioButton, kIdcSchedMonthly, "Monthly", {12, 180, 100, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcSchedWeekly, "Weekly", {116, 180, 100, 22}},
    ControlTemplate{K::RadioButton, kIdcSchedPeriodic, "Periodic", {220, 180, 100, 22}},
    ControlTemplate{K::Static, kIdStatic, "Every:", {12, 222, 50, 20}},
    ControlTemplate{K::ComboBox, kIdcSchedEvery, "", {66, 218, 70, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcSchedSuffix, "", {140, 222, 24, 20}},
    ControlTemplate{K::ComboBox, kIdcSchedKind, "", {168, 218, 110, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcSchedWeekText, "week on the day(s)", {168, 222, 200, 20}},
    ControlTemplate{K::Static, kIdcSchedMonthText, "of the month(s)", {286, 222, 160, 20}},
    ControlTemplate{K::CheckBox, 21, "", {12, 262, 68, 22}},
    ControlTemplate{K::CheckBox, 22, "", {84, 262, 68, 22}},
    ControlTemplate{K::CheckBox, 23, "", {156, 262, 68, 22}},
    ControlTemplate{K::CheckBox, 24, "", {228, 262, 68, 22}},
    ControlTemplate{K::CheckBox, 25, "", {300, 262, 68, 22}},
    ControlTemplate{K::CheckBox, 26, "", {372, 262, 68, 22}},
    ControlTemplate{K::CheckBox, 27, "", {12, 288, 68, 22}},
    ControlTemplate{K::CheckBox, 28, "", {84, 288, 68, 22}},
    ControlTemplate{K::CheckBox, 29, "", {156, 288, 68, 22}},
    ControlTemplate{K::CheckBox, 30, "", {228, 288, 68, 22}},
    ControlTemplate{K::CheckBox, 31, "", {300, 288, 68, 22}},
    ControlTemplate{K::CheckBox, 32, "", {372, 288, 68, 22}},
    ControlTemplate{K::CheckBox, kIdcSchedMaintain, "Maintain state over reset", {12, 322, 240, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {236, 360, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {326, 360, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {416, 360, 80, 28}},
};

}  // namespace

const DialogTemplate kSchedDialog{kDialogScheduler, "Scheduler", 508, 400, kControls};

}  // namespace corvane::res
