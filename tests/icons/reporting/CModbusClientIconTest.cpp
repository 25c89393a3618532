#include "icons/reporting/CModbusClientIcon.h"

#include "ReportingIconTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/reporting/CDataTagIcon.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_modbus_client_icon_test {
namespace {

using test::Place;
using test::RecordBytes;

constexpr Rect kDrop{100, 100, 132, 132};

class ModbusClientRecords : public test::ReportingNetTest {
protected:
    CConstIcon& Remote(std::string_view name, std::uint16_t mode)
    {
        auto& constant = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteConstant);
        constant.SetName(name);
        constant.SetModeWord(mode);
        return constant;
    }
    CDataTagIcon& Tag(std::string_view name)
    {
        auto& tag = Place<CDataTagIcon>(doc, kDrop);
        tag.SetName(name);
        return tag;
    }
    static CModbusItem Row(const CCorvaneIcon& icon, std::string text, int kind)
    {
        return {icon.UniqueId(), icon.Name(), std::move(text), 0, kind};
    }
};

TEST_F(ModbusClientRecords, PlacedIconIsAnEmptyMapWithoutConnectors)
{
    auto& client = Place<CModbusClientIcon>(doc, kDrop);
    EXPECT_EQ(client.Name(), "Modbus Reg List");
    EXPECT_EQ(client.BitmapId(), res::kBitmapModbusMap);
    EXPECT_EQ(client.TotalInputs(), 0);
    EXPECT_EQ(client.OutputCount(), 0);
    RecordBytes expected;
    expected.Header(76, client.UniqueId(), 5, static_cast<std::uint16_t>(client.Header().x),
        static_cast<std::uint16_t>(client.Header().y), 0, 0, "Modbus Reg List");
    expected.U8(0).U8(0).U8(0).U8(0);
    EXPECT_EQ(Saved(client), expected.Bytes());
    bool isolated = true;
    EXPECT_EQ(client.CheckIconConnections(isolated), 0);
    EXPECT_FALSE(isolated) << "the map never takes part in connection warnings";
}

TEST_F(ModbusClientRecords, PairsAreGroupedDataTagsThenSwitchesThenVariables)
{
    auto& flow = Tag("Flow");
    auto& setpoint = Remote("Setpoint", CConstIcon::kRemoteBit);
    auto& pump = Remote("Pump", CConstIcon::kRemoteBit | CConstIcon::kSwitchBit);
    auto& level = Tag("Level");
    auto& client = Place<CModbusClientIcon>(doc, kDrop);
    const std::vector<CModbusItem> rows{Row(flow, "40001", CModbusItem::kDataTag),
        Row(setpoint, "40011", CModbusItem::kRemoteVariable), Row(pump, "40021", CModbusItem::kRemoteSwitch),
        Row(level, " 40003 ", CModbusItem::kDataTag)};
    client.RebuildPairs(rows);

    const std::vector<CModbusClientPair> expected{
        {40001, flow.UniqueId()}, {40003, level.UniqueId()}, {40021, pump.UniqueId()}, {40011, setpoint.UniqueId()}};
    EXPECT_EQ(client.Pairs(), expected);
    const auto saved = Saved(client);
    ASSERT_EQ(saved.size(), 76u + 16u);
    EXPECT_EQ(
        std::vector<std::uint8_t>(saved.begin() + 72, saved.begin() + 76), (std::vector<std::uint8_t>{2, 1, 1, 0}));
    RecordBytes tail;
    for (const CModbusClientPair& pair : expected)
        tail.U16(pair.registerNumber).U16(pair.sourceId);
    EXPECT_EQ(std::vector<std::uint8_t>(saved.begin() + 76, saved.end()), tail.Bytes());
    EXPECT_EQ(client.RegisterCount(), 4);
    EXPECT_EQ(client.RegisterOf(pump.UniqueId()), 40021);
    EXPECT_EQ(client.RegisterOf(0x7777), 0);

    const auto loaded = Load(saved);
    auto* copy = dynamic_cast<CModbusClientIcon*>(loaded.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Pairs(), expected);
    EXPECT_EQ(Saved(*copy), saved);
}

TEST_F(ModbusClientRecords, RowsListTheNetsTagsAndRemoteControlsWithTheirRegisters)
{
    auto& flow = Tag("Flow");
    Remote("Plain", 0);
    auto& pump = Remote("Pump", CConstIcon::kRemoteBit | CConstIcon::kSwitchBit);
    auto& setpoint = Remote("Setpoint", CConstIcon::kRemoteBit);
    auto& client = Place<CModbusClientIcon>(doc, kDrop);
    client.RebuildPairs(std::vector<CModbusItem>{Row(pump, "40101", CModbusItem::kRemoteSwitch)});

    const std::vector<CModbusItem> rows = client.CollectItems();
    ASSERT_EQ(rows.size(), 3u) << "a constant that is not remote is no row";
    const std::vector<std::tuple<std::uint16_t, std::string, std::string, int>> expected{
        {flow.UniqueId(), "Flow", "0", CModbusItem::kDataTag},
        {pump.UniqueId(), "Pump", "40101", CModbusItem::kRemoteSwitch},
        {setpoint.UniqueId(), "Setpoint", "0", CModbusItem::kRemoteVariable}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::tie(rows[i].sourceId, rows[i].name, rows[i].registerText, rows[i].kind), expected[i]);
    }

    // A deleted tag is no row the next time, and its pair goes at the next OK.
    client.RebuildPairs(std::vector<CModbusItem>{Row(flow, "40001", CModbusItem::kDataTag)});
    flow.Remove();
    auto gone = doc.RemoveObject(flow);
    const std::vector<CModbusItem> after = client.CollectItems();
    EXPECT_EQ(after.size(), 2u);
    client.RebuildPairs(after);
    EXPECT_TRUE(client.Pairs().empty());
}

TEST_F(ModbusClientRecords, RefusesARecordShorterThanItsCounts)
{
    auto& tag = Tag("Flow");
    auto& client = Place<CModbusClientIcon>(doc, kDrop);
    client.RebuildPairs(std::vector<CModbusItem>{Row(tag, "40001", CModbusItem::kDataTag)});
    auto saved = Saved(client);
    for (const std::size_t countAt : {72u, 73u, 74u}) {
        SCOPED_TRACE(countAt);
        auto damaged = saved;
        damaged[countAt] = static_cast<std::uint8_t>(damaged[countAt] + 1);
        EXPECT_EQ(Load(damaged), nullptr);
    }
    // Past the type word, every shorter record is refused.
    for (std::size_t cut = 6; cut < saved.size(); ++cut)
        EXPECT_EQ(
            Load(std::vector<std::uint8_t>(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(cut))), nullptr)
            << cut;
}

TEST_F(ModbusClientRecords, NetFileKeepsTheMap)
{
    PlaceProgram(doc);
    auto& flow = Tag("Flow");
    auto& client = Place<CModbusClientIcon>(doc, kDrop);
    client.RebuildPairs(std::vector<CModbusItem>{Row(flow, "40201", CModbusItem::kDataTag)});
    const auto image = doc.BuildSaveImage();
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&image);
    ASSERT_NE(bytes, nullptr);
    test::FakeNetServices otherServices;
    CNetDoc other(otherServices, factory);
    ASSERT_FALSE(other.LoadNetImage(*bytes, false).has_value());
    auto* loaded = dynamic_cast<CModbusClientIcon*>(other.FindIconById(client.UniqueId()));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Pairs(), client.Pairs());
    EXPECT_EQ(Saved(*loaded), Saved(client));
}

}  // namespace
}  // namespace c_modbus_client_icon_test
}  // namespace corvane
