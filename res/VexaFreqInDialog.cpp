#include "res/VexaFreqInDialog.h"

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
    ControlTemplate{K::GroupBox, kIdcVexaFreqInSpecialGroup, "Special", {12, 44, 300, 60}},
    ControlTemplate{K::CheckBox, kIdcVexaDebounce, "Enable Debounce filtering", {24, 66, 280, 22}},
    ControlTemplate{K::Slider, kIdcVexaFrequencySlider, "", {12, 116, 300, 30}},
    ControlTemplate{K::Edit, kIdcVexaFrequencyValue, "", {12, 156, 140, 24}, s::kReadOnly},
    ControlTemplate{K::Edit, kIdcVexaPeriodValue, "", {172, 156, 140, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcVexaUnitsLabel, "Output Units Label:", {12, 198, 150, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {172, 194, 100, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {52, 236, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {142, 236, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {232, 236, 80, 28}},
};

}  // namespace

const DialogTemplate kVexaFreqInDialog{kDialogVexaFreqIn, "VEXA-2!!!!!!", 326, 276, kControls};

}  // namespace corvane::res
