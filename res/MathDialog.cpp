#include "res/MathDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The input rows show the source of W, X, Y and Z, top to bottom.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Output Units:", {300, 14, 100, 20}},
    ControlTemplate{K::Edit, kIdcIconUnits, "", {404, 10, 100, 24}},
    ControlTemplate{K::Static, kIdStatic, "Equation:", {12, 50, 90, 20}},
    ControlTemplate{K::Edit, kIdcMathEquation, "", {106, 46, 398, 24}},
    ControlTemplate{K::Static, kIdStatic, "W Input:", {12, 90, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {106, 86, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcIconInput2Label, "X Input:", {12, 120, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput2, "", {106, 116, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcIconInput3Label, "Y Input:", {12, 150, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput3, "", {106, 146, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcIconInput4Label, "Z Input:", {12, 180, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput4, "", {106, 176, 180, 24}, s::kReadOnly},
    ControlTemplate{K::PushButton, kIdcMathSwap, "Swap   X  && Y  ", {106, 210, 180, 28}},
    ControlTemplate{K::GroupBox, kIdStatic, "Output when:", {300, 82, 204, 156}},
    ControlTemplate{K::RadioButton, kIdcMathWhenW, "W is updated", {312, 102, 180, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMathWhenX, "X is updated", {312, 128, 180, 20}},
    ControlTemplate{K::RadioButton, kIdcMathWhenY, "Y is updated", {312, 154, 180, 20}},
    ControlTemplate{K::RadioButton, kIdcMathWhenZ, "Z is updated", {312, 180, 180, 20}},
    ControlTemplate{K::RadioButton, kIdcMathWhenAny, "Any input is updated", {312, 206, 180, 20}},
    ControlTemplate{K::PushButton, kIdcMathGenerate, "Generate Equation", {12, 254, 150, 28}},
    ControlTemplate{K::PushButton, kIdcMathLibrary, "Function Library", {172, 254, 150, 28}},
    ControlTemplate{K::PushButton, kIdcMathSave, "Save", {332, 254, 80, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {244, 298, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {334, 298, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {424, 298, 80, 28}},
};

}  // namespace

const DialogTemplate kMathDialog{kDialogMath, "Math Function", 516, 338, kControls};

}  // namespace corvane::res
