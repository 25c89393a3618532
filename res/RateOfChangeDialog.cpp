#include "res/RateOfChangeDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// 1317 and 1323 name the input's source when the dialog opens.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input:", {12, 46, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {106, 42, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Units:", {300, 46, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconUnits, "", {364, 42, 100, 24}},
    ControlTemplate{K::Static, kIdcRateUnitText, "", {12, 82, 440, 20}},
    ControlTemplate{K::RadioButton, kIdcRatePerSecond, "per Second", {24, 106, 120, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcRatePerMinute, "per Minute", {150, 106, 120, 20}},
    ControlTemplate{K::RadioButton, kIdcRatePerHour, "per Hour", {276, 106, 120, 20}},
    ControlTemplate{K::RadioButton, kIdcRatePerDay, "per Day", {402, 106, 120, 20}},
    ControlTemplate{K::Static, kIdcRateExplanation, "", {12, 140, 560, 40}},
    ControlTemplate{K::Static, kIdStatic, "Calculate over:", {12, 194, 120, 20}},
    ControlTemplate{K::Edit, kIdcRateSamples, "", {136, 190, 60, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "Sample Intervals", {204, 194, 160, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {312, 232, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {402, 232, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {492, 232, 80, 28}},
};

}  // namespace

const DialogTemplate kRateOfChangeDialog{kDialogRateOfChange, "Derivative; Rate of Change", 584, 272, kControls};

}  // namespace corvane::res
