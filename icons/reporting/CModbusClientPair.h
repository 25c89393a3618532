#pragma once

#include <cstdint>

namespace corvane {

// One assignment of the Modbus register list: the holding register
// (40001..49000) under which the icon with the source id is reached.
struct CModbusClientPair {
    std::uint16_t registerNumber = 0;
    std::uint16_t sourceId = 0;
    friend bool operator==(const CModbusClientPair&, const CModbusClientPair&) = default;
};

}  // namespace corvane
