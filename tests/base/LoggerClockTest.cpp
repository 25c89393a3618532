#include "base/LoggerClock.h"

#include "base/NoticeSink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace logger_clock_test {
namespace {

struct RecordingSink : NoticeSink {
    std::vector<std::string> texts;
    void ShowNotice(std::string_view text, std::string_view caption, NoticeStyle style) override
    {
        EXPECT_TRUE(caption.empty());
        EXPECT_EQ(style, NoticeStyle::Information);
        texts.emplace_back(text);
    }
};

TEST(LoggerClockTest, WarnsOnlyBeyondOneHourEitherWay)
{
    const std::int64_t pc = 1'700'000'000;
    struct Case {
        std::int64_t logger;
        bool warns;
    };
    const Case cases[] = {
        {pc, false},
        {pc + 3600, false},
        {pc - 3600, false},
        {pc + 3601, true},
        {pc - 3601, true},
        {0, true},
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        EXPECT_EQ(CheckLoggerClock(c.logger, pc, sink), c.warns) << c.logger - pc;
        ASSERT_EQ(sink.texts.size(), c.warns ? 1u : 0u);
        if (c.warns) {
            EXPECT_EQ(sink.texts[0], "Logger and Corvane-III time\ndiffer by more than one hour.");
        }
    }
}

}  // namespace
}  // namespace logger_clock_test
}  // namespace corvane
