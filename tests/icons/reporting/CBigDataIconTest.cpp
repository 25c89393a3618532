#include "icons/reporting/CBigDataIcon.h"

#include "ReportingIconTestSupport.h"

#include "base/AtomicFile.h"
#include "icons/reporting/CBigMqttIcon.h"
#include "icons/reporting/CBigProbeIcon.h"
#include "icons/reporting/CBigRamIcon.h"
#include "icons/reporting/CDataTagIcon.h"
#include "icons/reporting/CloudIconLimit.h"
#include "icons/reporting/RegisterMqttIcon.h"
#include "netimage/NetImage.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_big_data_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};

std::uint32_t TailId(const std::vector<std::uint8_t>& record, std::size_t offset)
{
    return static_cast<std::uint32_t>(record.at(offset) | (record.at(offset + 1) << 8) | (record.at(offset + 2) << 16)
        | (record.at(offset + 3) << 24));
}

class CloudIcons : public test::ReportingNetTest {
protected:
    // A data tag fed by a source, so that the net check passes it.
    CDataTagIcon& PlaceTag(std::string_view name, std::uint16_t bits)
    {
        auto& tag = Place<CDataTagIcon>(doc, kDrop);
        tag.SetName(name);
        tag.SetAssignmentBits(bits);
        Link(Place<test::SourceIcon>(doc), 0, tag, 0);
        return tag;
    }
    static std::vector<std::uint32_t> Ids(std::initializer_list<const CCorvaneIcon*> icons)
    {
        std::vector<std::uint32_t> ids;
        for (const CCorvaneIcon* icon : icons)
            ids.push_back(icon->UniqueId());
        return ids;
    }
    // The MQTT record of a placed icon: header, fixed part, output entry, ids.
    static RecordBytes MqttRecord(const CBigMqttIcon& mqtt, std::string_view series, std::span<const std::uint32_t> ids)
    {
        RecordBytes bytes;
        bytes.Header(static_cast<std::uint16_t>(110 + 4 * ids.size()), mqtt.UniqueId(), 70, kX, kY, 0, 1, "MQTT")
            .U16(0)
            .Text(series)
            .Zeros(22 - series.size())
            .U8(static_cast<std::uint8_t>(ids.size()))
            .U8(13)
            .Output(0);
        for (const std::uint32_t id : ids)
            bytes.U32(id);
        return bytes;
    }

    SettingsStore settings;
};

TEST_F(CloudIcons, PlacedMemoryAndProbeIconsWriteTheHeaderAloneAndLoadBackUnchanged)
{
    struct Case {
        CBigDataIcon* icon;
        std::uint16_t type;
        std::string_view name;
        int bitmap;
        int bit;
    };
    const Case cases[] = {
        {&Place<CBigRamIcon>(doc, kDrop), 81, "Memory", res::kBitmapMemoryNet, 1},
        {&Place<CBigProbeIcon>(doc, kDrop), 82, "Probe", res::kBitmapProbeNet, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CBigDataIcon& icon = *c.icon;
        EXPECT_EQ(icon.Caption(), c.name);
        EXPECT_EQ(icon.BitmapId(), c.bitmap);
        EXPECT_EQ(icon.AssignmentBit(), c.bit);
        EXPECT_TRUE(icon.IsHardwareLayout());
        EXPECT_EQ(icon.BodySize(), (Size{32, 64}));
        EXPECT_TRUE(icon.TriggerInput().IsActive());
        EXPECT_FALSE(icon.EnableInput().IsActive());
        EXPECT_EQ(icon.InputCount() + icon.OutputCount(), 0);
        const auto saved = Saved(icon);
        EXPECT_EQ(saved, RecordBytes().Header(72, icon.UniqueId(), c.type, kX, kY, 0, 0, c.name).Bytes());
        const auto loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->Caption(), c.name);
        EXPECT_TRUE(loaded->IsHardwareLayout());
        EXPECT_EQ(Saved(*loaded), saved);
    }
}

