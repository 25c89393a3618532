#pragma once

#include <string_view>

namespace corvane {

// The application's in-memory communication log. The shell fills it; the
// comms thread calls it, so it must be safe from any thread.
class CommLog {
public:
    virtual ~CommLog() = default;
    // label: "INFO  ", "FATAL " or "ERROR "; text: UTF-8.
    virtual void AddCommLogLine(std::string_view label, std::string_view text) = 0;
};

}  // namespace corvane
