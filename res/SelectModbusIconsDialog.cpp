#include "res/SelectModbusIconsDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::ListBox, kIdcSelectModbusIconList, "", {12, 12, 200, 220}},
    ControlTemplate{K::ListBox, kIdcSelectModbusGroupList, "", {224, 12, 200, 220}},
    ControlTemplate{K::PushButton, kIdcSelectModbusButton, "Button1", {12, 244, 80, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {254, 244, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {344, 244, 80, 28}},
};

}  // namespace

const DialogTemplate kSelectModbusIconsDialog{kDialogSelectModbusIcons, "Select Modbus Icons", 436, 284, kControls};

}  // namespace corvane::res
