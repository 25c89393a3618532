#include "icons/reporting/DataTagLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace data_tag_lists_test {
namespace {

using TagList = DataTagLists::TagList;

std::vector<std::uint32_t> IdsOf(const TagList& list)
{
    std::vector<std::uint32_t> ids;
    for (const DataTagInfo& tag : list)
        ids.push_back(tag.tagId);
    return ids;
}

TagList ThreeTags()
{
    return {{"Flow", 5, 0x0001}, {"Level", 7, 0x0004}, {"Temp", 9, 0x0005}};
}

TEST(DataTagListsTest, UpdateTagListsTakesMarkedTagsInNetOrderWithoutDuplicates)
{
    DataTagLists lists;
    lists.SetStoredIds(std::vector<std::uint32_t>{9});
    lists.UpdateTagLists(0x0004, ThreeTags());
    EXPECT_EQ(IdsOf(lists.Selected()), (std::vector<std::uint32_t>{9, 7}));
    EXPECT_EQ(lists.Selected()[0].name, "Temp");
    EXPECT_EQ(lists.Selected()[1].assignmentBits, 0);
    EXPECT_EQ(IdsOf(lists.Available()), (std::vector<std::uint32_t>{5}));
    EXPECT_EQ(lists.StoredIds(), (std::vector<std::uint32_t>{9, 7}));
}

TEST(DataTagListsTest, DialogListsNameSelectedTagsAndDropThoseGoneFromTheNet)
{
    DataTagLists lists;
    lists.SetStoredIds(std::vector<std::uint32_t>{7, 40, 5, 0x10005});
    EXPECT_EQ(IdsOf(lists.Selected()), (std::vector<std::uint32_t>{7, 40, 5})) << "no icon has a 32-bit id";
    lists.BuildDialogLists(ThreeTags());
    EXPECT_EQ(IdsOf(lists.Selected()), (std::vector<std::uint32_t>{7, 5}));
    EXPECT_EQ(lists.Selected()[0].name, "Level");
    EXPECT_EQ(lists.Selected()[1].name, "Flow");
    EXPECT_EQ(IdsOf(lists.Available()), (std::vector<std::uint32_t>{9}));
    lists.StoreAssignedTags();
    EXPECT_EQ(lists.StoredIds(), (std::vector<std::uint32_t>{7, 5}));
}

TEST(DataTagListsTest, OpeningTakesMarkedAvailableTagsInReverseNetOrder)
{
    DataTagLists lists;
    lists.BuildDialogLists(ThreeTags());
    lists.TakeAssignedFromAvailable(0x0001);
    EXPECT_EQ(IdsOf(lists.Selected()), (std::vector<std::uint32_t>{9, 5}));
    EXPECT_EQ(IdsOf(lists.Available()), (std::vector<std::uint32_t>{7}));
}

TEST(DataTagListsTest, StoredTagsAreCompactedToTheSelectedTagsOfTheNet)
{
    DataTagLists lists;
    lists.RefreshNet(ThreeTags());
    lists.SetSelected({{"Temp", 9, 0}, {"Old", 11, 0}, {"Flow", 5, 0}});
    lists.StoreAssignedTags();
    EXPECT_EQ(lists.StoredIds(), (std::vector<std::uint32_t>{9, 5}));
}

TEST(DataTagListsTest, SelectionNeverPassesTheCapacity)
{
    TagList net;
    for (std::uint16_t id = 1; id <= 300; ++id)
        net.push_back({"T" + std::to_string(id), id, 0x0004});
    for (const std::size_t capacity : {DataTagLists::kMaxTags, DataTagLists::kMaxMqttTags}) {
        SCOPED_TRACE(capacity);
        DataTagLists lists(capacity);
        lists.UpdateTagLists(0x0004, net);
        EXPECT_EQ(lists.Selected().size(), capacity);
        EXPECT_EQ(lists.StoredIds().size(), capacity);
        EXPECT_FALSE(lists.HasRoomFor(1));
        EXPECT_EQ(lists.Available().size(), net.size() - capacity);
        lists.TakeAssignedFromAvailable(0x0004);
        EXPECT_EQ(lists.Selected().size(), capacity);
    }
}

TEST(DataTagListsTest, RefusesMoreStoredIdsThanItHolds)
{
    const std::vector<std::uint32_t> ids(256, 3);
    DataTagLists memory;
    EXPECT_TRUE(memory.SetStoredIds(ids));
    DataTagLists mqtt(DataTagLists::kMaxMqttTags);
    mqtt.SetStoredIds(std::vector<std::uint32_t>{1, 2});
    EXPECT_FALSE(mqtt.SetStoredIds(ids));
    EXPECT_EQ(mqtt.StoredIds(), (std::vector<std::uint32_t>{1, 2})) << "a refusal changes nothing";
    EXPECT_FALSE(memory.SetStoredIds(std::vector<std::uint32_t>(257, 3)));
}

TEST(DataTagListsTest, RemovedTagLeavesEveryList)
{
    DataTagLists lists;
    lists.SetStoredIds(std::vector<std::uint32_t>{9, 5});
    lists.BuildDialogLists(ThreeTags());
    EXPECT_TRUE(lists.RemoveTag(9));
    EXPECT_EQ(IdsOf(lists.Net()), (std::vector<std::uint32_t>{5, 7}));
    EXPECT_EQ(IdsOf(lists.Selected()), (std::vector<std::uint32_t>{5}));
    EXPECT_EQ(lists.StoredIds(), (std::vector<std::uint32_t>{5}));
    EXPECT_TRUE(lists.RemoveTag(7));
    EXPECT_TRUE(lists.Available().empty());
    EXPECT_FALSE(lists.RemoveTag(42));
}

// The tag picker page's activation, from the lists as they stand before it.
TEST(DataTagListsTest, PickerRefreshBuildsPrunesAndAppendsByThePageBit)
{
    using Ids = std::vector<std::uint32_t>;
    constexpr int kBit = 0x0010;
    struct Case {
        const char* name;
        Ids stored;  // the icon's tag ids, as read from its record
        TagList available;
        TagList selected;
        TagList net;
        Ids selectedAfter;
        Ids availableAfter;
        bool flowTaken;  // "Flow" joins the selection by its bit
    };
    const TagList net{{"Flow", 5, 0x0010}, {"Level", 7, 0x0000}, {"Temp", 9, 0x0011}, {"Rain", 11, 0x0008}};
    const Case cases[] = {
        {"first opening: marked tags selected, the rest available", {}, {}, {}, net, {5, 9}, {7, 11}, true},
        {"first opening: stored ids first, in their order", {11, 7}, {}, {}, net, {11, 7, 5, 9}, {}, true},
        {"record read: stored ids kept, unmarked new tags available", {9}, {}, {{"", 9, 0}}, net, {9, 5}, {7, 11}, true},
        {"a deleted tag leaves both lists", {}, {{"Level", 7, 0}, {"Gone", 40, 0}}, {{"Old", 41, 0}, {"Flow", 5, 0}},
            net, {5, 9}, {7, 11}, false},
        {"listed tags keep their side", {}, {{"Flow", 5, 0}}, {{"Level", 7, 0}}, net, {7, 9}, {5, 11}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DataTagLists lists;
        lists.SetStoredIds(c.stored);
        if (!c.available.empty() || !c.selected.empty()) {
            lists.SetAvailable(c.available);
            lists.SetSelected(c.selected);
        }
        const Ids missing = lists.RefreshForPicker(kBit, c.net);
        EXPECT_TRUE(missing.empty());
        EXPECT_EQ(IdsOf(lists.Selected()), c.selectedAfter);
        EXPECT_EQ(IdsOf(lists.Available()), c.availableAfter);
        EXPECT_EQ(lists.StoredIds(), c.selectedAfter) << "the selection is written into the ids";
        EXPECT_EQ((lists.Net()[0].assignmentBits & kBit) == 0, c.flowTaken) << "a tag taken by its bit has it cleared";
    }
}

TEST(DataTagListsTest, PickerRefreshShowsRenamesAndHoldsTheSelectionTo256)
{
    DataTagLists lists;
    lists.SetAvailable({{"Old name", 7, 0}});
    lists.SetSelected({{"Flow", 5, 0}});
    (void)lists.RefreshForPicker(0x0008, {{"Flow 2", 5, 0}, {"Level 2", 7, 0}});
    EXPECT_EQ(lists.Selected()[0].name, "Flow 2");
    EXPECT_EQ(lists.Available()[0].name, "Level 2");

    TagList many;
    for (std::uint16_t id = 1; id <= 300; ++id)
        many.push_back({"T" + std::to_string(id), id, 0x0008});
    DataTagLists full;
    (void)full.RefreshForPicker(0x0008, many);
    EXPECT_EQ(full.Selected().size(), 256u);
    EXPECT_EQ(full.StoredIds().size(), 256u);
    EXPECT_EQ(full.Available().size(), 44u) << "marked tags beyond 256 wait in Available";
}

TEST(DataTagListsTest, PickerOrderFollowsTheStoredIdsAndNamesTheMissingOnes)
{
    DataTagLists lists;
    lists.SetStoredIds(std::vector<std::uint32_t>{9, 5, 7});
    lists.SetSelected({{"Flow", 5, 0}, {"Temp", 9, 0}});
    EXPECT_EQ(lists.OrderSelectedByStoredIds(), std::vector<std::uint32_t>{7}) << "Tag not found";
    EXPECT_EQ(IdsOf(lists.Selected()), (std::vector<std::uint32_t>{9, 5}));
}

}  // namespace
}  // namespace data_tag_lists_test
}  // namespace corvane
