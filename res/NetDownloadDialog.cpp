#include "res/NetDownloadDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The icon appears only after a failure. The Help button is never shown;
// it is there so that F1 opens the dialog's help.
constexpr std::array kControls = {
    ControlTemplate{K::Picture, kIdcNetDownloadIcon, "", {16, 16, 32, 32}, s::kHidden},
    ControlTemplate{K::Static, kIdcNetDownloadStatus, "", {60, 16, 340, 72}},
    ControlTemplate{K::ProgressBar, kIdcNetDownloadProgress, "", {60, 96, 340, 18}},
    ControlTemplate{K::PushButton, kIdOk, "Cancel", {170, 128, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {320, 128, 80, 28}, s::kHidden},
};

}  // namespace

const DialogTemplate kNetDownloadDialog{kDialogNetDownload, "Download Program Net", 420, 170, kControls};

}  // namespace corvane::res
