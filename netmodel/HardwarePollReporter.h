#pragma once

#include <string_view>

namespace corvane {

class CReplyMessage;

// How a hardware query tells the user what went wrong. The shell implements
// it with its logger error box, message boxes and status bar; without one
// the query tells nobody but its owner. UI thread.
class HardwarePollReporter {
public:
    virtual ~HardwarePollReporter() = default;
    // The logger refused a request: the logger error box with the reply's
    // code and text.
    virtual void ShowLoggerError(const CReplyMessage& reply) = 0;
    // A message box with the stop icon.
    virtual void ShowStopBox(std::string_view text, std::string_view caption) = 0;
    // The status-bar text, with the progress display switched off.
    virtual void ShowStatus(std::string_view text) = 0;
    // A line for the program's diagnostics log: trouble the query gets
    // past without asking the user.
    virtual void LogDiagnostic(std::string_view text) = 0;
};

}  // namespace corvane
