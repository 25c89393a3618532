#include "commwindow/CalibrationTimeText.h"

#include "platform/LocaleFormats.h"

#include <ctime>

namespace corvane {

std::string CalibrationTimeText(std::int64_t seconds)
{
    if (seconds < 0)
        return std::string(kInvalidDateTimeText);
    const auto moment = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (::localtime_r(&moment, &local) == nullptr)
        return std::string(kInvalidDateTimeText);
    return FormatLocaleShortDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) + " "
        + FormatLocaleTime(local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace corvane
