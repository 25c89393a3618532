#include "icons/reporting/ModbusSettingsEntries.h"

#include "icons/reporting/ModbusConfigItem.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace corvane {
namespace modbus_settings_entries_test {
namespace {

// The page's settings as a fresh logger's item shows them.
ModbusSettingsEntries Valid()
{
    ModbusSettingsEntries entries;
    entries.timeoutText = "10";
    entries.delayText = "4";
    entries.portText = "502";
    entries.nodeAddressText = "1";
    return entries;
}

// Item 7 with HTTP port 8080 and the logger's own TCP port 4661.
constexpr std::array<std::uint8_t, 4> kPortItem{0x90, 0x1F, 0x35, 0x12};

TEST(ModbusConfigItemTest, ReadsAndWritesEveryFieldAtItsOffset)
{
    std::vector<std::uint8_t> bytes(ModbusConfigItem::kSize);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i + 1);
    const ModbusConfigItem item = ModbusConfigItem::Read(bytes);
    EXPECT_EQ(item.serialWord, 0x0201);
    EXPECT_EQ(item.tcpPort, 0x0403);
    EXPECT_EQ(item.allowed[0], 0x08070605u);
    EXPECT_EQ(item.allowed[15], 0x44434241u);
    EXPECT_EQ(item.priority[0], 0x48474645u);
    EXPECT_EQ(item.priority[7], 0x64636261u);
    EXPECT_EQ(item.modeWord, 0x6665);
    std::vector<std::uint8_t> written(ModbusConfigItem::kSize + 2, 0xEE);
    item.Write(written);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), written.begin()));
    EXPECT_EQ(written[ModbusConfigItem::kSize], 0xEE) << "nothing is written past the item";

    // A short span reads as zeros beyond its end and takes only what fits.
    const ModbusConfigItem shortItem = ModbusConfigItem::Read(std::span(bytes).first(3));
    EXPECT_EQ(shortItem.serialWord, 0x0201);
    EXPECT_EQ(shortItem.tcpPort, 0x0003);
    EXPECT_EQ(shortItem.modeWord, 0);
    std::array<std::uint8_t, 2> two{};
    item.Write(two);
    EXPECT_EQ(two, (std::array<std::uint8_t, 2>{1, 2}));
}

TEST(ModbusSettingsEntriesTest, StoresSerialWordPortAndModeWord)
{
    struct Case {
        const char* name;
        void (*change)(ModbusSettingsEntries&);
        std::uint16_t serialWord;
        std::uint16_t port;
        std::uint16_t modeWord;
    };
    const Case cases[] = {
        {"fresh logger's values", [](ModbusSettingsEntries&) {}, 0x8001, 502, 0x030A},
        {"subnet masks clear bit 15", [](ModbusSettingsEntries& e) { e.useSubnetMasks = true; }, 0x0001, 502, 0x030A},
        {"node, bit rate, parity, order, filter",
            [](ModbusSettingsEntries& e) {
                e.nodeAddressText = "247";
                e.bitRate = 3;
                e.parity = 2;
                e.highWordFirst = true;
                e.filterClients = true;
            },
            0xDBF7, 502, 0x030A},
        {"delay 8 is stored as 7, time-out 100",
            [](ModbusSettingsEntries& e) {
                e.delayText = "8";
                e.timeoutText = "100";
            },
            0x8001, 502, 0x0764},
        {"delay 1 and time-out 0",
            [](ModbusSettingsEntries& e) {
                e.delayText = "1";
                e.timeoutText = "0";
            },
            0x8001, 502, 0x0000},
        {"every role and retry",
            [](ModbusSettingsEntries& e) {
                e.roles = {true, false, true, true};
                e.retry = true;
            },
            0x8001, 502, 0xBB0A},
        {"RTU slave alone", [](ModbusSettingsEntries& e) { e.roles.rtuSlave = true; }, 0x8001, 502, 0x430A},
        {"TCP server wins over RTU slave",
            [](ModbusSettingsEntries& e) {
                e.roles.rtuSlave = true;
                e.roles.tcpServer = true;
            },
            0x8001, 502, 0x130A},
        {"port 1502 with blanks", [](ModbusSettingsEntries& e) { e.portText = " 1502 "; }, 0x8001, 1502, 0x030A},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModbusSettingsEntries entries = Valid();
        c.change(entries);
        ASSERT_FALSE(CheckModbusSettings(entries, kPortItem));
        ModbusConfigItem item;
        item.allowed[3] = 0x01020304;
        StoreModbusSettings(entries, item);
        EXPECT_EQ(item.serialWord, c.serialWord);
        EXPECT_EQ(item.tcpPort, c.port);
        EXPECT_EQ(item.modeWord, c.modeWord);
        EXPECT_EQ(item.allowed[3], 0x01020304u) << "the tables are not the entries' business";
    }
}

