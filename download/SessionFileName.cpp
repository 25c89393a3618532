#include "download/SessionFileName.h"

#include <cstdio>
#include <ctime>
#include <string>

namespace corvane {

std::filesystem::path MakeSessionFileName(const std::filesystem::path& chosen, std::uint32_t startSeconds)
{
    const std::time_t time = static_cast<std::time_t>(startSeconds);
    std::tm parts{};
    char stamp[32] = "";
    if (::localtime_r(&time, &parts) != nullptr)
        std::snprintf(stamp, sizeof stamp, "_%02d%02d%02d_%02d%02d%02d", parts.tm_year % 100, parts.tm_mon + 1,
            parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
    std::string name = chosen.filename().string();
    const std::size_t dot = name.rfind('.');
    // A leading dot starts a hidden file's name, not an extension.
    if (dot == std::string::npos || dot == 0)
        name.append(stamp);
    else
        name.insert(dot, stamp);
    return chosen.parent_path() / name;
}

}  // namespace corvane
