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

// One I/O module on the simulated logger's module bus.
struct BusModule {
    std::uint8_t type = kModuleTypeAnalog;
    std::array<std::uint8_t, 3> firmware{1, 0, 0};  // major, minor, build; all 0xFF: no valid firmware
    std::uint32_t serialNumber = 0;
    std::string name;  // Windows-1252, at most kModuleNameBytes
    // An analog module's channel switches (halvix/README.md, module command 17).
    std::uint16_t switchWord = 0;
    // An analog module's calibration record (module command 28): seconds
    // since 1970 UTC; a due time of 0xFFFFFFFF means no calibration.
    std::int32_t calibrationLast = 0;
    std::uint32_t calibrationDue = kNoCalibrationDue;
    std::string calibrationComment{};  // Windows-1252, at most kModuleCommentBytes
    // How a reflash ends: this many status requests answer "busy" (0x303),
    // then the status code flashStatus (0 success, else an error reply).
    std::uint32_t flashBusy = 3;
    std::uint16_t flashStatus = 0;
    // The reflash in progress: the step reached, the payload bytes received
    // and the version the new firmware carries (payload bytes 10..12).
    enum class ReflashStage : std::uint8_t { Idle = 0, Prepared = 1, Erased = 2, Ended = 3 };
    ReflashStage reflashStage = ReflashStage::Idle;
    std::uint32_t reflashBytes = 0;
    std::array<std::uint8_t, 3> reflashVersion{0, 0, 0};
    std::uint32_t reflashBusyLeft = 0;
};

// The module's record as the bus enumeration reports it (numbers
// big-endian): byte 0 reserved (0), 1 bus address, 2 type, 3..5 firmware,
// 6..9 serial number, 10..41 the name padded with NUL.
std::vector<std::uint8_t> ModuleRecordBytes(std::uint8_t address, const BusModule& module);

}  // namespace corvane