TEST(ModbusSettingsEntriesTest, RefusesEachValueWithItsBoxInOrder)
{
    constexpr const char* kTimeout = "Invalid Response timeout";
    constexpr const char* kDelay = "Invalid Inter-message delay";
    constexpr const char* kPort = "Invalid Modbus port selection";
    constexpr const char* kUnit = "Invalid Modbus unit number";
    struct Case {
        const char* timeout;
        const char* delay;
        const char* port;
        const char* node;
        const char* caption;  // null: accepted
    };
    const Case cases[] = {
        {"100", "8", "502", "247", nullptr},
        {"101", "4", "502", "1", kTimeout},
        {"", "4", "502", "1", kTimeout},
        {"1a", "4", "502", "1", kTimeout},
        {"10", "0", "502", "1", kDelay},
        {"10", "9", "502", "1", kDelay},
        {"10", "1", "502", "1", nullptr},
        {"10", "4", "0", "1", kPort},
        {"10", "4", "80", "1", kPort},
        {"10", "4", "4660", "1", kPort},
        {"10", "4", "8080", "1", kPort},  // the logger's HTTP port
        {"10", "4", "4661", "1", kPort},  // the logger's own TCP port
        {"10", "4", "", "1", kPort},
        {"10", "4", "9999", "1", nullptr},
        {"10", "4", "502", "0", kUnit},
        {"10", "4", "502", "248", kUnit},
        {"101", "9", "80", "0", kTimeout},  // the first refusal wins
        {"10", "9", "80", "0", kDelay},
        {"10", "4", "80", "0", kPort},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.timeout) + "/" + c.delay + "/" + c.port + "/" + c.node);
        ModbusSettingsEntries entries = Valid();
        entries.timeoutText = c.timeout;
        entries.delayText = c.delay;
        entries.portText = c.port;
        entries.nodeAddressText = c.node;
        const auto refusal = CheckModbusSettings(entries, kPortItem);
        if (c.caption == nullptr) {
            EXPECT_FALSE(refusal);
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->caption, c.caption);
    }
    ModbusSettingsEntries port = Valid();
    port.portText = "8080";
    EXPECT_FALSE(CheckModbusSettings(port, {})) << "without the port item only the fixed ports clash";
    port.portText = "80";
    const auto refusal = CheckModbusSettings(port, {});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Selected Modbus TCP port conflicts with HTTP or Quv TCP port");
}

TEST(ModbusSettingsEntriesTest, ClickedRoleWinsOverTheRoleItExcludes)
{
    using Box = ModbusRoles::Box;
    struct Case {
        ModbusRoles before;  // with the clicked box already toggled
        Box clicked;
        ModbusRoles after;
    };
    const Case cases[] = {
        {{true, true, false, false}, Box::RtuMaster, {true, false, false, false}},
        {{true, true, false, false}, Box::RtuSlave, {false, true, false, false}},
        {{false, true, false, true}, Box::TcpServer, {false, false, false, true}},
        {{false, true, false, true}, Box::RtuSlave, {false, true, false, false}},
        {{true, false, true, true}, Box::TcpClient, {true, false, true, true}},
        {{true, false, false, true}, Box::RtuMaster, {true, false, false, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ModbusRoles::AfterClick(c.before, c.clicked), c.after);
}

TEST(ModbusSettingsEntriesTest, EntriesShowTheItemAndAStoredPortOfZeroAs502)
{
    ModbusConfigItem item;
    item.serialWord = 0x5FD2;  // node 210, 38400 bps (3), odd parity (3), order, filter, pairs
    item.tcpPort = 0;
    item.modeWord = 0xA964;  // master, client, retry, delay 2, time-out 100
    const ModbusSettingsEntries entries = ModbusSettingsEntries::FromItem(item);
    EXPECT_EQ(entries.roles, (ModbusRoles{true, false, true, false}));
    EXPECT_EQ(entries.nodeAddressText, "210");
    EXPECT_EQ(entries.bitRate, 3);
    EXPECT_EQ(entries.parity, 3);
    EXPECT_TRUE(entries.highWordFirst);
    EXPECT_TRUE(entries.filterClients);
    EXPECT_TRUE(entries.useSubnetMasks);
    EXPECT_TRUE(entries.retry);
    EXPECT_EQ(entries.delayText, "2");
    EXPECT_EQ(entries.timeoutText, "100");
    EXPECT_EQ(entries.portText, "502");
}

}  // namespace
}  // namespace modbus_settings_entries_test
}  // namespace corvane
