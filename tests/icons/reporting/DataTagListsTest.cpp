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

}  // namespace
}  // namespace data_tag_lists_test
}  // namespace corvane
