#pragma once

namespace corvane::res {

// The remote-controls dialog.
inline constexpr int kDialogRemoteControls = 364;
inline constexpr int kIdcRemoteTree = 1474;
inline constexpr int kIdcRemoteVerify = 1908;
inline constexpr int kIdcRemoteSend = 1260;

// The probe-values dialog.
inline constexpr int kDialogProbeValues = 281;
inline constexpr int kIdcProbePauseStart = 1039;
inline constexpr int kIdcProbePausedNote = 1479;
inline constexpr int kIdcProbePausedIcon = 1478;
inline constexpr int kIdcProbeStoppedIcon = 1477;
inline constexpr int kIdcProbeStoppedNote = 1480;
inline constexpr int kIdcProbeList = 1016;
inline constexpr int kIdcProbePollTime = 1476;
inline constexpr int kIdcProbeClose = 1876;

}  // namespace corvane::res
