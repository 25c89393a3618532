#pragma once

#include "icons/reporting/ModbusConfigItem.h"
#include "shell/CModbusAddress.h"

#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

// The Modbus page's two client tables: 16 allowed entries (16 single
// addresses, or 8 address and subnet-mask pairs) and 8 priority entries.
struct ModbusAddressTables {
    static constexpr std::uint32_t kNewMask = 0x00FFFFFF;  // 255.255.255.0 in network byte order
    static constexpr std::uint32_t kClearedMask = 0xFFFFFFFF;

    // Kept as lists, which is how the option tree's address items reach them.
    std::vector<CModbusAddress> allowed = std::vector<CModbusAddress>(ModbusConfigItem::kAllowedCount);
    std::vector<CModbusAddress> priority = std::vector<CModbusAddress>(ModbusConfigItem::kPriorityCount);

    // Fresh tables: every address 0.0.0.0, allowed masks 255.255.255.0.
    ModbusAddressTables();

    // Takes the tables from item: single addresses (mask 0) into all 16
    // allowed entries, or the 8 pairs into the first 8 (the rest keep their
    // values); the priority addresses.
    void Load(const ModbusConfigItem& item);
    // Tidies both tables (Tidy) and copies them into item, as pairs or
    // single addresses by the item's serial word.
    void Store(ModbusConfigItem& item);
    // After the user switches between single addresses and pairs: every
    // allowed entry 0.0.0.0 with mask 255.255.255.255.
    void ClearAllowed();

    // Clears (address 0) each entry that repeats an earlier non-empty one,
    // then moves the empty entries behind the others, keeping the others'
    // order. With pairs, an entry repeats another only when address and mask
    // both match.
    static void Tidy(std::span<CModbusAddress> entries, bool pairs);
};

}  // namespace corvane
