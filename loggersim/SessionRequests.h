#pragma once

#include "halvix/protocol/Frame.h"
#include "halvix/protocol/SessionTransferLayout.h"
#include "loggersim/LoggedSessionPlan.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"
#include "loggersim/SessionDownload.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// Error code of a request naming a session the logger does not hold.
constexpr std::uint16_t kSimErrorNoSuchSession = 0x410F;

// The list reply's continuation header, as this logger fills it: byte 0
// non-zero while more sessions follow, bytes 4-7 (u32) the index of the
// next session to list, which the next request sends back.
constexpr std::size_t kSessionListNextOffset = 4;
// Records in one list reply; more sessions take further replies.
constexpr std::size_t kSessionsPerListReply = 4;

// The name a session is listed under: its start as 8 upper-case
// hexadecimal digits.
std::string SessionName(const LoggedSessionPlan& plan);
// The length of the record stream LoggedSessionGenerator gives for plan
// (head records and data records), computed without generating it.
std::uint64_t SessionStreamSize(const LoggerState& unit, const LoggedSessionPlan& plan);

// CxListSessions (96): the request's data is the 8-byte continuation
// header (zeros for the first block); the reply lists the next
// kSessionsPerListReply sessions.
RequestOutcome AnswerListSessions(
    const LoggerState& unit, std::span<const LoggedSessionPlan> sessions, const Frame& request);

// CxEraseSession (103): the request's data is a session name (8 bytes, a
// trailing NUL allowed); the session is removed from sessions. An unknown
// name is answered kSimErrorNoSuchSession.
RequestOutcome AnswerEraseSession(std::vector<LoggedSessionPlan>& sessions, const Frame& request);

// CxSdlStart: the request's data is a u16 mode (kSdlModeHead or
// kSdlModeWhole) and the session name (8 bytes, a trailing NUL allowed).
// The reply is an empty kReplySdlStarted; download then holds the session's
// further replies, which replace any download under way.
RequestOutcome AnswerSdlStart(const LoggerState& unit, std::span<const LoggedSessionPlan> sessions,
    const Frame& request, std::unique_ptr<SessionDownload>& download);

// CxSdlError: the request's data is two u32 (the bytes the library took
// and the offset it was given); the download under way, if any, stops.
RequestOutcome AnswerSdlError(const Frame& request, std::unique_ptr<SessionDownload>& download);

}  // namespace corvane
