#include "logger/RemoteValueText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace corvane {

std::string FormatRemoteConstant(float value)
{
    const int needed = std::snprintf(nullptr, 0, "%.6f", static_cast<double>(value));
    std::string text(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.6f", static_cast<double>(value));
    return text;
}

std::optional<float> ParseRemoteValue(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(kBlanks);
    const std::string number(text.substr(first, last - first + 1));
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !std::isfinite(value))
        return std::nullopt;
    // A number past the f32's range would reach the logger as infinity.
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}

}  // namespace corvane
