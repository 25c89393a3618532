#include "res/PeriodicOutputDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Output a Square Wave with the following timing:", {12, 48, 400, 20}},
    ControlTemplate{K::Static, kIdStatic, "HH : MM : SS . sss", {206, 66, 200, 16}},
    ControlTemplate{K::Static, kIdStatic, "Delay to INITIAL Turn-On:", {12, 88, 190, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicDelayHours, "", {206, 84, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ":", {248, 88, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicDelayMinutes, "", {258, 84, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ":", {300, 88, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicDelaySeconds, "", {310, 84, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ".", {352, 88, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicDelayMilliseconds, "", {362, 84, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "ON Duration:", {12, 124, 190, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicOnHours, "", {206, 120, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ":", {248, 124, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicOnMinutes, "", {258, 120, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ":", {300, 124, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicOnSeconds, "", {310, 120, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ".", {352, 124, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicOnMilliseconds, "", {362, 120, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "OFF Duration:", {12, 160, 190, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicOffHours, "", {206, 156, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ":", {248, 160, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicOffMinutes, "", {258, 156, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ":", {300, 160, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicOffSeconds, "", {310, 156, 40, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, ".", {352, 160, 8, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicOffMilliseconds, "", {362, 156, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "Number of Cycles to Repeat (0-continuous):", {12, 200, 300, 20}},
    ControlTemplate{K::Edit, kIdcPeriodicCycles, "", {316, 196, 80, 24}, s::kNumber},
    ControlTemplate{K::RadioButton, kIdcPeriodicReset, "Reset Upon Disable", {12, 232, 200, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcPeriodicSuspend, "Suspend while Disabled", {220, 232, 200, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {188, 272, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {278, 272, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {368, 272, 80, 28}},
};

}  // namespace

const DialogTemplate kPeriodicOutputDialog{kDialogPeriodicOutput, "Periodic Output", 460, 312, kControls};

}  // namespace corvane::res
