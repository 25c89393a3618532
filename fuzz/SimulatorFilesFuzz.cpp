// Reads arbitrary bytes as a simulated logger's state file and as its
// logged-sessions file, through the loaders that read them from the state
// folder. A state that loads must write back to text that loads the same;
// so must sessions that load.
#include "loggersim/LoggedSessionFile.h"
#include "loggersim/LoggerStateFile.h"
#include "loggersim/LoggerStateText.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// The scratch state folder of this process, emptied for every input.
std::filesystem::path ScratchFolder()
{
    return std::filesystem::temp_directory_path() / ("corvane-simfiles-fuzz-" + std::to_string(::getpid()));
}

void WriteFile(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path folder = ScratchFolder();
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(folder, error);
    if (error)
        std::abort();
    WriteFile(folder / corvane::kLoggerStateFileName, data, size);
    WriteFile(folder / corvane::kLoggedSessionsFileName, data, size);

    const corvane::LoadedLoggerState state = corvane::LoadLoggerState(folder);
    if (state.notice.empty()) {
        const std::string text = corvane::FormatLoggerState(state.state);
        const corvane::ParsedLoggerState again = corvane::ParseLoggerState(text);
        if (!again.state || corvane::FormatLoggerState(*again.state) != text)
            std::abort();
    }

    const corvane::LoadedLoggedSessions sessions = corvane::LoadLoggedSessions(folder);
    if (sessions.error.empty()) {
        const corvane::LoadedLoggedSessions again
            = corvane::ParseLoggedSessions(corvane::FormatLoggedSessions(sessions.sessions));
        if (!again.error.empty() || again.sessions != sessions.sessions)
            std::abort();
    }
    std::filesystem::remove_all(folder, error);
    return 0;
}
