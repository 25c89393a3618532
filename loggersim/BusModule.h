#pragma once

#include "halvix/protocol/ModuleReplies.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

constexpr int kBusSlotCount = 16;  // bus addresses 0..15
constexpr std::size_t kModuleRecordBytes = 42;
constexpr std::uint8_t kModuleCommandSwitchWord = 17;  // reads an analog module's switch word

// One I/O module on the simulated logger's module bus.
struct BusModule {
    std::uint8_t type = kModuleTypeAnalog;
    std::array<std::uint8_t, 3> firmware{1, 0, 0};  // major, minor, build; all 0xFF: no valid firmware
    std::uint32_t serialNumber = 0;
    std::string name;  // Windows-1252, at most kModuleNameBytes
    // An analog module's channel switches (halvix/README.md, module command 17).
    std::uint16_t switchWord = 0;
};

// The module's record as the bus enumeration reports it (numbers
// big-endian): byte 0 reserved (0), 1 bus address, 2 type, 3..5 firmware,
// 6..9 serial number, 10..41 the name padded with NUL.
std::vector<std::uint8_t> ModuleRecordBytes(std::uint8_t address, const BusModule& module);

}  // namespace corvane
