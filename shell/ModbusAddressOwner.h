#pragma once

#include "shell/CModbusAddress.h"

#include <vector>

namespace corvane {

// A dialog whose option tree shows address items (CIPAddressButton): it
// keeps their list, indexed by each item's user value.
class ModbusAddressOwner {
public:
    virtual ~ModbusAddressOwner() = default;
    virtual std::vector<CModbusAddress>& ModbusAddresses() = 0;

protected:
    ModbusAddressOwner() = default;
    ModbusAddressOwner(const ModbusAddressOwner&) = default;
    ModbusAddressOwner& operator=(const ModbusAddressOwner&) = default;
};

}  // namespace corvane
