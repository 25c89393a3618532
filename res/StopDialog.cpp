#include "res/StopDialog.h"

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
    ControlTemplate{K::Static, kIdcStopExplanation, "", {12, 84, 380, 44}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {132, 140, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {222, 140, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {312, 140, 80, 28}},
};

}  // namespace

const DialogTemplate kStopDialog{kDialogStop, "Stop", 404, 178, kControls};

}  // namespace corvane::res
