#pragma once

#include "base/FileError.h"
#include "loggersim/LoggedSessionPlan.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The logged sessions of a simulated logger, kept in its state folder as
// one text line per session:
//
//   session start=0x6720A000 ticks=0 scans=3600 interval=200 subsecond=0 stopped=1 mode=0
//
// (start in seconds since 1970 UTC, interval in 5 ms ticks). Every session
// logs the default points. Blank lines and lines starting with ';' or '#'
// are ignored.
constexpr const char* kLoggedSessionsFileName = "logged-sessions.txt";

struct LoadedLoggedSessions {
    std::vector<LoggedSessionPlan> sessions;
    std::string error;  // empty, or why the file could not be read (no sessions then)
};

// A missing file holds no sessions.
LoadedLoggedSessions LoadLoggedSessions(const std::filesystem::path& folder);
FileError SaveLoggedSessions(const std::filesystem::path& folder, const std::vector<LoggedSessionPlan>& sessions);

// The text form, for the file and for tests.
std::string FormatLoggedSessions(const std::vector<LoggedSessionPlan>& sessions);
LoadedLoggedSessions ParseLoggedSessions(std::string_view text);

}  // namespace corvane
