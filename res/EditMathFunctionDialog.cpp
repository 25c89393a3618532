#include "res/EditMathFunctionDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Picture, kIdcMathFunctionPicture, "", {10, 10, 64, 64}},
    ControlTemplate{K::Static, kIdStatic, "Equation:", {86, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcMathFunctionEquation, "", {180, 10, 330, 24}},
    ControlTemplate{K::Static, kIdStatic, "Comment:", {86, 50, 90, 20}},
    ControlTemplate{K::Edit, kIdcMathFunctionComment, "", {180, 46, 330, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {250, 90, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {340, 90, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {430, 90, 80, 28}},
};

}  // namespace

const DialogTemplate kEditMathFunctionDialog{kDialogEditMathFunction, "Edit Math Function", 520, 128, kControls};

}  // namespace corvane::res
