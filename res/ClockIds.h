#pragma once

// Ids of the logger clock and logger reset dialogs.
namespace corvane::res {

inline constexpr int kDialogLoggerTime = 265;
inline constexpr int kIdcLoggerTimeText = 1760;
inline constexpr int kIdcPcTimeText = 1793;
inline constexpr int kIdcLoggerOffsetText = 1794;
inline constexpr int kIdcPcOffsetText = 1795;
inline constexpr int kIdcUtcTimeText = 1972;
inline constexpr int kIdcLoggerOffsetHours = 1636;
inline constexpr int kIdcDaylightCheck = 1973;
inline constexpr int kIdcRefreshClock = 1974;
inline constexpr int kIdcInternetTimeCheck = 1975;
inline constexpr int kIdcTimeServerLabel = 1971;
inline constexpr int kIdcTimeServerName = 1811;
inline constexpr int kIdcUpdateClock = 1810;

inline constexpr int kDialogResetLogger = 523;
inline constexpr int kIdcResetProgress = 1350;
inline constexpr int kIdcResetStatus = 1412;

}  // namespace corvane::res
