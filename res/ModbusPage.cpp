#include "res/ModbusPage.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Tab, kIdcModbusTabs, "", {6, 6, 528, 460}},
    ControlTemplate{K::TreeView, kIdcModbusAddressTree, "", {18, 42, 504, 412}, s::kHidden},

    ControlTemplate{K::GroupBox, kIdcModbusFunctionsGroup, "Modbus Functions and Configuration", {18, 40, 504, 190}},
    ControlTemplate{K::CheckBox, kIdcModbusRtuMaster, "Modbus RTU Master", {30, 62, 180, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusRtuSlave, "Modbus RTU Slave", {30, 88, 180, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusTcpClient, "Modbus TCP Client", {30, 114, 180, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusTcpServer, "Modbus TCP Server", {30, 140, 180, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusRetry, "Retry on Modbus error", {220, 62, 290, 22}},
    ControlTemplate{
        K::Static, kIdcModbusTimeoutLabel, "RTU Only: Response Timeout (10ths seconds)", {220, 86, 236, 34}},
    ControlTemplate{K::Edit, kIdcModbusTimeout, "", {466, 90, 44, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcModbusTimeoutDefault, "(Default = 10)", {220, 120, 236, 18}},
    ControlTemplate{
        K::Static, kIdcModbusDelayLabel, "RTU Only: Inter-Message Delay Multiplier  (1-8)", {220, 142, 236, 34}},
    ControlTemplate{K::Edit, kIdcModbusDelay, "", {466, 146, 44, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcModbusDelayDefault, " (Default = 4)", {220, 176, 236, 18}},
    ControlTemplate{K::CheckBox, kIdcModbusHighWordFirst, "More-significant 16-bit register at lower Modbus address",
        {30, 200, 480, 22}},

    ControlTemplate{K::GroupBox, kIdcModbusTcpGroup, "Modbus TCP Ethernet Settings", {18, 238, 504, 88}},
    ControlTemplate{K::Static, kIdcModbusPortLabel, "Logger TCP Port:", {30, 264, 120, 20}},
    ControlTemplate{K::Edit, kIdcModbusPort, "", {154, 260, 70, 24}, s::kNumber},
    ControlTemplate{K::PushButton, kIdcModbusDefaultPort, "Default", {234, 258, 80, 28}},
    ControlTemplate{K::CheckBox, kIdcModbusFilterClients, "Filter Client Addresses", {30, 294, 210, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusUseSubnetMasks, "Use Subnet Masks", {260, 294, 200, 22}},

    ControlTemplate{K::GroupBox, kIdcModbusSerialGroup, "Modbus RTU Serial Port Settings", {18, 334, 504, 124}},
    ControlTemplate{K::Static, kIdcModbusBitRateLabel, "Bitrate:", {30, 360, 70, 20}},
    ControlTemplate{K::ComboBox, kIdcModbusBitRate, "", {104, 356, 130, 24}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcModbusNodeAddressLabel, "Quv Modbus Node Address:", {250, 360, 190, 20}},
    ControlTemplate{K::Edit, kIdcModbusNodeAddress, "", {446, 356, 64, 24}, s::kNumber},
    ControlTemplate{K::RadioButton, kIdcModbusParityNone1, "No Parity, 1 Stop Bit", {30, 394, 230, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcModbusParityNone2, "No Parity, 2 Stop Bits", {30, 422, 230, 22}},
    ControlTemplate{K::RadioButton, kIdcModbusParityEven, "Even Parity, 1 Stop Bit", {270, 394, 230, 22}},
    ControlTemplate{K::RadioButton, kIdcModbusParityOdd, "Odd Parity, 1 Stop Bit", {270, 422, 230, 22}},
};

}  // namespace

const DialogTemplate kModbusPage{kDialogModbusPage, "Modbus", 540, 472, kControls};

}  // namespace corvane::res
