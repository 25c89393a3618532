#include "res/FilterDownloadDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The two notices share the place under the stop time; at most one shows.
constexpr std::array kControls = {
    ControlTemplate{K::Static, -1, "Points (Id, Name, Units):", {10, 10, 300, 16}},
    ControlTemplate{K::ListBox, kIdcFilterPointList, "", {10, 30, 330, 230}, s::kMultipleSelection | s::kTabStops},
    ControlTemplate{K::PushButton, kIdcFilterSelectAll, "Select ALL", {10, 268, 110, 28}},
    ControlTemplate{K::PushButton, kIdcFilterDeselectAll, "Deselect ALL", {130, 268, 110, 28}},
    ControlTemplate{K::GroupBox, -1, "Start", {356, 24, 300, 64}},
    ControlTemplate{K::DatePicker, kIdcFilterStartDate, "", {366, 48, 120, 24}},
    ControlTemplate{K::TimePicker, kIdcFilterStartTime, "", {492, 48, 90, 24}},
    ControlTemplate{K::RadioButton, kIdcFilterStartAm, "am", {590, 40, 56, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFilterStartPm, "pm", {590, 60, 56, 20}},
    ControlTemplate{K::GroupBox, -1, "Stop", {356, 100, 300, 64}},
    ControlTemplate{K::DatePicker, kIdcFilterStopDate, "", {366, 124, 120, 24}},
    ControlTemplate{K::TimePicker, kIdcFilterStopTime, "", {492, 124, 90, 24}},
    ControlTemplate{K::RadioButton, kIdcFilterStopAm, "am", {590, 116, 56, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFilterStopPm, "pm", {590, 136, 56, 20}},
    ControlTemplate{K::Static, kIdcFilterStillLoggingNotice,
        "Stop Time for Current Session may be later than the Time of Last Sample", {356, 170, 300, 36}, s::kHidden},
    ControlTemplate{K::Static, kIdcFilterStopUnknownNotice, "Error reading time", {356, 170, 300, 36}, s::kHidden},
    ControlTemplate{K::PushButton, kIdcFilterResetTimeRange, "Reset Time Range", {356, 214, 140, 28}},
    ControlTemplate{K::PushButton, kIdcFilterGetLogData, "Get log data...", {356, 268, 140, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {576, 268, 80, 28}},
};

}  // namespace

const DialogTemplate kFilterDownloadDialog{kDialogFilterDownload, "Filtered Data Download", 668, 308, kControls};

}  // namespace corvane::res
