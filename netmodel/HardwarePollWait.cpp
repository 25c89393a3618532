#include "netmodel/HardwarePollWait.h"

#include "netmodel/CHardwarePoll.h"
#include "platform/Application.h"
#include "platform/Clock.h"

#include <algorithm>
#include <limits>

namespace corvane {

namespace {

// How often the wait looks at the poll between message rounds.
constexpr std::uint32_t kWaitStepMs = 10;

}  // namespace

std::uint32_t HardwarePollTimeLimitMs(std::uint32_t retryTimeMs, int maxRetries)
{
    const std::uint64_t sendings = 1 + static_cast<std::uint64_t>(std::max(maxRetries, 0));
    const std::uint64_t limit = retryTimeMs * (sendings * kHardwarePollMaxRequests + 1);
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(limit, std::numeric_limits<std::uint32_t>::max()));
}

bool WaitForHardwarePoll(CHardwarePoll& poll, std::uint32_t limitMs)
{
    Application& app = Application::Instance();
    const std::uint64_t start = app.GetClock().NowMilliseconds();
    while (poll.IsRunning()) {
        const std::uint64_t elapsed = app.GetClock().NowMilliseconds() - start;
        if (elapsed >= limitMs) {
            poll.Finish(CHardwarePoll::kFailed);
            break;
        }
        app.WaitMilliseconds(static_cast<std::uint32_t>(std::min<std::uint64_t>(kWaitStepMs, limitMs - elapsed)));
    }
    return poll.PollState() == CHardwarePoll::kFinished;
}

}  // namespace corvane