TEST_F(CloudIcons, MemoryRecordKeepsItsTagIdsInSelectedOrder)
{
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    const std::vector<std::uint32_t> ids{0x0203, 7, 0x0105};
    ASSERT_TRUE(memory.Lists().SetStoredIds(ids));
    const auto saved = Saved(memory);
    ASSERT_EQ(saved.size(), 84u);
    EXPECT_EQ(saved, RecordBytes().Header(84, memory.UniqueId(), 81, kX, kY, 0, 0, "Memory").U32(0x0203).U32(7).U32(0x0105).Bytes());

    const auto loaded = Load(saved);
    ASSERT_NE(loaded, nullptr);
    const auto& back = dynamic_cast<const CBigRamIcon&>(*loaded);
    EXPECT_EQ(back.TagIds(), ids);
    ASSERT_EQ(back.Lists().Selected().size(), 3u);
    EXPECT_EQ(back.Lists().Selected()[2].tagId, 0x0105);
    EXPECT_EQ(back.Lists().Selected()[2].name, "");
    EXPECT_EQ(Saved(*loaded), saved);
}

TEST_F(CloudIcons, MqttRecordCountsItsTagsInByte96)
{
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    EXPECT_TRUE(mqtt.TriggerInput().IsActive());
    EXPECT_TRUE(mqtt.EnableInput().IsActive());
    ASSERT_EQ(mqtt.OutputCount(), 1);
    EXPECT_EQ(mqtt.Output(0).GetDataType(), data_type::kLogic);
    EXPECT_EQ(Saved(mqtt), MqttRecord(mqtt, "SessionSeriesId", {}).Bytes());

    const std::vector<std::uint32_t> ids{9, 4};
    ASSERT_TRUE(mqtt.Lists().SetStoredIds(ids));
    mqtt.SetFlagWord(CBigMqttIcon::kRemainConnected);
    mqtt.SetSeriesName("Line 4");
    auto saved = Saved(mqtt);
    ASSERT_EQ(saved.size(), 118u);
    EXPECT_EQ(saved[96], 2);
    auto expected = MqttRecord(mqtt, "Line 4", ids).Bytes();
    expected[73] = 0x80;
    EXPECT_EQ(saved, expected);

    const auto loaded = Load(saved);
    ASSERT_NE(loaded, nullptr);
    const auto& back = dynamic_cast<const CBigMqttIcon&>(*loaded);
    EXPECT_EQ(back.TagIds(), ids);
    EXPECT_EQ(back.SeriesName(), "Line 4");
    EXPECT_EQ(back.PlacedSeriesName(), "Line 4");
    EXPECT_EQ(back.FlagWord(), CBigMqttIcon::kRemainConnected);
    EXPECT_EQ(back.PlacedMarker(), 13);
    EXPECT_EQ(Saved(*loaded), saved);
}

TEST_F(CloudIcons, MqttTagCountComesFromByte96NotFromTheLength)
{
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    const std::vector<std::uint32_t> ids{9, 4};
    ASSERT_TRUE(mqtt.Lists().SetStoredIds(ids));
    auto record = Saved(mqtt);
    record[96] = 1;
    const auto loaded = Load(record);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(dynamic_cast<const CBigMqttIcon&>(*loaded).TagIds(), std::vector<std::uint32_t>{9});
}

TEST_F(CloudIcons, MqttSelectionHoldsAtMost255Tags)
{
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    EXPECT_EQ(mqtt.Lists().Capacity(), 255u);
    EXPECT_FALSE(mqtt.Lists().SetStoredIds(std::vector<std::uint32_t>(256, 1)));
    ASSERT_TRUE(mqtt.Lists().SetStoredIds(std::vector<std::uint32_t>(255, 1)));
    const auto saved = Saved(mqtt);
    EXPECT_EQ(saved[96], 255);
    EXPECT_EQ(saved.size(), 110u + 4 * 255);
}

