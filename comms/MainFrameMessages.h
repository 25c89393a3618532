#pragma once

#include "platform/Message.h"

#include <cstdint>

namespace corvane {

// Messages the main frame takes from other threads and subsystems.

// A text for a message box: the payload is a ValuePayload<std::string>
// (UTF-8); wParam chooses the caption (kNoticeCaptionWarning: "Warning").
inline constexpr MessageId kShowNoticeMessage = 0x8191;
inline constexpr std::uintptr_t kNoticeCaptionWarning = static_cast<std::uintptr_t>(std::intptr_t{-1});

// wParam: 1 when the logger's net runs, 0 when it stopped.
inline constexpr MessageId kLoggerEnabledChangedMessage = 0x8192;

// wParam: 1 when a memory card is in the logger, 0 when it was taken out.
inline constexpr MessageId kCardStateChangedMessage = 0x8194;

// The connection state changed (connected flag, connection name or title
// text); wParam 1 while connected. The main frame shows it again.
inline constexpr MessageId kConnectionChangedMessage = 0x8197;

// Real-time values for the value cache: wParam the item count, the payload
// a RealTimeDataBlock.
inline constexpr MessageId kDataCacheItemMessage = 0x8198;

}  // namespace corvane
