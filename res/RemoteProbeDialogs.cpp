#include "res/RemoteProbeDialogs.h"

#include "res/RemoteProbeIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kRemoteControls = {
    ControlTemplate{K::TreeView, kIdcRemoteTree, "", {12, 12, 336, 280}},
    ControlTemplate{K::CheckBox, kIdcRemoteVerify, "Verify before sending values", {12, 302, 336, 22}},
    ControlTemplate{K::PushButton, kIdcRemoteSend, "&Send Values to Logger", {12, 334, 190, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Close", {268, 334, 80, 28}},
};

constexpr std::array kProbeValues = {
    ControlTemplate{K::Static, kIdcProbePollTime, "[ Unknown Time/Date ]", {12, 10, 400, 20}},
    ControlTemplate{K::ListView, kIdcProbeList, "", {12, 36, 596, 250}},
    ControlTemplate{K::Picture, kIdcProbeStoppedIcon, "", {12, 294, 32, 32}, s::kHidden},
    ControlTemplate{K::Static, kIdcProbeStoppedNote, "NOTE: Old Values - Logger Stopped", {52, 300, 300, 22}, s::kHidden},
    ControlTemplate{K::Picture, kIdcProbePausedIcon, "", {12, 294, 32, 32}, s::kHidden},
    ControlTemplate{K::Static, kIdcProbePausedNote, "Updates paused - Click Start to resume:", {52, 300, 300, 22},
        s::kHidden},
    ControlTemplate{K::PushButton, kIdcProbePauseStart, "Pause", {360, 296, 80, 28}},
    ControlTemplate{K::Static, -1,
        "[Readings displayed in this Window are polled every second by Corvane and may repeat until updated by the "
        "Logger Program Net]",
        {12, 334, 500, 40}},
    ControlTemplate{K::PushButton, kIdcProbeClose, "Close", {528, 340, 80, 28}, s::kDefault},
};

}  // namespace

const DialogTemplate kRemoteControlsDialog{kDialogRemoteControls, "Remote Control Options...", 360, 374, kRemoteControls};
const DialogTemplate kProbeValuesDialog{kDialogProbeValues, "Probe Point Values", 620, 380, kProbeValues};

}  // namespace corvane::res
