#include "res/ProgramSettingsDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::GroupBox, kIdStatic, "SD Card", {10, 8, 400, 80}},
    ControlTemplate{K::Static, kIdStatic, "Card Reader Mount Point:", {22, 32, 170, 20}},
    ControlTemplate{K::Edit, kIdcCardDriveLetter, "", {22, 52, 280, 24}, s::kReadOnly},
    ControlTemplate{K::PushButton, kIdcCardFolderBrowse, "Browse...", {310, 50, 90, 28}},
    ControlTemplate{K::GroupBox, kIdStatic, "Diagnostic Log", {10, 94, 400, 50}},
    ControlTemplate{K::CheckBox, kIdcCommTrace, "Record Communications Trace", {22, 116, 300, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Message Timeout", {10, 150, 400, 114}},
    ControlTemplate{K::Static, kIdStatic, "Timeout:", {22, 174, 60, 20}},
    ControlTemplate{K::Edit, kIdcMessageTimeout, "", {86, 170, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "Seconds (Minimum=5, Max=30)", {144, 174, 250, 20}},
    ControlTemplate{K::Static, kIdStatic,
        "The minimum value is expected to be sufficient in most circumstances. In congested WiFi or "
        "high-latency Cellular environments, performance may be improved by larger values.",
        {22, 200, 380, 58}},
    ControlTemplate{K::GroupBox, kIdStatic, "Network Connection Timeout", {10, 270, 400, 114}},
    ControlTemplate{K::Static, kIdStatic, "Timeout:", {22, 294, 60, 20}},
    ControlTemplate{K::Edit, kIdcConnectionTimeout, "", {86, 290, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "Seconds (Minimum=5, Max=60)", {144, 294, 250, 20}},
    ControlTemplate{K::Static, kIdStatic,
        "The minimum value is sufficient for USB or Ethernet. Associating with a WiFi access point may "
        "require 10 seconds or more, establishing a Cellular connection may require 30 seconds or more.",
        {22, 320, 380, 58}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {150, 396, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {240, 396, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {330, 396, 80, 28}},
};

}  // namespace

const DialogTemplate kProgramSettingsDialog{kDialogProgramSettings, "Corvane Settings", 420, 434, kControls};

}  // namespace corvane::res
