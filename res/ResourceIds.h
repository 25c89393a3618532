#pragma once

// Numeric ids of dialogs and their controls.

namespace corvane::res {

// Program settings dialog.
inline constexpr int kDialogProgramSettings = 472;
inline constexpr int kIdcCardDriveLetter = 1428;
inline constexpr int kIdcCommTrace = 1441;
inline constexpr int kIdcMessageTimeout = 1189;
inline constexpr int kIdcConnectionTimeout = 1190;

}  // namespace corvane::res
