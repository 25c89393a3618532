#include "res/EqnDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::GroupBox, kIdStatic, "Function", {10, 8, 500, 96}},
    ControlTemplate{K::Static, kIdStatic,
        "Generates a linear equation (with scaling and offset) commonly used for Engineering units conversion "
        "(eg from mA to PSI, rH, GPM, etc).\n\nDefine advanced functions using the Function edit window in the main "
        "Math icon dialog.",
        {20, 26, 480, 72}},
    ControlTemplate{K::GroupBox, kIdStatic, "Equation Generation", {10, 112, 500, 150}},
    ControlTemplate{K::Static, kIdStatic,
        "Enter a near full-scale and a near zero signal level with the real world value of each, then press "
        "Calculate.",
        {20, 130, 480, 36}},
    ControlTemplate{K::Static, kIdStatic, "Signal Level", {130, 168, 120, 20}},
    ControlTemplate{K::Static, kIdStatic, "Real World", {270, 168, 120, 20}},
    ControlTemplate{K::Static, kIdStatic, "High Point:", {20, 194, 100, 20}},
    ControlTemplate{K::Edit, kIdcEqnHighSignal, "", {130, 190, 120, 24}},
    ControlTemplate{K::Edit, kIdcEqnHighReal, "", {270, 190, 120, 24}},
    ControlTemplate{K::Static, kIdStatic, "Low Point:", {20, 228, 100, 20}},
    ControlTemplate{K::Edit, kIdcEqnLowSignal, "", {130, 224, 120, 24}},
    ControlTemplate{K::Edit, kIdcEqnLowReal, "", {270, 224, 120, 24}},
    ControlTemplate{K::PushButton, kIdcEqnCalculate, "Calculate", {410, 206, 90, 28}},
    ControlTemplate{K::GroupBox, kIdStatic, "Resulting Equation", {10, 270, 500, 80}},
    ControlTemplate{K::Static, kIdStatic, "Linear scaling of input in mX+b format:", {20, 288, 480, 20}},
    ControlTemplate{K::Static, kIdStatic, "Output = ", {20, 316, 70, 20}},
    ControlTemplate{K::Edit, kIdcEqnScale, "", {94, 312, 120, 24}},
    ControlTemplate{K::Static, kIdcEqnInputLabel, "*  W     +   ", {220, 316, 90, 20}},
    ControlTemplate{K::Edit, kIdcEqnOffset, "", {314, 312, 120, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {250, 362, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {340, 362, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {430, 362, 80, 28}},
};

}  // namespace

const DialogTemplate kEqnDialog{kDialogEqn, "Output Scaling Equation Generator", 520, 400, kControls};

}  // namespace corvane::res
