#include "res/DiagnosticLogDialogs.h"

#include "res/DiagnosticLogIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// Two columns of sixteen categories, each a label and its level combo.
constexpr std::array kSettingsControls = {
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 0, "stdout -> Log", {12, 16, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 0, "", {138, 12, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 1, "System", {12, 46, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 1, "", {138, 42, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 2, "HW Test", {12, 76, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 2, "", {138, 72, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 3, "User IO", {12, 106, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 3, "", {138, 102, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 4, "Program Net", {12, 136, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 4, "", {138, 132, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 5, "Messaging", {12, 166, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 5, "", {138, 162, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 6, "Clocking", {12, 196, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 6, "", {138, 192, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 7, "Data Logging", {12, 226, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 7, "", {138, 222, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 8, "Vexa-7", {12, 256, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 8, "", {138, 252, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 9, "Tevlink Comm", {12, 286, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 9, "", {138, 282, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 10, "Data Manager", {12, 316, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 10, "", {138, 312, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 11, "E-Mail", {12, 346, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 11, "", {138, 342, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 12, "FTP", {12, 376, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 12, "", {138, 372, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 13, "Modbus", {12, 406, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 13, "", {138, 402, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 14, "Vexa-2", {12, 436, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 14, "", {138, 432, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 15, "Log -> stdout", {12, 466, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 15, "", {138, 462, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 16, "Cryptography", {312, 16, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 16, "", {438, 12, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 17, "HTTP", {312, 46, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 17, "", {438, 42, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 18, "Network", {312, 76, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 18, "", {438, 72, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 19, "MQTT", {312, 106, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 19, "", {438, 102, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 20, "Diag-11", {312, 136, 120, 20}, s::kHidden},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 20, "", {438, 132, 140, 24}, s::kDropDownList | s::kDisabled | s::kHidden},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 21, "Diag-10", {312, 166, 120, 20}, s::kHidden},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 21, "", {438, 162, 140, 24}, s::kDropDownList | s::kDisabled | s::kHidden},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 22, "Diag-09", {312, 196, 120, 20}, s::kHidden},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 22, "", {438, 192, 140, 24}, s::kDropDownList | s::kDisabled | s::kHidden},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 23, "Diag-08", {312, 226, 120, 20}, s::kHidden},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 23, "", {438, 222, 140, 24}, s::kDropDownList | s::kDisabled | s::kHidden},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 24, "Diag-07", {312, 256, 120, 20}, s::kHidden},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 24, "", {438, 252, 140, 24}, s::kDropDownList | s::kDisabled | s::kHidden},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 25, "Diag-06", {312, 286, 120, 20}, s::kHidden},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 25, "", {438, 282, 140, 24}, s::kDropDownList | s::kDisabled | s::kHidden},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 26, "Diag-05", {312, 316, 120, 20}, s::kHidden},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 26, "", {438, 312, 140, 24}, s::kDropDownList | s::kDisabled | s::kHidden},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 27, "Diag-04", {312, 346, 120, 20}, s::kHidden},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 27, "", {438, 342, 140, 24}, s::kDropDownList | s::kDisabled | s::kHidden},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 28, "Diag-03", {312, 376, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 28, "", {438, 372, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 29, "Diag-02", {312, 406, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 29, "", {438, 402, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 30, "Diag-01", {312, 436, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 30, "", {438, 432, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdcDiagnosticLabelFirst + 31, "Diag-00", {312, 466, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticLevelFirst + 31, "", {438, 462, 140, 24}, s::kDropDownList | s::kDisabled},
    ControlTemplate{K::Static, kIdStatic, "Set All", {12, 500, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcDiagnosticSetAll, "", {138, 496, 140, 24}, s::kDropDownList},
    ControlTemplate{K::PushButton, kIdcDiagnosticClearLog, "Clear Log File", {312, 494, 120, 28}},
    ControlTemplate{K::PushButton, kIdcDiagnosticFiles, "Diagnostic Files...", {438, 494, 140, 28}},
    ControlTemplate{K::PushButton, kIdcDiagnosticTraceMessages, "Trace Messages", {438, 494, 140, 28}, s::kHidden},
    ControlTemplate{K::Static, kIdStatic,
        "NOTE: Using the Diagnostic Log places the Logger into a special diagnostic mode while performing tasks, "
        "and should only be used under the supervision of Tarnwick personnel.",
        {12, 534, 566, 40}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {312, 582, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {405, 582, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {498, 582, 80, 28}, s::kHidden},
};

constexpr std::array kFilesControls = {
    ControlTemplate{K::PushButton, kIdcDiagnosticDownload, "Download Current Diagnostic File", {12, 12, 260, 28}},
    ControlTemplate{K::PushButton, kIdcDiagnosticViewSaved, "View a Saved Diagnostic File", {12, 48, 260, 28}},
    ControlTemplate{K::Static, kIdcDiagnosticFilesStatus, "", {12, 88, 360, 64}},
    ControlTemplate{K::ProgressBar, kIdcDiagnosticFilesProgress, "", {12, 158, 360, 18}, s::kHidden},
    ControlTemplate{K::PushButton, kIdCancel, "Close", {200, 188, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {292, 188, 80, 28}, s::kHidden},
};

constexpr std::array kViewerControls = {
    ControlTemplate{K::ListView, kIdcDiagnosticEventList, "", {12, 12, 560, 340}},
    ControlTemplate{K::ProgressBar, kIdcDiagnosticViewerProgress, "", {12, 362, 560, 18}, s::kHidden},
    ControlTemplate{K::PushButton, kIdcDiagnosticCopyToClipboard, "Copy to Clipboard", {12, 390, 130, 28}, s::kHidden},
    ControlTemplate{K::PushButton, kIdcDiagnosticSaveToFile, "Save To File", {150, 390, 110, 28}, s::kHidden},
    ControlTemplate{K::PushButton, kIdOk, "OK", {400, 390, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {492, 390, 80, 28}},
};

constexpr std::array kAuthControls = {
    ControlTemplate{K::Static, kIdStatic, "User ID", {12, 16, 80, 20}},
    ControlTemplate{K::Edit, kIdcAuthUserId, "", {98, 12, 190, 24}},
    ControlTemplate{K::Static, kIdStatic, "Password", {12, 50, 80, 20}},
    ControlTemplate{K::Edit, kIdcAuthPassword, "", {98, 46, 190, 24}, s::kPassword},
    ControlTemplate{K::PushButton, kIdOk, "OK", {116, 88, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {208, 88, 80, 28}},
};

}  // namespace

const DialogTemplate kDiagnosticLogSettingsDialog{
    kDialogDiagnosticLogSettings, "Diagnostic Log Settings", 590, 622, kSettingsControls};
const DialogTemplate kDiagnosticFilesDialog{kDialogDiagnosticFiles, "Diagnostic Files", 384, 228, kFilesControls};
const DialogTemplate kDiagnosticLogViewerDialog{
    kDialogDiagnosticLogViewer, "Diagnostic Log Viewer", 584, 430, kViewerControls};
const DialogTemplate kAuthDialog{kDialogAuth, "User Authentification", 300, 128, kAuthControls};

}  // namespace corvane::res
