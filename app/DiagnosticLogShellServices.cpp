#include "app/DiagnosticLogShellServices.h"

#include "app/CCorvaneApp.h"
#include "app/CFolderOptions.h"
#include "app/CMainFrame.h"

namespace corvane {

StatusSink& DiagnosticLogShellServices::Status()
{
    // The main frame exists before any window of the program is made and
    // goes after the last one.
    return *app_.MainFrame();
}

bool DiagnosticLogShellServices::ShowProduction() const { return app_.GetShowProduction() != 0; }

std::string DiagnosticLogShellServices::MakeDiagnosticLogFilePath(std::string_view text) const
{
    const CFolderOptions* folders = app_.FolderOptions();
    return folders != nullptr ? folders->MakeDiagnosticLogFilePath(text) : std::string(text);
}

void DiagnosticLogShellServices::SetDiagnosticLogFileFolder(std::string_view chosenPath)
{
    if (CFolderOptions* folders = app_.FolderOptions())
        folders->SetDiagnosticLogFileFolder(chosenPath);
}

}  // namespace corvane
