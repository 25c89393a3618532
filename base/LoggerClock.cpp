#include "base/LoggerClock.h"

#include "base/NoticeSink.h"

namespace corvane {

namespace {

constexpr std::int64_t kAllowedClockDifference = 3600;
constexpr const char* kClockDiffersText = "Logger and Corvane-III time\ndiffer by more than one hour.";

}  // namespace

bool CheckLoggerClock(std::int64_t loggerTime, std::int64_t pcTime, NoticeSink& sink)
{
    const std::int64_t difference = pcTime > loggerTime ? pcTime - loggerTime : loggerTime - pcTime;
    if (difference <= kAllowedClockDifference)
        return false;
    sink.ShowNotice(kClockDiffersText, {}, NoticeStyle::Information);
    return true;
}

}  // namespace corvane
