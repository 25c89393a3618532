#include "res/ModbusPage.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Tab, kIdcModbusTabs, "", {6, 6, 528, 452}},
    ControlTemplate{K::TreeView, kIdcModbusAddressTree, "", {18, 42, 504, 404}, s::kHidden},

    ControlTemplate{K::GroupBox, kIdcModbusFunctionsGroup, "Modbus Functions and Configuration", {18, 40, 504, 150}},
    ControlTemplate{K::CheckBox, kIdcModbusRtuMaster, "Modbus RTU Master", {30, 62, 180, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusRtuSlave, "Modbus RTU Slave", {30, 86, 180, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusTcpClient, "Modbus TCP Client", {30, 110, 180, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusTcpServer, "Modbus TCP Server", {30, 134, 180, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusHighWordFirst, "More-significant 16-bit register at lower Modbus address",
        {30, 160, 480, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusRetry, "Retry on Modbus error", {220, 62, 290, 22}},
    ControlTemplate{K::Static, kIdcModbusTimeoutLabel, "RTU Only: Response Timeout (10ths seconds)",
        {220, 88, 240, 36}},
    ControlTemplate{K::Edit, kIdcModbusTimeout, "", {466, 90, 44, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcModbusTimeoutDefault, "(Default = 10)", {220, 122, 150, 18}},
    ControlTemplate{K::Static, kIdcModbusDelayLabel, "RTU Only: Inter-Message Delay Multiplier  (1-8)",
        {220, 140, 240, 36}},
    ControlTemplate{K::Edit, kIdcModbusDelay, "", {466, 142, 44, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcModbusDelayDefault, " (Default = 4)", {376, 122, 130, 18}},

    ControlTemplate{K::GroupBox, kIdcModbusTcpGroup, "Modbus TCP Ethernet Settings", {18, 198, 504, 92}},
    ControlTemplate{K::Static, kIdcModbusPortLabel, "Logger TCP Port:", {30, 224, 120, 20}},
    ControlTemplate{K::Edit, kIdcModbusPort, "", {154, 220, 70, 24}, s::kNumber},
    ControlTemplate{K::PushButton, kIdcModbusDefaultPort, "Default", {234, 218, 80, 28}},
    ControlTemplate{K::CheckBox, kIdcModbusFilterClients, "Filter Client Addresses", {30, 256, 210, 22}},
    ControlTemplate{K::CheckBox, kIdcModbusUseSubnetMasks, "Use Subnet Masks", {260, 256, 200, 22}},

    ControlTemplate{K::GroupBox, kIdcModbusSerialGroup, "Modbus RTU Serial Port Settings", {18, 298, 504, 150}},
    ControlTemplate{K::Static, kIdcModbusBitRateLabel, "Bitrate:", {30, 324, 70, 20}},
    ControlTemplate{K::ComboBox, kIdcModbusBitRate, "", {104, 320, 130, 120}, s::kDropDownList},
    ControlTemplate{K::Static, kIdcModbusNodeAddressLabel, "Quv Modbus Node Address:", {250, 324, 190, 20}},
    ControlTemplate{K::Edit, kIdcModbusNodeAddress, "", {446, 320, 64, 24}, s::kNumber},
    ControlTemplate{K::RadioButton, kIdcModbusParityNone1, "No Parity, 1 Stop Bit", {30, 356, 230, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcModbusParityNone2, "No Parity, 2 Stop Bits", {30, 382, 230, 22}},
    ControlTemplate{K::RadioButton, kIdcModbusParityEven, "Even Parity, 1 Stop Bit", {270, 356, 230, 22}},
    ControlTemplate{K::RadioButton, kIdcModbusParityOdd, "Odd Parity, 1 Stop Bit", {270, 382, 230, 22}},
};

}  // namespace

const DialogTemplate kModbusPage{kDialogModbusPage, "Modbus", 540, 464, kControls};

}  // namespace corvane::res
