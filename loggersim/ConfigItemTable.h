#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// The configuration items a logger keeps: key and value length.
struct ConfigItem {
    std::uint8_t key;
    std::uint16_t length;
};

// Every item, in ascending key order.
std::span<const ConfigItem> ConfigItemTable();
std::optional<std::uint16_t> ConfigItemLength(std::uint8_t key);

// The value a fresh logger holds for a key of the table (zero bytes but
// for the items with their own defaults).
std::vector<std::uint8_t> ConfigItemDefault(std::uint8_t key);

// Keys whose value is the logger's identity, kept as named state fields.
constexpr std::uint8_t kItemMacAddress = 1;
constexpr std::uint8_t kItemPorts = 7;
constexpr std::uint8_t kItemUnitId = 16;
constexpr std::uint8_t kItemUnitName = 17;
constexpr std::uint8_t kItemModbus = 42;
constexpr std::uint8_t kItemMailRetry = 67;
constexpr std::uint8_t kItemFileTransferRetry = 68;
constexpr std::uint8_t kItemUnlockSequence = 71;
constexpr std::uint8_t kItemIdentification = 76;
constexpr std::uint8_t kItemNtpServer = 78;
constexpr std::uint8_t kItemAutoSequence = 89;
constexpr std::uint8_t kItemHardwareType = 91;

}  // namespace corvane
