#include "res/ConstDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;
constexpr int kIdcUnits = 1059;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::GroupBox, kIdcConstFunctionGroup, "Function", {10, 44, 400, 150}},
    ControlTemplate{K::Static, kIdcConstRemoteNote, "Output under remote control via communication link.",
        {22, 66, 380, 20}},
    ControlTemplate{K::Static, kIdcConstStateLabel, "Initial State of Output:", {22, 94, 170, 20}},
    ControlTemplate{K::RadioButton, kIdcConstStateHigh, "High", {200, 94, 80, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcConstStateLow, "Low", {290, 94, 80, 20}},
    ControlTemplate{K::Static, kIdcConstValueLabel, "Constant Value:", {22, 124, 130, 20}},
    ControlTemplate{K::Edit, kIdcConstValue, "", {160, 120, 140, 24}},
    ControlTemplate{K::Static, kIdcConstUnitsLabel, "Units:", {22, 156, 130, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {160, 152, 140, 24}},
    ControlTemplate{K::GroupBox, kIdcConstSpecialGroup, "Special", {10, 200, 400, 80}},
    ControlTemplate{K::RadioButton, kIdcConstRetain, "Retain last set state when Enabled after prior Disable",
        {22, 222, 380, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcConstReset, "Reset to initial state when Enabled after prior Disable",
        {22, 250, 380, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {150, 294, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {240, 294, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {330, 294, 80, 28}},
};

}  // namespace

const DialogTemplate kConstDialog{kDialogConst, "Constant", 420, 332, kControls};

}  // namespace corvane::res
