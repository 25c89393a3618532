#pragma once

#include "base/FileError.h"
#include "loggersim/LoggerState.h"

#include <filesystem>
#include <string>

namespace corvane {

// The state file of a simulated logger's state folder.
constexpr const char* kLoggerStateFileName = "logger-state.txt";

struct LoadedLoggerState {
    LoggerState state;
    // Empty, or what went wrong: a damaged file is renamed aside (its new
    // name is given) and the logger starts fresh.
    std::string notice;
};

// Reads the folder's state file; a missing file gives a fresh logger.
LoadedLoggerState LoadLoggerState(const std::filesystem::path& folder);
// Writes the state file atomically.
FileError SaveLoggerState(const std::filesystem::path& folder, const LoggerState& state);

}  // namespace corvane
