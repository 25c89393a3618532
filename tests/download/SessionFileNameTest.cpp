#include "download/SessionFileName.h"

#include "PinnedTimeZone.h"

#include <gtest/gtest.h>

namespace corvane {
namespace session_file_name_test {
namespace {

// 2024-03-15 10:20:30 in the zone the guard sets (UTC+9, no daylight saving).
constexpr std::uint32_t kStart = 1710465630;

TEST(SessionFileName, StampsBeforeTheExtensionOfTheFileNameOnly)
{
    const test::PinnedTimeZone zone("XYZ-9");
    struct Case {
        const char* chosen;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/log.csv", "/data/log_240315_102030.csv"},
        {"/data/run.2024/log.csv", "/data/run.2024/log_240315_102030.csv"},
        {"/data/run.2024/log", "/data/run.2024/log_240315_102030"},
        {"/data/log.old.txt", "/data/log.old_240315_102030.txt"},
        {"/data/.csv", "/data/.csv_240315_102030"},
        {"log.tsv", "log_240315_102030.tsv"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeSessionFileName(c.chosen, kStart), std::filesystem::path(c.expected)) << c.chosen;
}

}  // namespace
}  // namespace session_file_name_test
}  // namespace corvane
