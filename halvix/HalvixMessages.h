#pragma once

#include "halvix/protocol/RequestTypes.h"
#include "platform/Message.h"

#include <cstdint>

namespace corvane {

// Messages the communications library posts.
//
// kReplyMessage (to the window that asked): wParam the request type, the
//   payload a CReplyMessage that the receiver owns (take it with
//   message.TakePayload<CReplyMessage>()).
// kTimeoutMessage (to the window that asked): the logger did not answer in
//   the retry time (after the retries), or the link went away first;
//   wParam and lParam both hold the request type, no payload.
// kUnsolicitedMessage (thread message to the comms thread): a message the
//   logger sent of its own accord; wParam its kind, the payload a
//   CReplyMessage whose request type is that kind.
constexpr MessageId kReplyMessage = 0x4C8;
constexpr MessageId kTimeoutMessage = 0x4C9;
constexpr MessageId kUnsolicitedMessage = 0x4CA;

// Results of the Cx functions: 0 is success (a request was queued).
constexpr int kCxOk = 0;
constexpr int kCxUninitialized = 1;  // no library installed, or not initialised yet
constexpr int kCxCommError = 2;      // no open link, or the link was lost
constexpr int kCxBadArgument = 3;    // an argument is out of range or too long
constexpr int kCxQueueFull = 4;      // too many requests are waiting

// Bits of CxGetCommsStatus.
constexpr std::uint32_t kCommsBusy = 0x01;         // a request is under way or waiting
constexpr std::uint32_t kCommsSerialOpen = 0x02;   // a serial link is open
constexpr std::uint32_t kCommsNetworkOpen = 0x04;  // a network link is open
constexpr std::uint32_t kCommsLinkLost = 0x08;     // the link went away; close it and connect again

// CxSetCommunicationType.
constexpr int kCommTypeSerial = 0;
constexpr int kCommTypeNetwork = 1;

// CxSetLoggingFlags: every kind of trace, or none.
constexpr std::int32_t kLogAll = -1;
constexpr std::int32_t kLogNone = 0;

}  // namespace corvane
