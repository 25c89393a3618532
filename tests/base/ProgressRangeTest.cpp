#include "base/ProgressRange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace corvane {
namespace progress_range_test {
namespace {

TEST(ProgressRangeTest, PositionsAreHeldWithinTheRangeEitherWayRound)
{
    struct Case {
        std::int64_t position;
        int lower;
        int upper;
        int expected;
    };
    constexpr std::int64_t kBeyondInt = std::int64_t{std::numeric_limits<int>::max()} + 5;
    for (const Case& c : {
             Case{50, 0, 100, 50},
             Case{-3, 0, 100, 0},
             Case{130, 0, 100, 100},
             Case{130, 100, 0, 100},  // bounds given the wrong way round
             Case{-3, 100, 0, 0},
             Case{kBeyondInt, 0, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()},
             Case{-kBeyondInt, std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::min()},
         }) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(ClampToProgressRange(c.position, c.lower, c.upper), c.expected);
    }
}

TEST(ProgressRangeTest, ShareIsCutDownAndHeldToTheScale)
{
    struct Case {
        std::uint64_t done;
        std::uint64_t total;
        int expected;
    };
    for (const Case& c : {
             Case{0, 1000, 0},
             Case{999, 1000, 99},  // cut down, never rounded up to all
             Case{1000, 1000, 100},
             Case{5000, 1000, 100},  // more than announced reads as all
             Case{7, 0, 0},          // no total: nothing to show
             Case{std::uint64_t{3} << 40, std::uint64_t{4} << 40, 75},
         }) {
        SCOPED_TRACE(c.done);
        EXPECT_EQ(ProgressShare(c.done, c.total, 100), c.expected);
    }
}

}  // namespace
}  // namespace progress_range_test
}  // namespace corvane
