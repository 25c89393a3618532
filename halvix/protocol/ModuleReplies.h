#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

// The module transaction of `CxTlTran` (request 4081) and the module
// reflash of `CxTlFlash` (request 4082), as the program and the simulated
// logger both see them. A transaction reply carries an unread byte 0, the
// command answered in byte 1 and its payload from byte 2.

// Module types on the module bus.
constexpr std::uint8_t kModuleTypeAnalog = 0;   // the 7-channel isolated analog input module
constexpr std::uint8_t kModuleTypeDigital = 1;  // the digital I/O module

// Module transaction commands.
constexpr std::uint8_t kModuleCmdInformation = 0;
constexpr std::uint8_t kModuleCmdWriteSerial = 6;
constexpr std::uint8_t kModuleCmdWriteName = 7;
constexpr std::uint8_t kModuleCmdSwitchWord = 17;
constexpr std::uint8_t kModuleCmdCalibration = 28;

// Reply lengths the program accepts, and the fields inside them.
constexpr std::size_t kModuleInfoReplyBytes = 42;
constexpr std::size_t kModuleCalibrationReplyBytes = 34;
constexpr std::size_t kModuleNameBytes = 32;
constexpr std::size_t kModuleCommentBytes = 22;
constexpr std::size_t kModuleSerialBytes = 4;

// Reflash sub-commands, in the order a reflash sends them.
constexpr std::uint8_t kFlashPrepare = 4;
constexpr std::uint8_t kFlashErase = 0;
constexpr std::uint8_t kFlashBlock = 1;
constexpr std::uint8_t kFlashEnd = 2;
constexpr std::uint8_t kFlashStatus = 3;
constexpr std::size_t kFlashMaxBlockBytes = 1020;

// Codes of an error reply to a status request.
constexpr std::uint16_t kFlashStatusBusy = 0x303;
constexpr std::uint16_t kFlashStatusRetry302 = 0x302;
constexpr std::uint16_t kFlashStatusRetry304 = 0x304;
constexpr std::uint16_t kFlashStatusRetry306 = 0x306;
constexpr std::uint16_t kFlashStatusRetry4305 = 0x4305;
constexpr std::uint16_t kFlashStatusMissing = 0x307;

// Firmware bytes all 0xFF: the module holds no valid firmware.
constexpr std::uint8_t kNoFirmwareByte = 0xFF;
// A calibration due time of 0xFFFFFFFF: the module holds no calibration.
constexpr std::uint32_t kNoCalibrationDue = 0xFFFFFFFFu;

// What a module information reply (command 0) says: reply bytes 2..41,
// which are bytes 2..41 of the module record.
struct ModuleInformation {
    std::uint8_t type = 0;
    std::uint8_t firmware[3] = {0, 0, 0};  // major, minor, build
    std::uint32_t serial = 0;              // big-endian on the wire
    std::string name;                      // up to the first NUL, at most 32 bytes
    bool HasFirmware() const;
};
// Nothing unless the reply is exactly 42 bytes long.
std::optional<ModuleInformation> ParseModuleInformation(std::span<const std::uint8_t> reply);

// A calibration reply (command 28): bytes 2..31 of a 34-byte reply.
// Times are seconds since 1970-01-01 00:00 UTC, little-endian.
struct ModuleCalibration {
    std::int32_t lastCalibration = 0;
    std::uint32_t due = 0;
    std::string comment;  // up to the first NUL, at most 22 bytes
    bool HasCalibration() const { return due != kNoCalibrationDue; }
};
// Nothing unless the reply is exactly 34 bytes long.
std::optional<ModuleCalibration> ParseModuleCalibration(std::span<const std::uint8_t> reply);

}  // namespace corvane
