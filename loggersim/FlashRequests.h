#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

#include <array>
#include <cstdint>
#include <optional>

namespace corvane {

constexpr std::uint16_t kSimErrorFlashKey = 0x4131;            // the access key is not the logger's
constexpr std::uint16_t kSimErrorFirmwareSequence = 0x4132;    // a firmware block or step out of order
constexpr std::uint16_t kSimErrorFirmwareType = 0x4133;        // the image is not for this logger type
// Where a logger firmware image keeps its version bytes (type first).
constexpr std::uint32_t kFirmwareVersionOffset = 0xF7FF8;
constexpr std::uint8_t kFirmwareLoggerType = 3;

// The logger firmware the logger is receiving: how many bytes came, in
// order, and the version bytes once a block has carried them. Not kept
// between runs.
struct PendingFirmware {
    std::uint32_t nextOffset = 0;
    std::array<std::uint8_t, 4> version{};
    std::uint8_t versionBytesSeen = 0;
};

// The logger firmware reflash (layout in halvix/README.md).
//
// CxFlashInit (4069): with the logger's access key, starts a new image
// (dropping one under way); refused while the logger is enabled.
// CxFlashData (4070): a block of 1 to kFlashDataMaxBytes bytes at the
// offset where the previous one ended, after CxFlashInit.
// CxFlashExec (4071): with the key, takes the image when its byte at
// kFirmwareVersionOffset says logger type 3: the four version bytes become
// the logger's firmware version (the type in the top byte). The caller
// then drops the links and restarts the logger (the reply is sent first).
RequestOutcome AnswerFlashRequest(
    std::optional<PendingFirmware>& pending, LoggerState& state, const Frame& request);

bool IsFlashRequest(std::uint16_t requestType);

}  // namespace corvane
