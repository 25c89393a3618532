#include "res/ModbusPropertiesDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdcModbusNoteIntro,
        "Icons in the currently open Program Net which can be assigned Modbus Register addresses and shared.  "
        "Valid table addresses range from 40001 to 49000.",
        {12, 10, 456, 44}},
    ControlTemplate{K::TreeView, kIdcModbusTree, "", {12, 60, 456, 250}},
    ControlTemplate{K::Static, kIdcModbusNoteZero,
        "1.  An entry of '0' indicates that the icon will not be accessible via Modbus. ", {12, 320, 456, 22}},
    ControlTemplate{K::Static, kIdcModbusNoteSteps,
        "2.  As two 16 bit registers are used per entry, number assignments must be in steps of 2. For example, "
        "Holding Registers 40101, 40103, 40105.",
        {12, 346, 456, 44}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {208, 402, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {298, 402, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {388, 402, 80, 28}},
};

}  // namespace

const DialogTemplate kModbusPropertiesDialog{kDialogModbusProperties,
    "Modbus Addressable Icons for remote RTU/Master or TCP/Client Access", 480, 442, kControls};

}  // namespace corvane::res
