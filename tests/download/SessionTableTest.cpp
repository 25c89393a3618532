#include "download/SessionTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace session_table_test {
namespace {

SessionEntry Named(int number)
{
    SessionEntry entry;
    entry.name = "S" + std::to_string(number);
    entry.start = static_cast<std::uint32_t>(number);
    return entry;
}

std::vector<std::string> Names(const SessionTable& table)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < table.Size(); ++i)
        names.push_back(table.At(static_cast<int>(i)).name);
    return names;
}

TEST(SessionTable, KeepsSixtyFiveOfSeventySessions)
{
    SessionTable table;
    int kept = 0;
    for (int i = 0; i < 70; ++i)
        kept += table.Add(Named(i)) ? 1 : 0;
    EXPECT_EQ(kept, 65);
    EXPECT_EQ(table.Size(), SessionTable::kMaxSessions);
    EXPECT_EQ(table.At(64).name, "S64");
    // The same bound for the selection: the last slot is selectable.
    const std::vector<int> lines = {-1, 0, 64, 65, 69};
    EXPECT_EQ(table.ValidIndexes(lines), (std::vector<int>{0, 64}));
}

TEST(SessionTable, RemovesMarkedEntriesAndMovesTheOthersDown)
{
    struct Case {
        std::vector<int> marked;
        std::vector<int> removed;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {{}, {}, {"S0", "S1", "S2", "S3"}},
        {{0}, {0}, {"S1", "S2", "S3"}},
        {{1, 3}, {3, 1}, {"S0", "S2"}},
        {{0, 1, 2, 3}, {3, 2, 1, 0}, {}},
    };
    for (const Case& c : cases) {
        SessionTable table;
        for (int i = 0; i < 4; ++i)
            table.Add(Named(i));
        table.At(2).outputPath = "kept.csv";
        for (const int index : c.marked)
            table.At(index).markedForErase = true;
        EXPECT_EQ(table.RemoveMarked(), c.removed);
        EXPECT_EQ(Names(table), c.left);
        for (std::size_t i = 0; i < table.Size(); ++i) {
            const SessionEntry& entry = table.At(static_cast<int>(i));
            EXPECT_FALSE(entry.markedForErase);
            EXPECT_EQ(entry.outputPath.empty(), entry.name != "S2") << "fields move with their entry";
        }
    }
}

TEST(SessionTable, RemovesTheLastSlotOfAFullTable)
{
    SessionTable table;
    for (int i = 0; i < 65; ++i)
        table.Add(Named(i));
    table.At(64).markedForErase = true;
    EXPECT_EQ(table.RemoveMarked(), std::vector<int>{64});
    EXPECT_EQ(table.Size(), 64u);
    EXPECT_TRUE(table.Add(Named(99)));
}

}  // namespace
}  // namespace session_table_test
}  // namespace corvane
