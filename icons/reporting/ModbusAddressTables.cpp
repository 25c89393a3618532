#include "icons/reporting/ModbusAddressTables.h"

#include <algorithm>

namespace corvane {

ModbusAddressTables::ModbusAddressTables()
{
    for (CModbusAddress& entry : allowed)
        entry.subnetMask = kNewMask;
}

void ModbusAddressTables::Load(const ModbusConfigItem& item)
{
    if (item.SingleAddresses()) {
        for (std::size_t i = 0; i < ModbusConfigItem::kAllowedCount; ++i) {
            allowed[i].address = item.allowed[i];
            allowed[i].subnetMask = 0;
        }
    } else {
        for (std::size_t i = 0; i < ModbusConfigItem::kPairCount; ++i) {
            allowed[i].address = item.allowed[2 * i];
            allowed[i].subnetMask = item.allowed[2 * i + 1];
        }
    }
    for (std::size_t i = 0; i < ModbusConfigItem::kPriorityCount; ++i)
        priority[i].address = item.priority[i];
}

void ModbusAddressTables::Store(ModbusConfigItem& item)
{
    const bool pairs = !item.SingleAddresses();
    const std::size_t allowedCount = pairs ? ModbusConfigItem::kPairCount : ModbusConfigItem::kAllowedCount;
    Tidy(std::span(allowed).first(allowedCount), pairs);
    Tidy(priority, false);
    if (pairs) {
        for (std::size_t i = 0; i < ModbusConfigItem::kPairCount; ++i) {
            item.allowed[2 * i] = allowed[i].address;
            item.allowed[2 * i + 1] = allowed[i].subnetMask;
        }
    } else {
        for (std::size_t i = 0; i < ModbusConfigItem::kAllowedCount; ++i)
            item.allowed[i] = allowed[i].address;
    }
    for (std::size_t i = 0; i < ModbusConfigItem::kPriorityCount; ++i)
        item.priority[i] = priority[i].address;
}

void ModbusAddressTables::ClearAllowed()
{
    for (CModbusAddress& entry : allowed) {
        entry.address = 0;
        entry.subnetMask = kClearedMask;
    }
}

void ModbusAddressTables::Tidy(std::span<CModbusAddress> entries, bool pairs)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].address == 0)
            continue;
        for (std::size_t j = 0; j < i; ++j) {
            if (entries[j].address == entries[i].address
                && (!pairs || entries[j].subnetMask == entries[i].subnetMask)) {
                entries[i].address = 0;
                break;
            }
        }
    }
    std::stable_partition(entries.begin(), entries.end(), [](const CModbusAddress& e) { return e.address != 0; });
}

}  // namespace corvane
