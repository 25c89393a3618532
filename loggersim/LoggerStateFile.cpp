#include "loggersim/LoggerStateFile.h"

#include "base/AtomicFile.h"
#include "loggersim/LoggerStateText.h"

#include <string_view>
#include <system_error>

namespace corvane {

namespace {

constexpr std::size_t kMaxStateFileBytes = 1 << 20;

// A free name beside the damaged file: "<name>.damaged", then ".damaged-2" ...
std::filesystem::path AsideName(const std::filesystem::path& file)
{
    std::filesystem::path aside = file;
    aside += ".damaged";
    for (int n = 2; std::filesystem::exists(aside) && n < 1000; ++n) {
        aside = file;
        aside += ".damaged-" + std::to_string(n);
    }
    return aside;
}

}  // namespace

LoadedLoggerState LoadLoggerState(const std::filesystem::path& folder)
{
    LoadedLoggerState loaded{LoggerState::Fresh(), {}};
    const std::filesystem::path file = folder / kLoggerStateFileName;
    FileContents contents = ReadWholeFile(file, kMaxStateFileBytes);
    if (contents.error.kind == FileErrorKind::NotFound)
        return loaded;
    std::string why;
    if (contents.error) {
        why = contents.error.message;
    } else {
        const std::string_view text(reinterpret_cast<const char*>(contents.bytes.data()), contents.bytes.size());
        ParsedLoggerState parsed = ParseLoggerState(text);
        if (parsed.state) {
            loaded.state = std::move(*parsed.state);
            return loaded;
        }
        why = parsed.error;
    }
    const std::filesystem::path aside = AsideName(file);
    std::error_code error;
    std::filesystem::rename(file, aside, error);
    loaded.notice = "The state file " + file.string() + " is damaged (" + why + "); "
        + (error ? "it could not be set aside (" + error.message() + ")" : "it was set aside as " + aside.string())
        + " and the logger starts fresh.";
    return loaded;
}

FileError SaveLoggerState(const std::filesystem::path& folder, const LoggerState& state)
{
    return WriteFileAtomically(folder / kLoggerStateFileName, FormatLoggerState(state));
}

}  // namespace corvane
