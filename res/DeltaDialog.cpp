#include "res/DeltaDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The sample count (1063) is enabled while "every" (11062) is checked.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input:", {12, 46, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {106, 42, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Trigger:", {300, 46, 70, 20}},
    ControlTemplate{K::Edit, kIdcDeltaTrigger, "", {374, 42, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Pass Data to Output if Input value changes by at least:", {12, 84, 400, 20}},
    ControlTemplate{K::Edit, kIdcDeltaChange, "", {416, 80, 100, 24}},
    ControlTemplate{K::Static, kIdStatic, "since last data was passed.", {12, 110, 400, 20}},
    ControlTemplate{K::CheckBox, kIdcDeltaEvery, "Additionally, pass Data to Output every:", {12, 144, 320, 20}},
    ControlTemplate{K::Edit, kIdcDeltaSamples, "", {336, 140, 80, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "samples", {424, 144, 100, 20}},
    ControlTemplate{K::RadioButton, kIdcDeltaQuietWhenDisabled, " Icon does not output any values when disabled",
        {12, 180, 560, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcDeltaPassWhenDisabled,
        "Icon outputs every input value when disabled, regardless of the amount changed.", {12, 204, 560, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {312, 244, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {402, 244, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {492, 244, 80, 28}},
};

}  // namespace

const DialogTemplate kDeltaDialog{kDialogDelta, "Delta Output", 584, 284, kControls};

}  // namespace corvane::res
