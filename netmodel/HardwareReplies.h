#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// The logger's answers to a hardware query, read from a reply's data.

// Base configuration: the input-switch word, little-endian, at byte 0;
// nothing when the data is shorter.
std::optional<std::uint16_t> ParseBaseConfigReply(std::span<const std::uint8_t> data);

// Bus enumeration: one 42-byte module record per module, at most 16; a
// partial record at the end is left out.
constexpr std::size_t kBusModuleRecordSize = 42;
constexpr std::size_t kMaxBusModules = 16;
using BusModuleRecord = std::array<std::uint8_t, kBusModuleRecordSize>;
std::vector<BusModuleRecord> ParseBusEnumerationReply(std::span<const std::uint8_t> data);

// Module transaction: byte 1 the command, the module's switch word
// big-endian at bytes 2 and 3; nothing when the data is shorter.
std::optional<std::uint16_t> ParseSwitchWordReply(std::span<const std::uint8_t> data);

}  // namespace corvane
