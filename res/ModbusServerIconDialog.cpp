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
    ControlTemplate{K::Static, kIdStatic, "Units:", {350, 14, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconUnits, "", {414, 10, 114, 24}},
    ControlTemplate{K::Static, kIdStatic, "Note:", {12, 46, 96, 20}},
    ControlTemplate{K::Edit, kIdcMbNote, "", {112, 42, 416, 24}},

    ControlTemplate{K::GroupBox, kIdStatic, "Connection", {10, 76, 280, 156}},
    ControlTemplate{K::RadioButton, kIdcMbRtu, "RTU", {22, 98, 80, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbTcp, "TCP", {110, 98, 80, 20}},
    ControlTemplate{K::Static, kIdcMbDeviceLabel, "RTU Device Address", {22, 130, 140, 20}},
    ControlTemplate{K::Edit, kIdcMbDevice, "", {200, 126, 76, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcMbServerLabel, "Server", {22, 162, 60, 20}},
    ControlTemplate{K::Edit, kIdcMbServer, "", {86, 158, 190, 24}},
    ControlTemplate{K::Static, kIdcMbPortLabel, "Port", {22, 194, 60, 20}},
    ControlTemplate{K::Edit, kIdcMbPort, "", {86, 190, 76, 24}, s::kNumber},

    ControlTemplate{K::GroupBox, kIdStatic, "Register", {300, 76, 228, 156}},
    ControlTemplate{K::Static, kIdStatic, "Address", {312, 102, 70, 20}},
    ControlTemplate{K::Edit, kIdcMbAddress, "", {386, 98, 130, 24}},
    ControlTemplate{K::Static, kIdStatic, "Type", {312, 134, 70, 20}},
    ControlTemplate{K::Edit, kIdcMbType, "", {386, 130, 130, 24}, s::kReadOnly},
    ControlTemplate{K::RadioButton, kIdcMbRead, "Read", {312, 160, 80, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbWrite, "Write", {400, 160, 80, 20}},
    ControlTemplate{K::RadioButton, kIdcMbOnTrigger, "Output when triggered", {312, 184, 210, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbOnChange, "Output when input changes", {312, 206, 210, 20}},

    ControlTemplate{K::GroupBox, kIdStatic, "Format", {10, 242, 280, 160}},
    ControlTemplate{K::RadioButton, kIdcMbInt16, "16-bit Int", {22, 264, 110, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbInt32, "32-bit Int", {150, 264, 120, 20}},
    ControlTemplate{K::RadioButton, kIdcMbDecimal, "Decimal", {22, 288, 110, 20}},
    ControlTemplate{K::RadioButton, kIdcMbHighLow, "High/Low", {150, 288, 120, 20}},
    ControlTemplate{
        K::RadioButton, kIdcMbUnsigned, "Integer value is an unsigned number", {22, 318, 262, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcMbSigned, "Integer value is a signed number", {22, 342, 262, 20}},
    ControlTemplate{K::RadioButton, kIdcMbBitField, "16-bit Bitfield", {22, 366, 262, 20}},

    ControlTemplate{K::GroupBox, kIdStatic, "Word order", {300, 242, 228, 160}},
    ControlTemplate{K::RadioButton, kIdcMbLsbFirst, "Starting address contains LSB (Normal)", {312, 264, 210, 36},
        s::kGroup | s::kMultiLine},
    ControlTemplate{K::RadioButton, kIdcMbMsbFirst, "Starting address contains MSB", {312, 304, 210, 20}},
    ControlTemplate{K::Static, kIdcMbWordOrderNote, "For 32-bit integer and decimal values only.", {312, 332, 210, 40}},

    ControlTemplate{K::GroupBox, kIdStatic, "Bitfield", {10, 412, 518, 96}},
    ControlTemplate{K::Static, kIdcMbBitStartLabel, "Start bit (0-15)", {22, 436, 110, 20}},
    ControlTemplate{K::Edit, kIdcMbBitStart, "", {136, 432, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcMbBitWidthLabel, "Width (1-15)", {22, 470, 110, 20}},
    ControlTemplate{K::Edit, kIdcMbBitWidth, "", {136, 466, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcMbBitMap, "", {210, 436, 170, 20}},
    ControlTemplate{K::Static, kIdcMbBitMapNote, "", {390, 432, 134, 44}},

    ControlTemplate{K::PushButton, kIdcMbTest, "Test", {12, 522, 70, 28}},
    ControlTemplate{K::PushButton, kIdcMbSave, "Save", {88, 522, 70, 28}},
    ControlTemplate{K::PushButton, kIdcMbSaveAs, "Save As...", {164, 522, 84, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {288, 522, 76, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {370, 522, 76, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {452, 522, 76, 28}},
};

}  // namespace

const DialogTemplate kModbusServerIconDialog{
    kDialogModbusServerIcon, "Read Modbus Slave register", 540, 562, kControls};

}  // namespace corvane::res
