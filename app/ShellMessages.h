#pragma once

#include "platform/Message.h"

#include <cstdint>

namespace corvane {

// Messages the main frame takes besides those of the comms layer
// (comms/MainFrameMessages.h) and the communications library.
inline constexpr MessageId kLinkLostNoticeMessage = 0x8193;   // posted after a time-out; nobody handles it
inline constexpr MessageId kActivateKindMessage = 0x8195;     // lParam: the window kind
inline constexpr MessageId kDestroyProgressMessage = 0x8196;  // the status progress bar goes
// Sent to the trending and web views when their window kind comes to the front.
inline constexpr MessageId kTrendingActivatedMessage = 0x8066;
inline constexpr MessageId kWebActivatedMessage = 0x806D;

// Request types of the keep-alive requests.
inline constexpr std::uint16_t kPingRequestType = 4064;
inline constexpr std::uint16_t kOobRequestType = 29;

// The window kinds the main frame switches between.
enum class WindowKind : int { CommWindow = 0, ProgramDevelopment = 1, Trending = 2, WebDesign = 4 };

// Document template resource ids.
inline constexpr int kCommWindowTemplate = 129;
inline constexpr int kTrendingTemplate = 131;
inline constexpr int kNetTemplate = 132;
inline constexpr int kWebTemplate = 276;

// Command ids of the shell.
inline constexpr int kCmdFileNew = 57600;
inline constexpr int kCmdFileOpen = 57601;
inline constexpr int kCmdPrintSetup = 57606;
inline constexpr int kCmdRecentFirst = 57616;
inline constexpr int kCmdRecentLast = 57631;
inline constexpr int kCmdAbout = 57664;
inline constexpr int kCmdExit = 57665;
inline constexpr int kCmdCommunications = 32806;
inline constexpr int kCmdProgramDevelopment = 32802;
inline constexpr int kCmdTrending = 32803;
inline constexpr int kCmdLeaveWebDesign = 32841;
inline constexpr int kCmdNoEffectA = 32805;
inline constexpr int kCmdNoEffectB = 32807;

// Status pane ids.
inline constexpr int kPaneStatus = 0;
inline constexpr int kPaneStatus2 = 1;
inline constexpr int kPaneCommState = 122;
inline constexpr int kPaneConnection = 123;
inline constexpr int kPaneProgress = 124;

// Timers of the main frame.
inline constexpr std::uint32_t kTimerKeepAlive = 1;
inline constexpr std::uint32_t kTimerProgress = 2;
inline constexpr std::uint32_t kTimerLinkWatch = 3;

}  // namespace corvane
