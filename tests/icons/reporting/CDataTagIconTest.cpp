#include "icons/reporting/CDataTagIcon.h"

#include "ReportingIconTestSupport.h"

#include "icons/reporting/DataTagLists.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_data_tag_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RecordBytes;

constexpr Rect kDrop{100, 100, 132, 132};

// An icon that keeps the tags it reports in a tag-list model, as the
// reporting icons do.
class TagKeepingIcon : public test::RelayIcon {
public:
    TagKeepingIcon() : RelayIcon("Keeper", 1, 81) {}
    DataTagLists lists;
    void OnDataTagRemoved(const CCorvaneIcon& tag) override { lists.RemoveTag(tag.UniqueId()); }
};

class DataTagRecords : public test::ReportingNetTest {
protected:
    // The record of a placed tag at the drop rectangle with the given words
    // and input link.
    static std::vector<std::uint8_t> TagRecord(const CDataTagIcon& tag, std::uint16_t format, std::uint16_t bits,
        std::uint16_t source = 0, std::uint8_t linkFlags = 2)
    {
        RecordBytes bytes;
        bytes.Header(84, tag.UniqueId(), 80, static_cast<std::uint16_t>(tag.Header().x),
            static_cast<std::uint16_t>(tag.Header().y), 1, 0, "Data Tag");
        bytes.U16(format).U16(bits).U16(source).U8(0).U8(linkFlags).Zeros(4);
        return bytes.Bytes();
    }
};

TEST_F(DataTagRecords, PlacedTagIsDecimalTwoDigitsAndAssignedToEveryConsumer)
{
    auto& tag = Place<CDataTagIcon>(doc, kDrop);
    EXPECT_EQ(tag.Name(), "Data Tag");
    EXPECT_EQ(tag.BitmapId(), res::kBitmapDataTag);
    EXPECT_EQ(tag.FormatWord(), CDataTagIcon::kDefaultFormat);
    EXPECT_EQ(tag.AssignmentBits(), 0xFFFF);
    EXPECT_EQ(tag.InputCount(), 1);
    EXPECT_EQ(tag.OutputCount(), 0);
    EXPECT_NE(tag.UniqueId(), 0);
    EXPECT_EQ(Saved(tag), TagRecord(tag, 2, 0xFFFF));
}

TEST_F(DataTagRecords, LoadAndSaveKeepTheRecordUnchanged)
{
    auto& tag = Place<CDataTagIcon>(doc, kDrop);
    tag.SetFormatWord(0x0805);
    tag.SetAssignmentBits(0x0012);
    const auto saved = Saved(tag);
    EXPECT_EQ(saved, TagRecord(tag, 0x0805, 0x0012));
    const auto loaded = Load(saved);
    ASSERT_NE(loaded, nullptr);
    auto* copy = dynamic_cast<CDataTagIcon*>(loaded.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->FormatWord(), 0x0805);
    EXPECT_EQ(copy->AssignmentBits(), 0x0012);
    EXPECT_EQ(copy->Name(), "Data Tag");
    EXPECT_EQ(Saved(*copy), saved);
}

TEST_F(DataTagRecords, NetFileKeepsTagsTheirFormatAndTheirSource)
{
    PlaceProgram(doc);
    auto& data = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    auto& tag = Place<CDataTagIcon>(doc, kDrop);
    tag.SetName("Flow");
    tag.SetFormatWord(CDataTagIcon::kWholeNumberBit | 3);
    Link(data, 0, tag, 0);
    tag.BuildConnectors();
    tag.SetAssignmentBits(0x0005);
    const auto before = doc.CollectDataTagIcons();

    const auto image = doc.BuildSaveImage();
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&image);
    ASSERT_NE(bytes, nullptr);
    test::FakeNetServices otherServices;
    CNetDoc other(otherServices, factory);
    ASSERT_FALSE(other.LoadNetImage(*bytes, false).has_value());

    const auto after = other.CollectDataTagIcons();
    ASSERT_EQ(after.size(), 1U);
    EXPECT_EQ(after[0].name, before[0].name);
    EXPECT_EQ(after[0].tagId, before[0].tagId);
    EXPECT_EQ(after[0].assignmentBits, 0x0005);
    auto* loaded = dynamic_cast<CDataTagIcon*>(other.FindIconById(tag.UniqueId()));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->FormatWord(), CDataTagIcon::kWholeNumberBit | 3);
    EXPECT_EQ(loaded->GetInputLinks()[0].sourceId, data.UniqueId());
    const auto saved = Saved(*loaded);
    EXPECT_EQ(saved, Saved(tag));
    EXPECT_EQ(saved.at(CDataTagIcon::kRecordLength + 3), CDataTagIcon::kLinkWholeNumber) << "the link's format";
}

TEST_F(DataTagRecords, RejectsTruncatedRecordsAtEveryLength)
{
    const auto saved = Saved(Place<CDataTagIcon>(doc, kDrop));
    for (std::size_t cut = 0; cut < saved.size(); ++cut) {
        const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(CDataTagIcon::kTypeCode, 0);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(doc.LoadIconFromRecord(icon, part, CDataTagIcon::kTypeCode, 0, false).has_value())
            << "cut at " << cut;
    }
}