TEST_F(CloudIcons, RefusesAMemoryOrProbeRecordOfMoreThan256Ids)
{
    for (const std::uint16_t type : {std::uint16_t{81}, std::uint16_t{82}}) {
        SCOPED_TRACE(type);
        for (const std::size_t count : {std::size_t{256}, std::size_t{257}}) {
            RecordBytes bytes;
            bytes.Header(static_cast<std::uint16_t>(72 + 4 * count), 5, type, kX, kY, 0, 0, "Memory");
            for (std::size_t i = 0; i < count; ++i)
                bytes.U32(static_cast<std::uint32_t>(i + 1));
            std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(type, 0);
            const auto error = doc.LoadIconFromRecord(icon, bytes.Bytes(), type, 0, false);
            if (count == 256) {
                EXPECT_FALSE(error.has_value());
                continue;
            }
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->kind, RecordErrorKind::BadCount);
            EXPECT_EQ(error->offset, 72u);
            EXPECT_EQ(error->field, "tag ids");
        }
    }
}

TEST_F(CloudIcons, NetFileWithAnOverlongTagListIsRefusedAsNotValid)
{
    const auto program = Saved(PlaceProgram(doc));
    RecordBytes memory;
    memory.Header(static_cast<std::uint16_t>(72 + 4 * 257), 9, 81, kX, kY, 0, 0, "Memory");
    memory.Zeros(4 * 257);
    const std::vector<std::vector<std::uint8_t>> records{program, memory.Bytes()};
    const auto image = BuildNetImage(records);
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(image));
    const int before = doc.GetObjectCount();
    const auto refusal = doc.LoadNetImage(std::get<std::vector<std::uint8_t>>(image), false);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->text.rfind("Not a valid net file\n", 0), 0u) << refusal->text;
    EXPECT_FALSE(refusal->notice);
    EXPECT_EQ(doc.GetObjectCount(), before);
}

TEST_F(CloudIcons, RejectsTruncatedRecordsAtEveryLength)
{
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    ASSERT_TRUE(memory.Lists().SetStoredIds(std::vector<std::uint32_t>{3, 4}));
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    ASSERT_TRUE(mqtt.Lists().SetStoredIds(std::vector<std::uint32_t>{3, 4}));
    for (CBigDataIcon* icon : {static_cast<CBigDataIcon*>(&memory), static_cast<CBigDataIcon*>(&mqtt)}) {
        const auto saved = Saved(*icon);
        for (std::size_t cut = 0; cut < saved.size(); ++cut) {
            const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
            std::unique_ptr<CCorvaneIcon> fresh = doc.CreateIcon(icon->TypeCode(), 0);
            ASSERT_NE(fresh, nullptr);
            EXPECT_TRUE(doc.LoadIconFromRecord(fresh, part, icon->TypeCode(), 0, false).has_value())
                << icon->Caption() << " cut at " << cut;
        }
    }
}

TEST_F(CloudIcons, MqttCountByteBeyondTheRecordIsRefused)
{
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    ASSERT_TRUE(mqtt.Lists().SetStoredIds(std::vector<std::uint32_t>{3, 4}));
    auto record = Saved(mqtt);
    record[96] = 3;
    std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(70, 0);
    const auto error = doc.LoadIconFromRecord(icon, record, 70, 0, false);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, RecordErrorKind::Truncated);
}

TEST_F(CloudIcons, PlacedMqttIconTakesItsSeriesNameFromTheSettings)
{
    const std::string_view key = CBigMqttIcon::kSettingsKey;
    const std::string_view value = CBigMqttIcon::kSeriesValue;
    struct Case {
        std::optional<std::string> stored;
        std::string series;
    };
    const Case cases[] = {
        {std::nullopt, "SessionSeriesId"},
        {"Plant 7", "Plant 7"},
        {"A name of thirty characters...", "A name of thirty char"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.series);
        SettingsStore store;
        if (c.stored) {
            ASSERT_FALSE(store.CreateKey(key));
            ASSERT_FALSE(store.SetValue(key, value, SettingsValue::String(*c.stored)));
        }
        CBigMqttIcon& mqtt = Place<CBigMqttIcon>(doc, kDrop, &store);
        EXPECT_EQ(mqtt.SeriesName(), c.series);
        EXPECT_EQ(mqtt.PlacedSeriesName(), c.series);
        EXPECT_EQ(Saved(mqtt).at(74 + c.series.size()), 0);
        const auto kept = store.GetValue(key, value);
        ASSERT_TRUE(kept.has_value());
        EXPECT_EQ(*kept->AsString(), c.stored.value_or("SessionSeriesId")) << "the stored value is never cut";
    }
}

