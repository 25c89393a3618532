#include "loggersim/LoggedSessionFile.h"

#include "tests/platform/ScratchFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace logged_session_file_test {
namespace {

using test::ScratchFolder;

TEST(LoggedSessionFileTest, SessionsSurviveSaveAndLoad)
{
    ScratchFolder folder;
    LoggedSessionPlan first;
    first.startSeconds = 0x6720A000;
    first.scanCount = 3600;
    LoggedSessionPlan second;
    second.startSeconds = 0x6720B000;
    second.startTicks = 17;
    second.scanCount = 100000;
    second.intervalTicks = 20;
    second.subSecond = true;
    second.stopped = false;
    second.loggingMode = 1;
    ASSERT_FALSE(SaveLoggedSessions(folder.Path(), {first, second}));
    const LoadedLoggedSessions loaded = LoadLoggedSessions(folder.Path());
    EXPECT_EQ(loaded.error, "");
    EXPECT_EQ(loaded.sessions, (std::vector<LoggedSessionPlan>{first, second}));
}

TEST(LoggedSessionFileTest, AMissingFileHoldsNoSessions)
{
    ScratchFolder folder;
    const LoadedLoggedSessions loaded = LoadLoggedSessions(folder.Path());
    EXPECT_EQ(loaded.error, "");
    EXPECT_TRUE(loaded.sessions.empty());
}

TEST(LoggedSessionFileTest, RefusesLinesThatAreNotSessions)
{
    const char* bad[] = {
        "session scans=10",                     // no start
        "session start=1",                      // no scans
        "session start=1 scans=10 colour=red",  // unknown field
        "session start=1 scans=10 ticks=200",   // ticks past the second
        "session start=1 scans=10 interval=0",
        "session start=1 scans=10 stopped=2",
        "sessions start=1 scans=10",
    };
    for (const char* line : bad) {
        const LoadedLoggedSessions loaded = ParseLoggedSessions(std::string("; ok\n\n") + line + "\n");
        EXPECT_EQ(loaded.error, "line 3 is not a session") << line;
        EXPECT_TRUE(loaded.sessions.empty()) << line;
    }
}

}  // namespace
}  // namespace logged_session_file_test
}  // namespace corvane
