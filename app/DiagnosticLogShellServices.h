#pragma once

#include "logger/DiagnosticLogServices.h"

namespace corvane {

class CCorvaneApp;

// The diagnostic log dialogs' services as the application object gives
// them: the main frame's status bar, the ShowProduction setting and the
// diagnostic log folder of the folder options.
class DiagnosticLogShellServices final : public DiagnosticLogServices {
public:
    explicit DiagnosticLogShellServices(CCorvaneApp& app) : app_(app) {}

    StatusSink& Status() override;
    bool ShowProduction() const override;
    std::string MakeDiagnosticLogFilePath(std::string_view text) const override;
    void SetDiagnosticLogFileFolder(std::string_view chosenPath) override;

private:
    CCorvaneApp& app_;
};

}  // namespace corvane
