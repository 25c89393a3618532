#pragma once

namespace corvane::res {

// The "Reflash Logger Firmware" dialog and its controls.
inline constexpr int kDialogReflash = 448;
inline constexpr int kIdcReflashProgress = 1350;
inline constexpr int kIdcReflashLog = 1382;
inline constexpr int kIdcReflashStart = 1567;
inline constexpr int kIdcReflashInfo = 1660;
inline constexpr int kIdcReflashRetainRelay = 1785;
inline constexpr int kIdcReflashResetRelay = 1786;

}  // namespace corvane::res
