#include "loggersim/LoggedSessionFile.h"

#include "base/AtomicFile.h"
#include "base/TextNumbers.h"

#include <array>
#include <cstdio>
#include <optional>

namespace corvane {

namespace {

constexpr std::size_t kMaxSessionsFileBytes = 1 << 20;
constexpr std::uint32_t kTicksPerSecond = 200;

// One "name=value" field of a session line as a number.
template <class T> bool ReadField(std::string_view word, std::string_view name, T& value)
{
    if (word.size() <= name.size() || word.substr(0, name.size()) != name || word[name.size()] != '=')
        return false;
    const std::optional<T> parsed = ParseWholeInteger<T>(word.substr(name.size() + 1));
    if (parsed)
        value = *parsed;
    return parsed.has_value();
}

std::optional<LoggedSessionPlan> ParseSessionLine(std::string_view line)
{
    LoggedSessionPlan plan;
    int flag = 0;
    bool sawStart = false;
    bool sawScans = false;
    std::size_t position = 0;
    bool first = true;
    while (position < line.size()) {
        const std::size_t space = line.find(' ', position);
        const std::string_view word
            = line.substr(position, space == std::string_view::npos ? std::string_view::npos : space - position);
        position = space == std::string_view::npos ? line.size() : space + 1;
        if (word.empty())
            continue;
        if (first) {
            if (word != "session")
                return std::nullopt;
            first = false;
        } else if (ReadField(word, "start", plan.startSeconds)) {
            sawStart = true;
        } else if (ReadField(word, "scans", plan.scanCount)) {
            sawScans = true;
        } else if (ReadField(word, "ticks", plan.startTicks)) {
            if (plan.startTicks >= kTicksPerSecond)
                return std::nullopt;
        } else if (ReadField(word, "interval", plan.intervalTicks)) {
            if (plan.intervalTicks == 0)
                return std::nullopt;
        } else if (ReadField(word, "subsecond", flag) && (flag == 0 || flag == 1)) {
            plan.subSecond = flag == 1;
        } else if (ReadField(word, "stopped", flag) && (flag == 0 || flag == 1)) {
            plan.stopped = flag == 1;
        } else if (!ReadField(word, "mode", plan.loggingMode)) {
            return std::nullopt;
        }
    }
    if (!sawStart || !sawScans)
        return std::nullopt;
    return plan;
}

}  // namespace

std::string FormatLoggedSessions(const std::vector<LoggedSessionPlan>& sessions)
{
    std::string text = "; Logged sessions of the simulated logger (see loggersim/README.md)\n";
    for (const LoggedSessionPlan& plan : sessions) {
        std::array<char, 160> line{};
        std::snprintf(line.data(), line.size(),
            "session start=0x%08X ticks=%u scans=%u interval=%u subsecond=%d stopped=%d mode=%u\n",
            static_cast<unsigned>(plan.startSeconds), static_cast<unsigned>(plan.startTicks),
            static_cast<unsigned>(plan.scanCount), static_cast<unsigned>(plan.intervalTicks), plan.subSecond ? 1 : 0,
            plan.stopped ? 1 : 0, static_cast<unsigned>(plan.loggingMode));
        text += line.data();
    }
    return text;
}

LoadedLoggedSessions ParseLoggedSessions(std::string_view text)
{
    LoadedLoggedSessions loaded;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        std::optional<LoggedSessionPlan> plan = ParseSessionLine(line);
        if (!plan) {
            loaded.sessions.clear();
            loaded.error = "line " + std::to_string(lineNumber) + " is not a session";
            return loaded;
        }
        loaded.sessions.push_back(std::move(*plan));
    }
    return loaded;
}

LoadedLoggedSessions LoadLoggedSessions(const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / kLoggedSessionsFileName;
    const FileContents contents = ReadWholeFile(file, kMaxSessionsFileBytes);
    if (contents.error.kind == FileErrorKind::NotFound)
        return {};
    if (contents.error)
        return {{}, contents.error.message};
    LoadedLoggedSessions loaded = ParseLoggedSessions(
        std::string_view(reinterpret_cast<const char*>(contents.bytes.data()), contents.bytes.size()));
    if (!loaded.error.empty())
        loaded.error = file.string() + ": " + loaded.error;
    return loaded;
}

FileError SaveLoggedSessions(const std::filesystem::path& folder, const std::vector<LoggedSessionPlan>& sessions)
{
    return WriteFileAtomically(folder / kLoggedSessionsFileName, FormatLoggedSessions(sessions));
}

}  // namespace corvane
