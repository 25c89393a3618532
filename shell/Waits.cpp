#include "shell/Waits.h"

#include "platform/Application.h"

#include <algorithm>

namespace corvane {

void PumpMessages(int count, WindowHandle only) { Application::Instance().PumpMessages(count, only); }

void WaitMilliseconds(std::uint32_t milliseconds, bool noPump)
{
    Application::Instance().WaitMilliseconds(milliseconds, noPump);
}

void WaitSeconds(int seconds, bool noPump)
{
    if (seconds < 1)
        return;
    // In slices whose milliseconds fit 32 bits, so a long wait cannot wrap.
    constexpr int kMaxSliceSeconds = 4'000'000;
    Application& application = Application::Instance();
    for (int left = seconds; left > 0;) {
        const int slice = std::min(left, kMaxSliceSeconds);
        application.WaitMilliseconds(static_cast<std::uint32_t>(slice) * 1000u, noPump);
        left -= slice;
    }
}

}  // namespace corvane
