#pragma once

#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerState.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

// Error codes of the simulated logger's error replies.
constexpr std::uint16_t kSimErrorUnknownRequest = 0x4101;
constexpr std::uint16_t kSimErrorBadRequestData = 0x4102;
constexpr std::uint16_t kSimErrorNoSuchItem = 0x4103;
constexpr std::uint16_t kSimErrorItemLength = 0x4104;
constexpr std::uint16_t kSimErrorLoggerEnabled = 0x4105;
constexpr std::uint16_t kSimErrorNoModule = 0x4106;
constexpr std::uint16_t kSimErrorModuleCommand = 0x4107;
constexpr std::uint16_t kSimErrorNetSequence = 0x4108;  // a net block's value is not the one expected
constexpr std::uint16_t kSimErrorNetTooLarge = 0x4109;
constexpr std::uint16_t kSimErrorNoNetSent = 0x410A;  // no ended image to initialise
constexpr std::uint16_t kSimErrorNetLength = 0x410B;
constexpr std::uint16_t kSimErrorNetCrc = 0x410C;
constexpr std::uint16_t kSimErrorNoNet = 0x410D;    // no net to read back
constexpr std::uint16_t kSimErrorFlashSequence = 0x4110;  // a module reflash step out of order
constexpr std::uint16_t kSimErrorStorage = 0x410E;  // the state folder could not be written
// CxSFlagClr of a bit outside the clearable mask.
constexpr std::uint16_t kSimErrorFlagNotClearable = 0x4130;

// The status-word bits CxSFlagClr may clear (the logging session's errors).
constexpr std::uint32_t kClearableStatusFlags = 0x1003CF3;
// The data of a CxRun reply that asks to be sent again.
constexpr std::uint16_t kRunBusy = 1;

// What a logger does about one request.
struct RequestOutcome {
    std::vector<Frame> messages;  // unsolicited messages, sent before the reply
    std::optional<Frame> reply;
    std::optional<bool> streaming;  // the link's real-time stream turns on or off
    bool stateChanged = false;      // the state must be saved
    bool netChanged = false;        // the net image must be saved
    bool sessionsErased = false;    // the logged sessions must be erased
    bool restart = false;           // after the reply the logger drops its links and restarts
};

// Answers request (a request frame) from the logger's state at the host
// time hostSeconds (seconds since 1970).
RequestOutcome HandleRequest(LoggerState& state, const Frame& request, std::int64_t hostSeconds);

// An error reply to request.
Frame MakeErrorReply(const Frame& request, std::uint16_t code, std::string_view text);
// The outcome of answering a request with data (no error), or refusing it
// with an error code and text.
RequestOutcome AnswerRequest(const Frame& request, std::vector<std::uint8_t> data);
RequestOutcome RefuseRequest(const Frame& request, std::uint16_t code, std::string_view text);

// A status or error message: u16 0, u16 code, u32 logger time, u16 0, then
// the NUL-terminated text from byte 10.
Frame MakeStatusMessage(std::uint16_t kind, std::uint16_t code, std::string_view text, std::int64_t loggerTime);

struct RealTimeItem {
    std::uint16_t probeId;
    float value;
};
// A real-time message: u32 stream id, u32 time, u16 sub-second count, then
// a u16 probe id and an f32 value per item.
Frame MakeRealTimeMessage(
    std::uint32_t streamId, std::int64_t loggerTime, std::uint16_t subSecond, std::span<const RealTimeItem> items);

}  // namespace corvane