TEST_F(CloudIcons, SessionSeriesIsSavedOnlyWhenItChanged)
{
    CBigMqttIcon& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    ASSERT_TRUE(settings.DeleteValue(CBigMqttIcon::kSettingsKey, CBigMqttIcon::kSeriesValue).kind
        == SettingsErrorKind::None);
    mqtt.SaveSessionSeries();
    EXPECT_FALSE(settings.GetValue(CBigMqttIcon::kSettingsKey, CBigMqttIcon::kSeriesValue).has_value());
    mqtt.SetSeriesName("North");
    mqtt.SaveSessionSeries();
    EXPECT_EQ(*settings.GetValue(CBigMqttIcon::kSettingsKey, CBigMqttIcon::kSeriesValue)->AsString(), "North");
}

TEST_F(CloudIcons, LoadedMqttIconsSaveTheirSeriesThroughTheRegisteredStore)
{
    RegisterMqttIcon(factory, settings);
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, nullptr);
    EXPECT_EQ(mqtt.SeriesName(), "SessionSeriesId");
    EXPECT_FALSE(settings.GetValue(CBigMqttIcon::kSettingsKey, CBigMqttIcon::kSeriesValue).has_value());
    const auto loaded = Load(Saved(mqtt));
    ASSERT_NE(loaded, nullptr);
    auto& back = dynamic_cast<CBigMqttIcon&>(*loaded);
    back.SetSeriesName("South");
    back.SaveSessionSeries();
    EXPECT_EQ(*settings.GetValue(CBigMqttIcon::kSettingsKey, CBigMqttIcon::kSeriesValue)->AsString(), "South");
}

TEST_F(CloudIcons, ConnectionChecks)
{
    namespace mc = missing_connection;
    bool isolated = false;
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    EXPECT_EQ(memory.CheckIconConnections(isolated), 0) << "nothing required, isolation allowed";
    auto& probe = Place<CBigProbeIcon>(doc, kDrop);
    EXPECT_EQ(probe.CheckIconConnections(isolated), 0);
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    EXPECT_EQ(mqtt.CheckIconConnections(isolated), mc::kTriggerInput);
    EXPECT_FALSE(isolated) << "never isolated";
    Link(Place<test::ClockIcon>(doc), 0, mqtt, kTriggerSlot);
    EXPECT_EQ(mqtt.CheckIconConnections(isolated), 0);
}

TEST_F(CloudIcons, UpdateTagListsTakesMarkedTagsOnceAndInNetOrder)
{
    auto& first = PlaceTag("First", 0xFFFF);
    auto& unmarked = PlaceTag("Unmarked", 0xFFFE);
    auto& third = PlaceTag("Third", 0x0001);
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    ASSERT_TRUE(memory.Lists().SetStoredIds(Ids({&third})));
    memory.UpdateTagLists(1);
    EXPECT_EQ(memory.TagIds(), Ids({&third, &first}));
    ASSERT_EQ(memory.Lists().Selected().size(), 2u);
    EXPECT_EQ(memory.Lists().Selected()[0].name, "Third");
    EXPECT_EQ(unmarked.AssignmentBits(), 0xFFFE) << "the net check clears the bits, not the icon";
}

