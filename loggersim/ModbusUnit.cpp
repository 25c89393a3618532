#include "loggersim/ModbusUnit.h"

namespace corvane {

ModbusUnit ModbusUnit::Fresh()
{
    ModbusUnit unit;
    unit.coils
        = {true, false, true, true, false, false, false, false, false, false, false, false, false, false, false, true};
    unit.contacts = {
        false, true, false, false, true, false, false, false, false, false, false, false, false, false, false, false};
    unit.inputRegisters = {0, 1234, 0xFFFE, 0x4049, 0x0FDB, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    // 0x0001 0x0002: 131073 with the low word first, 65538 with the high word first.
    unit.holdingRegisters = {0x0001, 0x0002, 0x00F0, 0xFFFF, 0x3FC0, 0x0000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    return unit;
}

}  // namespace corvane
