#include "res/CardDownloadDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// "Cancel Download" takes the place of "Download Data" while a download runs.
constexpr std::array kControls = {
    ControlTemplate{K::ListView, kIdcCardSessionList, "", {10, 10, 820, 240}, s::kExtendedSelection},
    ControlTemplate{K::ProgressBar, kIdcCardProgress, "", {10, 260, 820, 18}},
    ControlTemplate{K::Static, kIdcCardStatus, "", {10, 284, 820, 18}},
    ControlTemplate{K::GroupBox, -1, "Time Columns", {10, 308, 420, 44}},
    ControlTemplate{K::RadioButton, kIdcCardLocalTime, "Show Local Time", {20, 326, 130, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcCardUtcTime, "Show UTC Time", {156, 326, 130, 20}},
    ControlTemplate{K::RadioButton, kIdcCardBothTimes, "Show Both Times", {292, 326, 130, 20}},
    ControlTemplate{K::PushButton, kIdcCardDownload, "Download Data", {10, 364, 130, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdcCardCancelDownload, "Cancel Download", {10, 364, 130, 28}, s::kHidden},
    ControlTemplate{K::PushButton, kIdcCardEraseSelected, "Erase Selected", {150, 364, 130, 28}},
    ControlTemplate{K::PushButton, kIdCancel, "Close", {660, 364, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {750, 364, 80, 28}},
};

}  // namespace

const DialogTemplate kCardDownloadDialog{kDialogCardDownload, "SD Card DownloadDialog", 840, 402, kControls};

}  // namespace corvane::res