TEST_F(CloudIcons, DeletingADataTagDropsItsIdFromEveryCloudIcon)
{
    auto& a = PlaceTag("A", 0xFFFF);
    auto& b = PlaceTag("B", 0xFFFF);
    auto& c = PlaceTag("C", 0xFFFF);
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    auto& mqtt = Place<CBigMqttIcon>(doc, kDrop, &settings);
    memory.UpdateTagLists(1);
    mqtt.UpdateTagLists(4);
    ASSERT_EQ(memory.TagIds(), Ids({&a, &b, &c}));
    const std::uint32_t gone = b.UniqueId();
    b.Remove();
    (void)doc.RemoveObject(b);
    EXPECT_EQ(memory.TagIds(), Ids({&a, &c}));
    EXPECT_EQ(mqtt.TagIds(), Ids({&a, &c}));
    const auto saved = Saved(mqtt);
    EXPECT_EQ(saved[96], 2);
    EXPECT_NE(TailId(saved, 110), gone);
    EXPECT_NE(TailId(saved, 114), gone);
}

TEST_F(CloudIcons, ANetWithDataTagsAndAMemoryIconCompilesWithTheTagBits)
{
    PlaceProgram(doc);
    auto& clock = Place<test::ClockIcon>(doc);
    (void)clock;
    auto& both = PlaceTag("Both", 0xFFFF);
    auto& probeOnly = PlaceTag("ProbeOnly", 0x0002);
    auto& neither = PlaceTag("Neither", 0x0000);
    auto& memory = Place<CBigRamIcon>(doc, kDrop);
    auto& probe = Place<CBigProbeIcon>(doc, kDrop);

    const auto out = Folder() / "net.quv";
    std::vector<std::string> messages;
    ASSERT_TRUE(doc.CompileNet(messages, out, CompileMode::ConvertAnyway));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(memory.TagIds(), Ids({&both}));
    EXPECT_EQ(probe.TagIds(), Ids({&both, &probeOnly}));
    EXPECT_EQ(both.AssignmentBits(), 0xFFFC);
    EXPECT_EQ(probeOnly.AssignmentBits(), 0x0000);
    EXPECT_EQ(neither.AssignmentBits(), 0x0000);
    ASSERT_GE(doc.OrderedList().size(), 2u);
    const auto& ordered = doc.OrderedList();
    EXPECT_TRUE(ordered[ordered.size() - 1] == &probe || ordered[ordered.size() - 1] == &memory)
        << "the cloud icons are numbered last";

    const auto image = ReadWholeFile(out, 1 << 20);
    const auto parsed = ParseNetImage(image.bytes);
    ASSERT_TRUE(std::holds_alternative<NetImageRecords>(parsed));
    bool found = false;
    for (const auto record : std::get<NetImageRecords>(parsed).records) {
        if (RecordTypeCode(record) != 81)
            continue;
        found = true;
        const std::vector<std::uint8_t> bytes(record.begin(), record.end());
        ASSERT_EQ(bytes.size(), 76u);
        EXPECT_EQ(TailId(bytes, 72), both.UniqueId());
    }
    EXPECT_TRUE(found);
}

TEST_F(CloudIcons, ANetHoldsAtMostOneOfEachCloudIcon)
{
    EXPECT_FALSE(CloudIconPlacementRefusal(doc, 81));
    Place<CBigRamIcon>(doc, kDrop);
    Place<CBigMqttIcon>(doc, kDrop, &settings);
    EXPECT_EQ(CloudIconPlacementRefusal(doc, 81), "A program net may contain only one\nLog memory icon.");
    EXPECT_FALSE(CloudIconPlacementRefusal(doc, 82));
    EXPECT_EQ(CloudIconPlacementRefusal(doc, 70), "A program net may contain only one\nMQTT icon.");
    Place<CBigProbeIcon>(doc, kDrop);
    EXPECT_EQ(CloudIconPlacementRefusal(doc, 82), "A program net may contain only one\nProbe icon.");
    EXPECT_FALSE(CloudIconPlacementRefusal(doc, 80));
}

}  // namespace
}  // namespace c_big_data_icon_test
}  // namespace corvane
