#include "res/VexaEventCountDialog.h"

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
    ControlTemplate{K::RadioButton, kIdcVexaEvent, "Event", {24, 91, 152, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVexaCounter, "Counter", {24, 177, 152, 22}},
    ControlTemplate{
        K::RadioButton, kIdcVexaDiscreteOutput, "Open Collector Discrete Output", {24, 256, 152, 36}, s::kMultiLine},
    ControlTemplate{K::PushButton, kIdcVexaEventPicture, "Event", {184, 62, 70, 80}},
    ControlTemplate{K::PushButton, kIdcVexaCounterPicture, "Counter", {184, 148, 70, 80}},
    ControlTemplate{K::PushButton, kIdcVexaOutputPicture, "Output", {184, 234, 70, 80}},
    ControlTemplate{K::GroupBox, kIdcVexaLogicGroup, "Output Logic", {274, 44, 300, 80}},
    ControlTemplate{
        K::RadioButton, kIdcVexaHighWhenHigh, "Output is HIGH when Input is HIGH", {286, 66, 280, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVexaLowWhenHigh, "Output is LOW when Input is HIGH", {286, 92, 280, 22}},
    ControlTemplate{K::GroupBox, kIdcVexaSpecialGroup, "Special", {274, 130, 300, 60}},
    ControlTemplate{K::CheckBox, kIdcVexaDebounce, "Enable Debounce filtering", {286, 152, 280, 22}},
    ControlTemplate{K::CheckBox, kIdcVexaOutputOnDisable, "Output Count upon DISABLE", {24, 340, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcVexaClearOnEnable, "Clear  Count upon ENABLE", {24, 366, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcVexaClearAfterOutput, "Clear Count after OUTPUT", {24, 392, 230, 22}},
    ControlTemplate{K::Static, kIdcVexaUnitsLabel, "Output Units Label:", {24, 434, 150, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {180, 430, 100, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {314, 470, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {404, 470, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {494, 470, 80, 28}},
};

}  // namespace

const DialogTemplate kVexaEventCountDialog{kDialogVexaEventCount, "VEXA-2!!!!!!", 588, 510, kControls};

}  // namespace corvane::res
