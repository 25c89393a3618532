#pragma once

#include "netmodel/HardwarePollReporter.h"

namespace corvane {

class CCorvaneApp;

// Tells the user about a hardware query the way the shell tells about
// logger requests: the logger error box, a stop box, the status bar,
// and the diagnostics log.
class ShellPollReporter final : public HardwarePollReporter {
public:
    explicit ShellPollReporter(CCorvaneApp& app) : app_(app) {}

    void ShowLoggerError(const CReplyMessage& reply) override;
    void ShowStopBox(std::string_view text, std::string_view caption) override;
    void ShowStatus(std::string_view text) override;
    void LogDiagnostic(std::string_view text) override;

private:
    CCorvaneApp& app_;
};

}  // namespace corvane
