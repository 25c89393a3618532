#include "res/VxmHighVoltageDialog.h"

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
    ControlTemplate{K::GroupBox, kIdcVxmRangeGroup, "Range", {10, 44, 540, 250}},
    ControlTemplate{K::RadioButton, kIdcVxmRange1, "+/-225 Vdc", {22, 66, 260, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVxmRange2, "+/-120 Vdc", {22, 94, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange3, "+/-60 Vdc", {22, 122, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange4, "+/-30 Vdc", {22, 150, 260, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVxmRange5, "+/-15 Vdc", {22, 178, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange6, "+/-7.5 Vdc", {22, 206, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange7, "3.75 V", {22, 234, 260, 20}},
    ControlTemplate{K::RadioButton, kIdcVxmRange8, "1.875 V", {22, 262, 260, 20}},
    ControlTemplate{K::GroupBox, kIdcVxmSamplingGroup, "Sampling Setup (select range first)", {10, 302, 540, 120}},
    ControlTemplate{K::Static, kIdcVxmSpeedEnd, "Speed", {22, 330, 60, 20}},
    ControlTemplate{K::Slider, kIdcVxmSlider, "", {86, 324, 200, 30}},
    ControlTemplate{K::Static, kIdcVxmPrecisionEnd, "Precision", {292, 330, 80, 20}},
    ControlTemplate{K::Static, kIdcVxmSpeedCaption, "Resulting Speed:", {22, 362, 150, 20}},
    ControlTemplate{K::Static, kIdcVxmSpeed, " Fixed at 6", {176, 362, 90, 20}},
    ControlTemplate{K::Static, kIdcVxmSpeedUnit, "Samples/sec", {270, 362, 100, 20}},
    ControlTemplate{K::Static, kIdcVxmResolutionCaption, "Resulting Resolution:", {22, 388, 150, 20}},
    ControlTemplate{K::Static, kIdcVxmResolution, "Standard", {176, 388, 90, 20}},
    ControlTemplate{K::Static, kIdcVxmResolutionUnit, "bits", {270, 388, 100, 20}},
    ControlTemplate{K::CheckBox, kIdcVxmNoiseReject, "Enable 50/60 Hz AC Noise Reject", {12, 432, 300, 20}},
    ControlTemplate{K::CheckBox, kIdcVxmExcitation, "Enable Excitation During Reading", {12, 458, 300, 20}},
    ControlTemplate{K::CheckBox, kIdcVxmExtendedSettling, "Enable Extended Settling Time", {12, 484, 260, 20}},
    ControlTemplate{K::Static, kIdcVxmSettlingLabel, "Settling Multiplier", {280, 486, 130, 20}},
    ControlTemplate{K::Edit, kIdcVxmSettling, "", {412, 482, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcVxmSettlingNote, "(1 to 10; default is 1)", {280, 510, 200, 20}},
    ControlTemplate{
        K::CheckBox, kIdcVxmScaling, "Enable scaling:   Output = (1.000 * input) + 0.000", {12, 532, 440, 40}},
    ControlTemplate{K::PushButton, kIdcVxmEditScaling, "Edit", {470, 538, 80, 28}},
    ControlTemplate{K::Static, kIdcVxmUnitsLabel, "Output Units Label:", {12, 584, 150, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {166, 580, 100, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {290, 620, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {380, 620, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {470, 620, 80, 28}},
};

}  // namespace

const DialogTemplate kVxmHighVoltageDialog{kDialogVxmHighVoltage, "Isolated High VDC", 560, 660, kControls};

}  // namespace corvane::res
