#include "res/SampleRateClockDialog.h"

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
    ControlTemplate{K::Static, kIdStatic, "Output Trigger Pulse every :", {12, 50, 200, 20}},
    ControlTemplate{K::Edit, kIdcClockValue, "", {214, 46, 60, 24}, s::kNumber},
    ControlTemplate{K::ComboBox, kIdcClockUnit, "", {282, 46, 200, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcClockAlternateLabel, "Use Alternate Trigger Rate when:", {12, 88, 240, 20}},
    ControlTemplate{K::Edit, kIdcInput1, "", {12, 112, 200, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcClockAlternateHigh, "input is HIGH", {222, 116, 150, 20}},
    ControlTemplate{K::Static, kIdcClockAlternateRateLabel, "Alternate Trigger Rate:", {12, 152, 200, 20}},
    ControlTemplate{K::Edit, kIdcClockAlternateValue, "", {214, 148, 60, 24}, s::kNumber},
    ControlTemplate{K::ComboBox, kIdcClockAlternateUnit, "", {282, 148, 200, 24}, s::kDropDownList},
    ControlTemplate{K::PushButton, kIdcClockRateAsName, "Use sample rate as icon name", {12, 188, 260, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {222, 232, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {312, 232, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {402, 232, 80, 28}},
};

}  // namespace

const DialogTemplate kSampleRateClockDialog{kDialogSampleRateClock, "Sample Rate Clock", 494, 270, kControls};

}  // namespace corvane::res
