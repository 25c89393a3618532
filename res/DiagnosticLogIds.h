#pragma once

namespace corvane::res {

// The diagnostic log dialogs and the plain login dialog.
inline constexpr int kDialogDiagnosticLogSettings = 520;
inline constexpr int kDialogDiagnosticFiles = 521;
inline constexpr int kDialogDiagnosticLogViewer = 524;
inline constexpr int kDialogAuth = 602;

// "Diagnostic Log Settings": the level combo of category i is
// kIdcDiagnosticLevelFirst + i, its label kIdcDiagnosticLabelFirst + i.
inline constexpr int kIdcDiagnosticLevelFirst = 1299;
inline constexpr int kIdcDiagnosticSetAll = 1331;
inline constexpr int kIdcDiagnosticLabelFirst = 1500;
inline constexpr int kIdcDiagnosticFiles = 1036;
inline constexpr int kIdcDiagnosticClearLog = 1037;
inline constexpr int kIdcDiagnosticTraceMessages = 1860;

// "Diagnostic Files".
inline constexpr int kIdcDiagnosticDownload = 1256;
inline constexpr int kIdcDiagnosticViewSaved = 1257;
inline constexpr int kIdcDiagnosticFilesProgress = 1350;
inline constexpr int kIdcDiagnosticFilesStatus = 1412;

// "Diagnostic Log Viewer".
inline constexpr int kIdcDiagnosticEventList = 1016;
inline constexpr int kIdcDiagnosticViewerProgress = 1350;
inline constexpr int kIdcDiagnosticCopyToClipboard = 1036;
inline constexpr int kIdcDiagnosticSaveToFile = 1037;

// "User Authentification".
inline constexpr int kIdcAuthUserId = 1752;
inline constexpr int kIdcAuthPassword = 1754;

}  // namespace corvane::res
