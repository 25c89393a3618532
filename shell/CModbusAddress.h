#pragma once

#include "platform/TreeViewControl.h"

#include <cstdint>

namespace corvane {

// One address of a Modbus page's list: an IPv4 address and its subnet mask,
// both in network byte order (first octet in the lowest byte of memory), and
// the option tree item that shows them.
struct CModbusAddress {
    std::uint32_t address = 0;
    std::uint32_t subnetMask = 0;
    TreeItem item = 0;
};

}  // namespace corvane
