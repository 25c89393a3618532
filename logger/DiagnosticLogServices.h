#pragma once

#include <string>
#include <string_view>

namespace corvane {

class StatusSink;

// What the diagnostic log dialogs need of the program around them: the
// main window's status bar, whether the production tools are shown (the
// Admin setting ShowProduction), and the folder their file dialogs open in.
// The shell fills it; tests fake it. It outlives the dialogs that use it.
class DiagnosticLogServices {
public:
    virtual ~DiagnosticLogServices() = default;

    virtual StatusSink& Status() = 0;
    virtual bool ShowProduction() const = 0;
    // The diagnostic log folder followed by text ("*.dlf", a file name).
    virtual std::string MakeDiagnosticLogFilePath(std::string_view text) const = 0;
    // The folder of a path the user chose becomes the diagnostic log folder.
    virtual void SetDiagnosticLogFileFolder(std::string_view chosenPath) = 0;
};

}  // namespace corvane
