#include "res/ScratchPadDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::ComboBox, kIdcScratchRegister, "", {300, 10, 160, 24}, s::kDropDownList},
    ControlTemplate{K::RadioButton, kIdcScratchRead, "Read from Scratchpad Register", {12, 50, 400, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcScratchWrite, "Write to Scratchpad Register", {12, 76, 400, 20}},
    ControlTemplate{K::Static, kIdcScratchInitialLabel, "Initial Register Value", {30, 108, 180, 20}},
    ControlTemplate{K::Edit, kIdcScratchInitial, "", {220, 104, 140, 24}},
    ControlTemplate{K::CheckBox, kIdcScratchRetain,
        "Retain last Register value for subsequent Logging Sessions using the same Program Net.", {30, 138, 600, 24}},
    ControlTemplate{K::CheckBox, kIdcScratchBounding, "Enable Min/Max Bounding", {30, 184, 300, 20}},
    ControlTemplate{K::Static, kIdcScratchBelowMin,
        "If the  Input Value is less than the Value at the Min terminal, the Min terminal value will be written "
        "to the Scratchpad Register",
        {48, 210, 580, 50}},
    ControlTemplate{K::Static, kIdcScratchAboveMax,
        "If the  Input Value is greater than the Value at the Max terminal, the Max terminal value will be "
        "written to the Scratchpad Register",
        {48, 266, 580, 50}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {368, 350, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {458, 350, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {548, 350, 80, 28}},
};

}  // namespace

const DialogTemplate kScratchPadDialog{kDialogScratchPad, "Scratchpad", 640, 390, kControls};

}  // namespace corvane::res
