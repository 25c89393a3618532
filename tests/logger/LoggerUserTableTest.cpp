#include "logger/LoggerUserTable.h"
#include "logger/PermissionRows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace corvane {
namespace logger_user_table_test {
namespace {

using S = PermissionState;

constexpr std::uint32_t kAdmin = 0x80000000u;

PermissionRows AllUnchecked() { return PermissionRows::FromRights({}); }

std::set<std::size_t> RowsIn(const PermissionRows& rows, PermissionState state)
{
    std::set<std::size_t> found;
    for (std::size_t row = 0; row < PermissionRows::kRowCount; ++row)
        if (rows.State(row) == state)
            found.insert(row);
    return found;
}

TEST(PermissionRowsTest, RightsFromRowsAndBack)
{
    PermissionRows all = AllUnchecked();
    for (std::size_t row = 0; row < PermissionRows::kRowCount; ++row)
        all.SetState(row, row % 2 == 0 ? S::Checked : S::Fixed);
    EXPECT_EQ(all.Rights(), (RightsMask{0xBFFFA038u, 0}));
    EXPECT_EQ(AllUnchecked().Rights(), (RightsMask{0, 0}));

    PermissionRows added = AllUnchecked();
    added.SetState(PermissionRows::kProgramAccessRow, S::Checked);
    added.ApplyPermissionRules(false);
    EXPECT_EQ(added.State(PermissionRows::kProgramAccessRow), S::Checked);
    EXPECT_EQ(added.Rights(), (RightsMask{0x00010000u, 0}));

    // A row is checked when the rights share a bit with its mask; bits no
    // row shows are dropped.
    const PermissionRows read = PermissionRows::FromRights({0x00012044u, 0xFFFFFFFFu});
    EXPECT_EQ(RowsIn(read, S::Checked), (std::set<std::size_t>{14, 16}));
    EXPECT_EQ(read.Rights(), (RightsMask{0x00012000u, 0}));
}

TEST(PermissionRowsTest, EachRuleFixesItsRows)
{
    struct Case {
        const char* what;
        std::vector<std::size_t> checked;
        bool forced;
        std::set<std::size_t> fixed;
    };
    std::set<std::size_t> allButFirst;
    for (std::size_t row = 1; row < PermissionRows::kRowCount; ++row)
        allButFirst.insert(row);
    std::set<std::size_t> everyRow = allButFirst;
    everyRow.insert(0);
    const std::vector<Case> cases = {
        {"nothing", {}, false, {}},
        {"password management fixes all others", {0}, false, allButFirst},
        {"forced administrator", {}, true, everyRow},
        {"message clear fixes message view", {12}, false, {11}},
        {"net upload fixes memory clear and enable", {6}, false, {9, 10}},
        {"flash fixes memory clear and enable", {1}, false, {9, 10}},
        {"set time fixes enable", {4}, false, {10}},
        {"independent rows fix nothing", {2, 3, 5, 7, 8, 13, 14, 15, 16, 17, 18, 19}, false, {}},
    };
    for (const Case& c : cases) {
        PermissionRows rows = AllUnchecked();
        for (std::size_t row : c.checked)
            rows.SetState(row, S::Checked);
        rows.ApplyPermissionRules(c.forced);
        EXPECT_EQ(RowsIn(rows, S::Fixed), c.fixed) << c.what;
    }
}

TEST(PermissionRowsTest, UncheckingTheCauseFreesTheFixedRowsChecked)
{
    PermissionRows rows = AllUnchecked();
    ASSERT_TRUE(rows.Toggle(6));
    rows.ApplyPermissionRules(false);
    EXPECT_FALSE(rows.Toggle(9));  // fixed: no change
    EXPECT_EQ(rows.State(9), S::Fixed);
    ASSERT_TRUE(rows.Toggle(6));
    rows.ApplyPermissionRules(false);
    EXPECT_EQ(rows.State(6), S::Unchecked);
    EXPECT_EQ(rows.State(9), S::Checked);
    EXPECT_EQ(rows.State(10), S::Checked);
    EXPECT_TRUE(rows.Toggle(9));
    EXPECT_EQ(rows.State(9), S::Unchecked);
    EXPECT_FALSE(rows.Toggle(PermissionRows::kRowCount));
}

TEST(PermissionRowsTest, ForcedAdministratorKeepsPasswordManagementWhenUnchecked)
{
    PermissionRows rows = PermissionRows::FromRights({kAdmin | 0x10000u, 0});
    rows.ApplyPermissionRules(true);
    EXPECT_FALSE(rows.Toggle(0));
    rows.ApplyPermissionRules(true);
    EXPECT_EQ(rows.State(0), S::Fixed);
    EXPECT_EQ(rows.Rights().low & kAdmin, kAdmin);
}

LoggerUserTable Table(std::vector<std::pair<std::string, std::uint32_t>> users)
{
    LoggerUserTable table;
    for (auto& [name, rights] : users)
        table.Append({{rights, 0}, "pw", name});
    return table;
}

TEST(LoggerUserTableTest, LastAdministratorAndDeleteChecks)
{
    struct Case {
        const char* what;
        LoggerUserTable table;
        std::size_t index;
        std::string loggedIn;
        bool last;
        int deleteCheck;
    };
    const std::vector<Case> cases = {
        {"only user", Table({{"a", 0}}), 0, "a", true, LoggerUserTable::kDeleteAllowed},
        {"sole administrator among others", Table({{"a", kAdmin}, {"b", 0}}), 0, "b", true,
            LoggerUserTable::kDeleteLastAdministrator},
        {"plain user", Table({{"a", kAdmin}, {"b", 0}}), 1, "a", false, LoggerUserTable::kDeleteAllowed},
        {"one of two administrators", Table({{"a", kAdmin}, {"b", kAdmin}}), 1, "a", false,
            LoggerUserTable::kDeleteAllowed},
        {"logged-in user", Table({{"a", kAdmin}, {"b", 0}}), 1, "b", false, LoggerUserTable::kDeleteLoggedInUser},
        {"logged-in last administrator", Table({{"a", kAdmin}, {"b", 0}}), 0, "a", true,
            LoggerUserTable::kDeleteLoggedInUser},
        {"nobody logged in", Table({{"a", kAdmin}, {"b", 0}}), 1, "", false, LoggerUserTable::kDeleteAllowed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.table.IsLastAdministrator(c.index), c.last) << c.what;
        EXPECT_EQ(c.table.CheckDeleteAllowed(c.index, c.loggedIn), c.deleteCheck) << c.what;
    }
}

TEST(LoggerUserTableTest, OperationsAndTheirArguments)
{
    LoggerUserTable table = Table({{"a", kAdmin}, {"b", 0x2000}});
    const CUserInfo added{{0x10000, 0}, "pw", "c"};
    struct Case {
        const char* what;
        PassManArguments arguments;
        PassManArguments expected;
    };
    const std::vector<Case> cases = {
        {"read", LoggerUserTable::ReadArguments(7), {0, 7, "", "", {}}},
        {"add at the end", table.AddArguments(added), {1, 2, "c", "pw", {0x10000, 0}}},
        {"change", LoggerUserTable::ChangeArguments(1, added), {2, 1, "c", "pw", {0x10000, 0}}},
        {"delete with others", table.DeleteArguments(1), {3, 0, "b", "", {}}},
        {"delete the only user", Table({{"a", kAdmin}}).DeleteArguments(0), {4, 0, "", "", {}}},
        {"passwords on", LoggerUserTable::SwitchArguments(true), {5, 1, "", "", {}}},
        {"passwords off", LoggerUserTable::SwitchArguments(false), {5, 0, "", "", {}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.arguments, c.expected) << c.what;

    EXPECT_FALSE(table.IsFull());
    for (int i = 0; i < 99; ++i)
        table.Append({{}, "p", "u" + std::to_string(i)});
    EXPECT_TRUE(table.IsFull());
    EXPECT_TRUE(table.Remove(0));
    EXPECT_FALSE(table.IsFull());
    EXPECT_FALSE(table.Remove(500));
    EXPECT_EQ(table.At(0).name, "b");
}

}  // namespace
}  // namespace logger_user_table_test
}  // namespace corvane
