#include "res/DataDownloadDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The session list's columns are tab stops; the heads above it are static
// texts placed over them.
constexpr std::array kControls = {
    ControlTemplate{K::Static, -1, "Rotary / Continuous", {12, 10, 80, 30}},
    ControlTemplate{K::Static, -1, "Enabled Date/Time", {100, 10, 140, 16}},
    ControlTemplate{K::Static, -1, "Stopped Date/Time", {250, 10, 140, 16}},
    ControlTemplate{K::Static, -1, "Size (KB)", {400, 10, 70, 16}},
    ControlTemplate{K::Static, -1, "Session or Icon Name", {470, 10, 180, 16}},
    ControlTemplate{K::ListBox, kIdcDownloadSessionList, "", {10, 42, 640, 220}, s::kExtendedSelection | s::kTabStops},
    ControlTemplate{K::PushButton, kIdcDownloadSelectAll, "Select ALL", {10, 272, 90, 28}},
    ControlTemplate{K::PushButton, kIdcDownloadDeselectAll, "Deselect ALL", {106, 272, 90, 28}},
    ControlTemplate{K::GroupBox, -1, "Time Columns", {202, 268, 448, 44}},
    ControlTemplate{K::RadioButton, kIdcDownloadLoggerTime, "Include Logger Time", {208, 286, 150, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcDownloadUtcTime, "Include UTC Time", {364, 286, 134, 20}},
    ControlTemplate{K::RadioButton, kIdcDownloadBothTimes, "Include Both Times", {504, 286, 142, 20}},
    ControlTemplate{K::PushButton, kIdcDownloadSelected, "Download Selected Data", {10, 322, 160, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdcDownloadFilter, "Filter Download", {180, 322, 130, 28}},
    ControlTemplate{K::PushButton, kIdcDownloadEraseSelected, "Erase Selected Data", {320, 322, 150, 28}},
    ControlTemplate{K::PushButton, kIdCancel, "Close", {570, 322, 80, 28}},
};

}  // namespace

const DialogTemplate kDataDownloadDialog{kDialogDataDownload, "Logged Data Listing", 660, 362, kControls};

}  // namespace corvane::res
