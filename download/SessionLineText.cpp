#include "download/SessionLineText.h"

#include "base/Cp1252.h"
#include "download/SessionEntry.h"

#include <ctime>

namespace corvane {
namespace {

constexpr std::uint32_t kLastShownTime = 0x7FFFFFFE;
constexpr std::uint32_t kBytesPerKb = 1024;
// Written with escapes so the question marks read as no trigraph.
constexpr const char* kBadTimeText = "?\?/?\?/?\? ?\?:?\?:?\?";
constexpr const char* kStillLoggingText = "**/**/** **:**:**";

}  // namespace

std::string SessionTimeText(std::uint32_t seconds)
{
    if (seconds > kLastShownTime)
        return kBadTimeText;
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    char text[32] = "";
    if (::localtime_r(&time, &parts) == nullptr || std::strftime(text, sizeof text, "%m/%d/%y %H:%M:%S", &parts) == 0)
        return kBadTimeText;
    return text;
}

std::string SessionLineText(const SessionEntry& entry)
{
    const bool logging = entry.stop == 0;
    const std::uint64_t kilobytes = (std::uint64_t{entry.size} + kBytesPerKb - 1) / kBytesPerKb;
    std::string line = "\t";
    line += entry.mode != 0 ? "Rot" : "Cont";
    line += '\t';
    line += SessionTimeText(entry.start);
    line += '\t';
    line += logging ? std::string(kStillLoggingText) : SessionTimeText(entry.stop);
    line += '\t';
    if (logging)
        line += '~';
    line += std::to_string(kilobytes);
    line += '\t';
    line += Cp1252ToUtf8(entry.name);
    return line;
}

}  // namespace corvane
