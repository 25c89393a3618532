#pragma once

#include <cstdint>

namespace corvane {

class CHardwarePoll;

// The most requests one hardware query makes: the base configuration, the
// enumeration and one transaction per bus slot.
constexpr int kHardwarePollMaxRequests = 2 + 16;

// How long a query can take at most when every request waits out its retry
// time on each of its 1 + maxRetries sendings (the communications library's
// CxSetRetryTime and CxSetMaxRetries), with one retry time to spare for
// the answers to arrive.
std::uint32_t HardwarePollTimeLimitMs(std::uint32_t retryTimeMs, int maxRetries);

// Runs the message loop until the poll's query ends or limitMs have passed
// on the application's clock; a query still running then ends as failed
// (CHardwarePoll::kFailed, its owner told). True when the query finished
// (CHardwarePoll::kFinished); a poll that runs no query answers at once.
// UI thread, with the application running; the caller starts the query:
//     poll.Reset();
//     poll.Start(owner);
//     WaitForHardwarePoll(poll, HardwarePollTimeLimitMs(retryMs, retries));
bool WaitForHardwarePoll(CHardwarePoll& poll, std::uint32_t limitMs);

}  // namespace corvane
