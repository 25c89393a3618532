#include "res/EngRelayDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;
constexpr int kIdcInput1 = 1060;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input:", {12, 50, 90, 20}},
    ControlTemplate{K::Edit, kIdcInput1, "", {106, 46, 180, 24}, s::kReadOnly},
    ControlTemplate{K::GroupBox, kIdStatic, "When logger Stopped, Reset, or Reflashed", {12, 84, 436, 96}},
    ControlTemplate{K::RadioButton, kIdcRelayRetain, "Retain last relay state", {24, 104, 400, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcRelayOpen, "OPEN relay", {24, 128, 400, 22}},
    ControlTemplate{K::RadioButton, kIdcRelayClose, "CLOSE relay", {24, 152, 400, 22}},
    ControlTemplate{K::GroupBox, kIdStatic, "Output logic", {12, 188, 436, 72}},
    ControlTemplate{K::RadioButton, kIdcRelayClosedWhenHigh, "Relay is CLOSED when Input is HIGH", {24, 208, 400, 22},
        s::kGroup},
    ControlTemplate{K::RadioButton, kIdcRelayOpenWhenHigh, "Relay is OPEN when Input is HIGH", {24, 232, 400, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {188, 268, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {278, 268, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {368, 268, 80, 28}},
};

}  // namespace

const DialogTemplate kEngRelayDialog{kDialogEngRelay, "Relay", 460, 300, kControls};

}  // namespace corvane::res
