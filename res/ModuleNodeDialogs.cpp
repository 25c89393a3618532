#include "res/ModuleNodeDialogs.h"

#include "res/ModuleNodeIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// Both node dialogs show the module's identification in the same places;
// the progress bar lies over the firmware version while a reflash runs.
constexpr std::array kVexa7Controls = {
    ControlTemplate{K::Static, kIdStatic, "Module Type:", {12, 16, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeModuleType, "", {126, 12, 300, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Module Address:", {12, 50, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeAddress, "", {126, 46, 80, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Serial Number:", {12, 84, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeSerial, "", {126, 80, 140, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Firmware Version:", {12, 118, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeFirmware, "", {126, 114, 140, 24}, s::kReadOnly},
    ControlTemplate{K::ProgressBar, kIdcNodeProgress, "", {126, 114, 200, 24}, s::kHidden},
    ControlTemplate{K::PushButton, kIdcNodeReflash, "Reflash...", {336, 112, 90, 28}},
    ControlTemplate{K::Static, kIdStatic, "Module Name:", {12, 152, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeName, "", {126, 148, 200, 24}, s::kReadOnly},
    ControlTemplate{K::PushButton, kIdcNodeChange, "Change...", {336, 146, 90, 28}},
    ControlTemplate{K::GroupBox, kIdStatic, "Calibration Data", {12, 186, 414, 112}},
    ControlTemplate{K::Static, kIdStatic, "Last Calibration:", {24, 210, 110, 20}},
    ControlTemplate{K::Static, kIdcNodeLastCalibration, "", {138, 210, 280, 20}},
    ControlTemplate{K::Static, kIdStatic, "Calibration Due:", {24, 238, 110, 20}},
    ControlTemplate{K::Static, kIdcNodeCalibrationDue, "", {138, 238, 280, 20}},
    ControlTemplate{K::Static, kIdStatic, "Comments:", {24, 266, 110, 20}},
    ControlTemplate{K::Static, kIdcNodeComments, "", {138, 266, 280, 20}},
    ControlTemplate{K::PushButton, kIdOk, "Close", {346, 310, 80, 28}, s::kDefault},
};

constexpr std::array kVexa2Controls = {
    ControlTemplate{K::Static, kIdStatic, "Module Type:", {12, 16, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeModuleType, "", {126, 12, 300, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Module Address:", {12, 50, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeAddress, "", {126, 46, 80, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Serial Number:", {12, 84, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeSerial, "", {126, 80, 140, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Firmware Version:", {12, 118, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeFirmware, "", {126, 114, 140, 24}, s::kReadOnly},
    ControlTemplate{K::ProgressBar, kIdcNodeProgress, "", {126, 114, 200, 24}, s::kHidden},
    ControlTemplate{K::PushButton, kIdcNodeReflash, "Reflash...", {336, 112, 90, 28}},
    ControlTemplate{K::Static, kIdStatic, "Module Name:", {12, 152, 110, 20}},
    ControlTemplate{K::Edit, kIdcNodeName, "", {126, 148, 200, 24}, s::kReadOnly},
    ControlTemplate{K::PushButton, kIdcNodeChange, "Change...", {336, 146, 90, 28}},
    ControlTemplate{K::Edit, kIdcNodeNewSerial, "", {126, 186, 140, 24}, s::kHidden | s::kNumber},
    ControlTemplate{K::PushButton, kIdcNodeSetSerial, "Set SN", {276, 184, 80, 28}, s::kHidden},
    ControlTemplate{K::PushButton, kIdOk, "Close", {346, 226, 80, 28}, s::kDefault},
};

constexpr std::array kNameControls = {
    ControlTemplate{K::Static, kIdStatic, "Enter the new\nmodule name:", {12, 12, 120, 40}},
    ControlTemplate{K::Edit, kIdcNewModuleName, "", {136, 16, 280, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {156, 60, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {246, 60, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {336, 60, 80, 28}},
};

}  // namespace

const DialogTemplate kVexa7NodeDialog{kDialogVexa7Node, "VEXA-7 Module Properties", 438, 350, kVexa7Controls};
const DialogTemplate kVexa2NodeDialog{kDialogVexa2Node, "VEXA-2 Module Properties", 438, 266, kVexa2Controls};
const DialogTemplate kChangeModuleNameDialog{kDialogChangeModuleName, "Change Module Name", 428, 100, kNameControls};

}  // namespace corvane::res
