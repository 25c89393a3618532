#include "res/LcdTextDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 110, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {126, 10, 180, 24}},
    ControlTemplate{K::Static, kIdcLcdInput1Label, "Input 1 Name:", {12, 48, 110, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {126, 44, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcIconInput2Label, "Input 2 Name:", {12, 78, 110, 20}},
    ControlTemplate{K::Edit, kIdcIconInput2, "", {126, 74, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcIconInput3Label, "Input 3 Name:", {12, 108, 110, 20}},
    ControlTemplate{K::Edit, kIdcIconInput3, "", {126, 104, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcLcdDescription, "", {12, 138, 400, 40}},
    ControlTemplate{K::Edit, kIdcLcdPreview, "", {12, 184, 260, 72}, s::kMultiLine | s::kReadOnly},
    ControlTemplate{K::PushButton, kIdcLcdEditMessage, "Edit Message", {290, 184, 120, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {150, 270, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {240, 270, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {330, 270, 80, 28}},
};

}  // namespace

const DialogTemplate kLcdTextDialog{kDialogLcdText, "LCD Message", 420, 308, kControls};

}  // namespace corvane::res
