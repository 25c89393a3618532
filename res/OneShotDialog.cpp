#include "res/OneShotDialog.h"

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
    ControlTemplate{K::RadioButton, kIdcOneShotRising, "Low to High Input Transition", {12, 82, 260, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcOneShotFalling, "High to Low Input Transition", {12, 106, 260, 22}},
    ControlTemplate{K::GroupBox, kIdStatic, "Trigger Delay", {8, 138, 464, 98}},
    ControlTemplate{K::Static, kIdStatic, "Delay Output", {20, 164, 100, 20}},
    ControlTemplate{K::Edit, kIdcOneShotDelay, "", {124, 160, 60, 24}, s::kNumber},
    ControlTemplate{K::ComboBox, kIdcOneShotDelayUnit, "", {192, 160, 220, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdStatic, "after Trigger Asserted", {124, 188, 220, 20}},
    ControlTemplate{K::CheckBox, kIdcOneShotRetriggerDelay, "Retrigger During Delay Restarts Delay Time",
        {20, 208, 440, 22}},
    ControlTemplate{K::GroupBox, kIdStatic, "Output Duration", {8, 244, 464, 98}},
    ControlTemplate{K::Static, kIdStatic, "Extend Output", {20, 270, 100, 20}},
    ControlTemplate{K::Edit, kIdcOneShotDuration, "", {124, 266, 60, 24}, s::kNumber},
    ControlTemplate{K::ComboBox, kIdcOneShotDurationUnit, "", {192, 266, 220, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdStatic, "after Trigger Negated", {124, 294, 220, 20}},
    ControlTemplate{K::CheckBox, kIdcOneShotRetriggerExtension,
        "Retrigger During Output Extension Restarts Extension Time", {20, 314, 440, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {212, 354, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {302, 354, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {392, 354, 80, 28}},
};

}  // namespace

const DialogTemplate kOneShotDialog{kDialogOneShot, "One Shot", 484, 394, kControls};

}  // namespace corvane::res
