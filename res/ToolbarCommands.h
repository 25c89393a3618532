#pragma once

// The commands that the toolbars' buttons send.

namespace corvane::res::toolbar_command {

// Files and editing.
inline constexpr int kNew = 57600;
inline constexpr int kOpenFile = 57601;
inline constexpr int kOpen = 32832;
inline constexpr int kSave = 32831;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kDelete = 57632;
inline constexpr int kProperties = 32785;
inline constexpr int kAbout = 57664;

// Window kinds.
inline constexpr int kCommunications = 32806;
inline constexpr int kProgramDevelopment = 32802;
inline constexpr int kRealTimeTrending = 32803;
inline constexpr int kTrendingToCommunications = 32883;
inline constexpr int kTrendingToProgramDevelopment = 32884;
inline constexpr int kExitWebDesign = 32841;

// The logger, from the Communication Window.
inline constexpr int kLoggerConnection = 40016;
inline constexpr int kViewLoggerStatus = 32817;
inline constexpr int kViewProbePoints = 32797;
inline constexpr int kRemoteControls = 40045;
inline constexpr int kSetLoggerTime = 32812;
inline constexpr int kDownloadData = 32796;
inline constexpr int kDownloadNet = 32798;
inline constexpr int kUploadNet = 32799;
inline constexpr int kEnableLogging = 32809;
inline constexpr int kStopLogging = 32810;
inline constexpr int kClearMemory = 32811;
inline constexpr int kLoggerConfiguration = 32839;

// Program development.
inline constexpr int kQueryLoggerConfiguration = 32840;
inline constexpr int kCheckNet = 32896;
inline constexpr int kWiringList = 32894;

// Real-time trending.
inline constexpr int kScanOpenNetForTags = 32886;
inline constexpr int kScanLoggerForTags = 32885;
inline constexpr int kLockObjects = 32882;
inline constexpr int kRun = 32877;
inline constexpr int kPause = 32878;
inline constexpr int kStopAndFlush = 32881;
inline constexpr int kRemoteIconValues = 32843;

// Web page design.
inline constexpr int kPageSize = 32842;
inline constexpr int kBackground = 32852;
inline constexpr int kSecurity = 32853;

}  // namespace corvane::res::toolbar_command