TEST_F(DataTagRecords, RecordWithoutItsInputLoadsWithoutOne)
{
    const auto& placed = Place<CDataTagIcon>(doc, kDrop);
    RecordBytes bytes;
    bytes.Header(76, placed.UniqueId(), 80, 10, 10, 0, 0, "Bare").U16(2).U16(0);
    const auto loaded = Load(bytes.Bytes());
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->GetInputLinks().empty());
    EXPECT_EQ(dynamic_cast<CDataTagIcon&>(*loaded).SourceEntry(), nullptr);
}

TEST_F(DataTagRecords, InputTypeFollowsTheSourceOfTheLink)
{
    auto& data = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    auto& logic = Place<test::GateIcon>(doc, 300, 100, 2, test::kTestGateType);

    auto& decimal = Place<CDataTagIcon>(doc, kDrop);
    Link(data, 0, decimal, 0);
    decimal.BuildConnectors();
    EXPECT_EQ(decimal.Input(0).GetDataType(), data_type::kData | data_type::kAdapts);
    EXPECT_EQ(decimal.GetInputLinks()[0].flags, CDataTagIcon::kLinkDecimal);

    auto& whole = Place<CDataTagIcon>(doc, kDrop);
    whole.SetFormatWord(CDataTagIcon::kWholeNumberBit | 3);
    Link(data, 0, whole, 0);
    whole.BuildConnectors();
    EXPECT_EQ(whole.GetInputLinks()[0].flags, CDataTagIcon::kLinkWholeNumber);

    auto& state = Place<CDataTagIcon>(doc, kDrop);
    state.SetFormatWord(CDataTagIcon::kWholeNumberBit | 3);
    Link(logic, 0, state, 0);
    state.BuildConnectors();
    EXPECT_EQ(state.Input(0).GetDataType(), data_type::kLogic | data_type::kAdapts);
    EXPECT_EQ(state.FormatWord(), 3) << "a logic value has no whole-number format";

    EXPECT_EQ(Place<CDataTagIcon>(doc, kDrop).Input(0).GetDataType(), data_type::kAdapts);
}

TEST_F(DataTagRecords, LinkToAMissingSourceKeepsTheStoredFormat)
{
    const auto& placed = Place<CDataTagIcon>(doc, kDrop);
    for (const std::uint8_t flags : {std::uint8_t{0}, std::uint8_t{1}}) {
        SCOPED_TRACE(flags);
        const auto loaded = Load(TagRecord(placed, 2, 0, 999, flags));
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->Input(0).GetDataType(),
            (flags != 0 ? data_type::kData : data_type::kLogic) | data_type::kAdapts);
    }
}

TEST_F(DataTagRecords, NetListsTagsInObjectOrderAndClearsOneBitInEach)
{
    auto& first = Place<CDataTagIcon>(doc, kDrop);
    Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    auto& second = Place<CDataTagIcon>(doc, kDrop);
    first.SetName("Flow");
    second.SetName("Level");
    second.SetAssignmentBits(0x0006);

    doc.ClearDataTagFlag(0x0004);
    const auto tags = doc.CollectDataTagIcons();
    ASSERT_EQ(tags.size(), 2U);
    EXPECT_EQ(tags[0].name, "Flow");
    EXPECT_EQ(tags[0].tagId, first.UniqueId());
    EXPECT_EQ(tags[0].assignmentBits, 0xFFFB);
    EXPECT_EQ(tags[1].name, "Level");
    EXPECT_EQ(tags[1].assignmentBits, 0x0002);
    EXPECT_EQ(second.AssignmentBits(), 0x0002);
}

TEST_F(DataTagRecords, CheckReportsOnlyAnIsolatedTag)
{
    auto& tag = Place<CDataTagIcon>(doc, kDrop);
    bool isolated = false;
    EXPECT_EQ(tag.CheckIconConnections(isolated), missing_connection::kIsolated);
    auto& data = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    Link(data, 0, tag, 0);
    EXPECT_EQ(tag.CheckIconConnections(isolated), 0);
}

TEST_F(DataTagRecords, DeletingATagDropsItFromTheListsOfTheNet)
{
    auto& keeper = Place<TagKeepingIcon>(doc);
    auto& kept = Place<CDataTagIcon>(doc, kDrop);
    auto& gone = Place<CDataTagIcon>(doc, kDrop);
    gone.SetName("Gone");
    keeper.lists.UpdateTagLists(1, doc.CollectDataTagIcons());
    ASSERT_EQ(keeper.lists.StoredIds().size(), 2U);

    gone.RemoveFromNet();
    EXPECT_EQ(keeper.lists.StoredIds(), (std::vector<std::uint32_t>{kept.UniqueId()}));
    ASSERT_EQ(keeper.lists.Selected().size(), 1U);
    EXPECT_EQ(keeper.lists.Selected()[0].tagId, kept.UniqueId());
    EXPECT_EQ(keeper.lists.Net().size(), 1U);
}

}  // namespace
}  // namespace c_data_tag_icon_test
}  // namespace corvane
