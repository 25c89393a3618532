#include "res/ModbusServerIconDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 96, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {112, 10, 200, 24}},
    ControlTemplate{K::Static, kIdStatic, "Units:", {330, 14, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconUnits, "", {394, 10, 100, 24}},
    ControlTemplate{K::Static, kIdStatic, "Note:", {12, 46, 96, 20}},
    ControlTemplate{K::Edit, kIdcMbNote, "", {112, 42, 382, 24}},

    ControlTemplate{K::GroupBox, kIdStatic, "Connection", {10, 76, 250, 150}},
    ControlTemplate{K::RadioButton, kIdcMbRtu, "RTU", {22, 98, 80, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbTcp, "TCP", {110, 98, 80, 20}},
    ControlTemplate{K::Static, kIdcMbDeviceLabel, "RTU Device Address", {22, 130, 140, 20}},
    ControlTemplate{K::Edit, kIdcMbDevice, "", {170, 126, 76, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcMbServerLabel, "Server", {22, 162, 60, 20}},
    ControlTemplate{K::Edit, kIdcMbServer, "", {86, 158, 160, 24}},
    ControlTemplate{K::Static, kIdcMbPortLabel, "Port", {22, 194, 60, 20}},
    ControlTemplate{K::Edit, kIdcMbPort, "", {86, 190, 76, 24}, s::kNumber},

    ControlTemplate{K::GroupBox, kIdStatic, "Register", {270, 76, 224, 150}},
    ControlTemplate{K::Static, kIdStatic, "Address", {282, 102, 70, 20}},
    ControlTemplate{K::Edit, kIdcMbAddress, "", {356, 98, 126, 24}},
    ControlTemplate{K::Static, kIdStatic, "Type", {282, 134, 70, 20}},
    ControlTemplate{K::Edit, kIdcMbType, "", {356, 130, 126, 24}, s::kReadOnly},
    ControlTemplate{K::RadioButton, kIdcMbRead, "Read", {282, 166, 80, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbWrite, "Write", {370, 166, 80, 20}},
    ControlTemplate{K::RadioButton, kIdcMbOnTrigger, "Output when triggered", {282, 190, 200, 16}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbOnChange, "Output when input changes", {282, 206, 200, 16}},

    ControlTemplate{K::GroupBox, kIdStatic, "Format", {10, 236, 250, 160}},
    ControlTemplate{K::RadioButton, kIdcMbInt16, "16-bit Int", {22, 258, 110, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbInt32, "32-bit Int", {140, 258, 110, 20}},
    ControlTemplate{K::RadioButton, kIdcMbDecimal, "Decimal", {22, 282, 110, 20}},
    ControlTemplate{K::RadioButton, kIdcMbHighLow, "High/Low", {140, 282, 110, 20}},
    ControlTemplate{K::RadioButton, kIdcMbUnsigned, "Integer value is an unsigned number", {22, 312, 232, 20},
        s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbSigned, "Integer value is a signed number", {22, 336, 232, 20}},
    ControlTemplate{K::RadioButton, kIdcMbBitField, "16-bit Bitfield", {22, 360, 232, 20}},

    ControlTemplate{K::GroupBox, kIdStatic, "Word order", {270, 236, 224, 160}},
    ControlTemplate{K::RadioButton, kIdcMbLsbFirst, "Starting address contains LSB (Normal)", {282, 258, 206, 36},
        s::kGroup | s::kMultiLine},
    ControlTemplate{K::RadioButton, kIdcMbMsbFirst, "Starting address contains MSB", {282, 298, 206, 20}},
    ControlTemplate{K::Static, kIdcMbWordOrderNote, "For 32-bit integer and decimal values only.",
        {282, 326, 206, 40}},

    ControlTemplate{K::GroupBox, kIdStatic, "Bitfield", {10, 406, 484, 96}},
    ControlTemplate{K::Static, kIdcMbBitStartLabel, "Start bit (0-15)", {22, 430, 110, 20}},
    ControlTemplate{K::Edit, kIdcMbBitStart, "", {136, 426, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcMbBitWidthLabel, "Width (1-15)", {22, 464, 110, 20}},
    ControlTemplate{K::Edit, kIdcMbBitWidth, "", {136, 460, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcMbBitMap, "", {200, 430, 150, 20}},
    ControlTemplate{K::Static, kIdcMbBitMapNote, "", {360, 426, 128, 44}},

    ControlTemplate{K::PushButton, kIdcMbTest, "Test", {12, 516, 70, 28}},
    ControlTemplate{K::PushButton, kIdcMbSave, "Save", {88, 516, 70, 28}},
    ControlTemplate{K::PushButton, kIdcMbSaveAs, "Save As...", {164, 516, 84, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {254, 516, 76, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {336, 516, 76, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {418, 516, 76, 28}},
};

}  // namespace

const DialogTemplate kModbusServerIconDialog{
    kDialogModbusServerIcon, "Read Modbus Slave register", 506, 556, kControls};

}  // namespace corvane::res
