#include "res/ExciteDialog.h"

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
    ControlTemplate{K::Static, kIdStatic, "Input:", {12, 50, 90, 20}},
    ControlTemplate{K::Edit, kIdcInput1, "", {106, 46, 180, 24}, s::kReadOnly},
    ControlTemplate{K::GroupBox, kIdStatic, "Operational Logic", {12, 84, 380, 72}},
    ControlTemplate{K::RadioButton, kIdcExciteOnHigh, "Excitation is ON when input is HIGH", {24, 104, 360, 22},
        s::kGroup},
    ControlTemplate{K::RadioButton, kIdcExciteOnLow, "Excitation is ON when input is LOW", {24, 128, 360, 22}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {132, 164, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {222, 164, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {312, 164, 80, 28}},
};

}  // namespace

const DialogTemplate kExciteDialog{kDialogExcite, "Sensor Excitation", 404, 200, kControls};

}  // namespace corvane::res
