#include "download/SessionLineText.h"

#include "PinnedTimeZone.h"
#include "download/SessionEntry.h"

#include <gtest/gtest.h>

namespace corvane {
namespace session_line_text_test {
namespace {

// 2024-03-15 10:20:30 UTC.
constexpr std::uint32_t kMarch15 = 1710498030;

SessionEntry Entry(std::uint32_t start, std::uint32_t stop, std::uint32_t size, int mode, std::string name)
{
    SessionEntry entry;
    entry.start = start;
    entry.stop = stop;
    entry.size = size;
    entry.mode = mode;
    entry.name = std::move(name);
    return entry;
}

TEST(SessionLineText, ShowsModeTimesKilobytesAndName)
{
    const test::PinnedTimeZone zone("UTC");
    struct Case {
        SessionEntry entry;
        std::string line;
    };
    const Case cases[] = {
        {Entry(kMarch15, kMarch15 + 3600, 1, 0, "6720A000"),
            "\tCont\t03/15/24 10:20:30\t03/15/24 11:20:30\t1\t6720A000"},
        {Entry(kMarch15, kMarch15 + 1, 1024, 1, "ROT"), "\tRot\t03/15/24 10:20:30\t03/15/24 10:20:31\t1\tROT"},
        {Entry(kMarch15, kMarch15 + 1, 1025, 2, "ROT"), "\tRot\t03/15/24 10:20:30\t03/15/24 10:20:31\t2\tROT"},
        {Entry(kMarch15, kMarch15 + 1, 0, 0, ""), "\tCont\t03/15/24 10:20:30\t03/15/24 10:20:31\t0\t"},
        {Entry(kMarch15, kMarch15 + 1, 0xFFFFFFFF, 0, "BIG"),
            "\tCont\t03/15/24 10:20:30\t03/15/24 10:20:31\t4194304\tBIG"},
        // Still logging.
        {Entry(kMarch15, 0, 2048, 0, "LIVE"), "\tCont\t03/15/24 10:20:30\t**/**/** **:**:**\t~2\tLIVE"},
        // A time past the last one shown.
        {Entry(0x7FFFFFFF, 0x7FFFFFFE, 10, 0, "BAD"), "\tCont\t?\?/?\?/?\? ?\?:?\?:?\?\t01/19/38 03:14:06\t1\tBAD"},
        // Names are Windows-1252.
        {Entry(0, 1, 1, 0, "T\xB0"), "\tCont\t01/01/70 00:00:00\t01/01/70 00:00:01\t1\tT\xC2\xB0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SessionLineText(c.entry), c.line) << c.entry.name;
}

TEST(SessionLineText, ShowsTimesInThePcsLocalTime)
{
    const test::PinnedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(SessionTimeText(kMarch15), "03/15/24 06:20:30");
}

}  // namespace
}  // namespace session_line_text_test
}  // namespace corvane
