#include "platform/ExecuteString.h"

namespace corvane {
namespace {

constexpr std::string_view kOpenPrefix = "[open(\"";
constexpr std::string_view kOpenSuffix = "\")]";
constexpr std::string_view kWhitespace = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kWhitespace);
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::string> ParseExecuteString(std::string_view text)
{
    const std::string_view command = Trimmed(text);
    if (command.size() < kOpenPrefix.size() + kOpenSuffix.size() || !command.starts_with(kOpenPrefix)
        || !command.ends_with(kOpenSuffix))
        return std::nullopt;
    const std::string_view path
        = command.substr(kOpenPrefix.size(), command.size() - kOpenPrefix.size() - kOpenSuffix.size());
    // A zero byte would cut the path short when it reaches the file system.
    if (path.empty() || path.find('\0') != std::string_view::npos)
        return std::nullopt;
    return std::string(path);
}

std::string FormatOpenExecuteString(std::string_view path)
{
    std::string command;
    command.reserve(kOpenPrefix.size() + path.size() + kOpenSuffix.size());
    command.append(kOpenPrefix).append(path).append(kOpenSuffix);
    return command;
}

}  // namespace corvane
