#include "res/DelayDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input Name:", {12, 48, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {106, 44, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Output goes HIGH:", {12, 88, 140, 20}},
    ControlTemplate{K::Edit, kIdcDelayOnValue, "", {156, 84, 80, 24}, s::kNumber},
    ControlTemplate{K::ComboBox, kIdcDelayOnUnit, "", {244, 84, 220, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcDelayOnCaption, "", {156, 114, 308, 20}},
    ControlTemplate{K::Static, kIdStatic, "Output goes LOW:", {12, 152, 140, 20}},
    ControlTemplate{K::Edit, kIdcDelayOffValue, "", {156, 148, 80, 24}, s::kNumber},
    ControlTemplate{K::ComboBox, kIdcDelayOffUnit, "", {244, 148, 220, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcDelayOffCaption, "", {156, 178, 308, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {204, 218, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {294, 218, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {384, 218, 80, 28}},
};

}  // namespace

const DialogTemplate kDelayDialog{kDialogDelay, "Delay", 476, 258, kControls};

}  // namespace corvane::res
