#include "res/GpdiDialog.h"

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
    ControlTemplate{K::GroupBox, kIdStatic, "Mode", {12, 44, 250, 280}},
    ControlTemplate{K::RadioButton, kIdcGpdiEvent, "Event", {24, 91, 152, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcGpdiCounter, "Counter", {24, 177, 152, 22}},
    ControlTemplate{K::RadioButton, kIdcGpdiFrequency, "Frequency", {24, 263, 152, 22}},
    ControlTemplate{K::PushButton, kIdcGpdiEventPicture, "Event", {184, 62, 70, 80}},
    ControlTemplate{K::PushButton, kIdcGpdiCounterPicture, "Counter", {184, 148, 70, 80}},
    ControlTemplate{K::PushButton, kIdcGpdiFrequencyPicture, "Frequency", {184, 234, 70, 80}},
    ControlTemplate{K::GroupBox, kIdcGpdiLogicGroup, "Output Logic", {274, 44, 300, 80}},
    ControlTemplate{
        K::RadioButton, kIdcGpdiHighWhenHigh, "Output is HIGH when Input is HIGH", {286, 66, 280, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcGpdiLowWhenHigh, "Output is LOW when Input is HIGH", {286, 92, 280, 22}},
    ControlTemplate{K::CheckBox, kIdcGpdiDebounce, "Enable Debounce filtering", {24, 336, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcGpdiPullUp, "Enable Pull-up", {24, 362, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcGpdiOutputOnDisable, "Output Count upon DISABLE", {24, 396, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcGpdiClearOnEnable, "Clear  Count upon ENABLE", {24, 422, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcGpdiClearAfterOutput, "Clear Count after OUTPUT", {24, 448, 230, 22}},
    ControlTemplate{K::Static, kIdcGpdiUnitsLabel, "Output Units Label:", {24, 484, 150, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {180, 480, 100, 24}},
    ControlTemplate{K::GroupBox, kIdcGpdiSpecialGroup, "Special", {274, 130, 300, 200}},
    ControlTemplate{K::Slider, kIdcGpdiFrequencySlider, "", {286, 152, 276, 30}},
    ControlTemplate{K::Static, kIdcGpdiFrequencyLabel, "Minimum Measurable Frequency (Hz)", {286, 186, 190, 32}},
    ControlTemplate{K::Edit, kIdcGpdiFrequencyValue, "", {482, 188, 80, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcGpdiDelayLabel, "Worst-Case Sampling Delay (Sec)", {286, 220, 190, 32}},
    ControlTemplate{K::Edit, kIdcGpdiDelayValue, "", {482, 222, 80, 24}, s::kReadOnly},
    ControlTemplate{K::PushButton, kIdOk, "OK", {314, 526, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {404, 526, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {494, 526, 80, 28}},
};

}  // namespace

const DialogTemplate kGpdiDialog{kDialogGpdi, "GPDI", 588, 566, kControls};

}  // namespace corvane::res
