#include "res/ModbusTestDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdcModbusTestResult,
        "Enter the value to be written in the box below and click the button to write a new value to the device.",
        {12, 12, 376, 96}},
    ControlTemplate{K::Edit, kIdcModbusTestValue, "", {12, 120, 200, 24}},
    ControlTemplate{K::PushButton, kIdcModbusTestSend, "Read Register", {228, 118, 160, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {212, 164, 84, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {304, 164, 84, 28}},
};

}  // namespace

const DialogTemplate kModbusTestDialog{kDialogModbusTest, "Modbus Register Access Test", 400, 204, kControls};

}  // namespace corvane::res
