#pragma once

#include <cstdint>
#include <vector>

namespace corvane {

// The registers of one Modbus device that the simulated logger reaches by
// its unit number: coils (read and written), contacts (discrete inputs,
// read only), input registers (read only) and holding registers (read and
// written), each addressed from 0.
struct ModbusUnit {
    std::vector<bool> coils;
    std::vector<bool> contacts;
    std::vector<std::uint16_t> inputRegisters;
    std::vector<std::uint16_t> holdingRegisters;

    // The input register that follows the logger's clock: the seconds past
    // the hour.
    static constexpr std::size_t kClockRegister = 0;

    // Unit 1 of a fresh logger: 16 of each kind with a few set.
    static ModbusUnit Fresh();
    friend bool operator==(const ModbusUnit&, const ModbusUnit&) = default;
};

}  // namespace corvane
