#include "res/FtpDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kDialogControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 80, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {96, 10, 200, 24}},
    ControlTemplate{K::Static, kIdcFtpSheetFrame, "", {8, 44, 480, 440}, s::kHidden},
    ControlTemplate{K::PushButton, kIdOk, "OK", {228, 494, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {318, 494, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {408, 494, 80, 28}},
};

constexpr std::array kDestControls = {
    ControlTemplate{K::GroupBox, kIdStatic, "FTP Mode", {8, 8, 456, 72}},
    ControlTemplate{K::RadioButton, kIdcFtpActive, "Active", {20, 28, 200, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFtpPassive, "Passive", {20, 52, 200, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Directory", {8, 88, 456, 100}},
    ControlTemplate{K::Edit, kIdcFtpDirectory, "", {20, 110, 300, 24}},
    ControlTemplate{K::CheckBox, kIdcFtpSubdirectory,
        "Create a subdirectory using session start time for storing FTP data.", {20, 142, 436, 36}, s::kMultiLine},
};

}  // namespace

const DialogTemplate kFtpDialog{kDialogFtp, "File Transfer Protocol (FTP)", 496, 532, kDialogControls};
const DialogTemplate kFtpDestPage{kDialogFtpDestPage, "Destination", 472, 410, kDestControls};

}  // namespace corvane::res
