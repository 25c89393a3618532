#include "controls/ListMoveModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace list_move_model_test {
namespace {

using Style = ListMoveModel::Style;

constexpr Style kExtended{false, true};

ListMoveModel Letters(Style style, std::string_view letters)
{
    std::vector<ListItem> items;
    for (const char c : letters)
        items.push_back({std::string(1, c), static_cast<std::uint32_t>(c)});
    return ListMoveModel(style, std::move(items));
}

std::string Texts(const ListMoveModel& model)
{
    std::string texts;
    for (const ListItem& item : model.Items())
        texts += item.text;
    return texts;
}

TEST(ListMoveModelTest, InsertIndexSnapsToTheNearerGap)
{
    struct Case {
        int y;
        int top;
        int count;
        int expected;
    };
    // Items 16 pixels high.
    const std::vector<Case> cases{
        {5, 0, 0, 0},     // empty list: the top
        {0, 0, 4, 0},     // top edge of item 0
        {7, 0, 4, 0},     // upper half of item 0: before it
        {8, 0, 4, 1},     // lower half of item 0: after it
        {40, 0, 4, 3},    // lower half of item 2
        {60, 0, 4, 4},    // lower half of the last item: the end
        {200, 0, 4, 4},   // below every item: the end
        {-20, 0, 4, 0},   // above the list
        {8, 3, 10, 4},    // scrolled by three items
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        EXPECT_EQ(ListMoveModel::InsertIndexAt(c.y, 16, c.top, c.count), c.expected);
    }
}

TEST(ListMoveModelTest, DroppingItemsFromAboveLowersTheGapByTheirNumber)
{
    ListMoveModel model = Letters(kExtended, "ABCDEFG");
    for (const int i : {0, 2, 3})
        model.Select(i);
    model.DropWithin(6);  // the gap before G
    EXPECT_EQ(Texts(model), "BEFACDG");
    EXPECT_EQ(model.Selection(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(model.Items()[3].data, static_cast<std::uint32_t>('A'));
}

TEST(ListMoveModelTest, DropsLandAtTheMarkedGap)
{
    struct Case {
        std::vector<int> selected;
        int gap;
        std::string expected;
    };
    const std::vector<Case> cases{
        {{1}, 5, "ACDEB"},     // below the last item: appended
        {{4}, 0, "EABCD"},     // to the top
        {{1, 3}, 2, "ABDCE"},  // around the gap itself
        {{2}, 2, "ABCDE"},     // onto its own place
        {{}, 3, "ABCDE"},      // no selection: nothing moves
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ListMoveModel model = Letters(kExtended, "ABCDE");
        for (const int i : c.selected)
            model.Select(i);
        model.DropWithin(c.gap);
        EXPECT_EQ(Texts(model), c.expected);
    }
}

TEST(ListMoveModelTest, CollectingNothingSelectedMovesNothing)
{
    ListMoveModel single = Letters({}, "ABC");
    int index = 2;
    EXPECT_TRUE(single.CollectSelection(index, true).empty());
    EXPECT_EQ(index, 2);
    EXPECT_EQ(Texts(single), "ABC");
}

TEST(ListMoveModelTest, SortedListIgnoresItsOwnDropAndSortsArrivals)
{
    ListMoveModel sorted = Letters({true, true}, "bdf");
    sorted.Select(0);
    sorted.DropWithin(3);
    EXPECT_EQ(Texts(sorted), "bdf");

    ListMoveModel other = Letters(kExtended, "EaC");
    other.Select(0);
    other.Select(1);
    other.MoveSelectionTo(sorted, 0);
    EXPECT_EQ(Texts(sorted), "abdEf");
    EXPECT_EQ(sorted.Selection(), (std::vector<int>{0, 3}));
    EXPECT_EQ(Texts(other), "C");
}

TEST(ListMoveModelTest, MoveToAnotherListKeepsOrderAndData)
{
    ListMoveModel from = Letters(kExtended, "ABCD");
    ListMoveModel to = Letters(kExtended, "xy");
    to.Select(0);
    from.Select(3);
    from.Select(1);
    from.MoveSelectionTo(to, 1);
    EXPECT_EQ(Texts(from), "AC");
    EXPECT_EQ(Texts(to), "xBDy");
    EXPECT_EQ(to.Selection(), (std::vector<int>{1, 2}));
    EXPECT_EQ(to.Items()[2].data, static_cast<std::uint32_t>('D'));
    EXPECT_TRUE(from.Selection().empty());
}

TEST(ListMoveModelTest, SingleSelectionListSelectsTheMovedItem)
{
    ListMoveModel from = Letters({}, "ABC");
    ListMoveModel to = Letters({}, "xy");
    to.Select(1);
    from.Select(2);
    from.MoveSelectionTo(to, 99);
    EXPECT_EQ(Texts(to), "xyC");
    EXPECT_EQ(to.Selection(), (std::vector<int>{2}));
}

}  // namespace
}  // namespace list_move_model_test
}  // namespace corvane
