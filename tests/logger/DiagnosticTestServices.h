#pragma once

// The program's services for the diagnostic log dialogs' tests, as plain
// fields: a status bar that notes its texts, the production setting, the
// folder the file dialogs open in and the paths the user chose.

#include "RecordingStatusSink.h"

#include "logger/DiagnosticLogServices.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

struct DiagnosticTestServices final : DiagnosticLogServices {
    RecordingStatusSink status;
    bool production = false;
    std::string folder;  // ends in '/'
    std::vector<std::string> chosen;

    StatusSink& Status() override { return status; }
    bool ShowProduction() const override { return production; }
    std::string MakeDiagnosticLogFilePath(std::string_view text) const override { return folder + std::string(text); }
    void SetDiagnosticLogFileFolder(std::string_view path) override { chosen.emplace_back(path); }
};

}  // namespace corvane::test
