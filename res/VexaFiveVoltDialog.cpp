#include "res/VexaFiveVoltDialog.h"

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
    ControlTemplate{K::GroupBox, kIdcVexaFiveVoltLogicGroup, "Output Logic", {12, 44, 300, 80}},
    ControlTemplate{
        K::RadioButton, kIdcVexaHighWhenHigh, "Output is HIGH when Input is HIGH", {24, 66, 280, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcVexaLowWhenHigh, "Output is LOW when Input is HIGH", {24, 92, 280, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {52, 136, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {142, 136, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {232, 136, 80, 28}},
};

}  // namespace

const DialogTemplate kVexaFiveVoltDialog{kDialogVexaFiveVolt, "VEXA-2!!!!!!", 326, 176, kControls};

}  // namespace corvane::res
