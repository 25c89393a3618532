#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Diagnostic Log Settings": a level combo and label per category, "Set
// All", "Clear Log File", "Diagnostic Files...", the note.
extern const DialogTemplate kDiagnosticLogSettingsDialog;
// "Diagnostic Files": download the logger's log or view a saved file.
extern const DialogTemplate kDiagnosticFilesDialog;
// "Diagnostic Log Viewer": the event list and a progress bar.
extern const DialogTemplate kDiagnosticLogViewerDialog;
// "User Authentification": user id and password.
extern const DialogTemplate kAuthDialog;

}  // namespace corvane::res
