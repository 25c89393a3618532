#include "icons/reporting/ModbusAddressTables.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace modbus_address_tables_test {
namespace {

struct Entry {
    std::uint32_t address;
    std::uint32_t mask;
    friend bool operator==(const Entry&, const Entry&) = default;
};

std::vector<CModbusAddress> Make(const std::vector<Entry>& entries)
{
    std::vector<CModbusAddress> made;
    for (const Entry& e : entries)
        made.push_back({e.address, e.mask, 0});
    return made;
}

std::vector<Entry> Of(const std::vector<CModbusAddress>& entries)
{
    std::vector<Entry> made;
    for (const CModbusAddress& e : entries)
        made.push_back({e.address, e.subnetMask});
    return made;
}

TEST(ModbusAddressTablesTest, TidyClearsRepeatsAndMovesEmptyEntriesBehind)
{
    struct Case {
        const char* name;
        bool pairs;
        std::vector<Entry> before;
        std::vector<Entry> after;
    };
    const Case cases[] = {
        {"a repeated single address keeps only the first", false, {{5, 0}, {7, 0}, {5, 0}, {9, 0}},
            {{5, 0}, {7, 0}, {9, 0}, {0, 0}}},
        {"empty entries move behind, the others keep their order", false, {{0, 0}, {3, 0}, {0, 0}, {1, 0}},
            {{3, 0}, {1, 0}, {0, 0}, {0, 0}}},
        {"pairs repeat only with address and mask together", true, {{5, 1}, {5, 2}, {5, 1}, {6, 1}},
            {{5, 1}, {5, 2}, {6, 1}, {0, 1}}},
        {"single addresses ignore the mask", false, {{5, 1}, {5, 2}}, {{5, 1}, {0, 2}}},
        {"nothing to do", true, {{1, 1}, {2, 2}}, {{1, 1}, {2, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CModbusAddress> entries = Make(c.before);
        ModbusAddressTables::Tidy(entries, c.pairs);
        EXPECT_EQ(Of(entries), c.after);
    }
}

TEST(ModbusAddressTablesTest, StoresSingleAddressesOrPairsByTheSerialWord)
{
    ModbusAddressTables tables;
    EXPECT_EQ(tables.allowed[0].subnetMask, ModbusAddressTables::kNewMask);
    tables.allowed[0] = {0x0100000A, 0x00FFFFFF, 0};
    tables.allowed[1] = {0x0100000A, 0x0000FFFF, 0};
    tables.allowed[2] = {0x0100000A, 0x00FFFFFF, 0};  // repeats entry 0
    tables.allowed[9] = {0x0900000A, 0x00FFFFFF, 0};  // beyond the 8 pairs
    tables.priority[1] = {0x0200000A, 0, 0};
    tables.priority[3] = {0x0200000A, 0, 0};

    ModbusConfigItem pairs;
    tables.Store(pairs);
    EXPECT_EQ(pairs.allowed[0], 0x0100000Au);
    EXPECT_EQ(pairs.allowed[1], 0x00FFFFFFu);
    EXPECT_EQ(pairs.allowed[2], 0x0100000Au);
    EXPECT_EQ(pairs.allowed[3], 0x0000FFFFu);
    EXPECT_EQ(pairs.allowed[4], 0u);
    EXPECT_EQ(pairs.allowed[5], 0x00FFFFFFu);
    EXPECT_EQ(pairs.priority[0], 0x0200000Au);
    EXPECT_EQ(pairs.priority[1], 0u);

    ModbusAddressTables singles;
    singles.allowed[0] = {0x0100000A, 0, 0};
    singles.allowed[15] = {0x0F00000A, 0, 0};
    ModbusConfigItem single;
    single.serialWord = ModbusConfigItem::kSingleAddresses;
    singles.Store(single);
    EXPECT_EQ(single.allowed[0], 0x0100000Au);
    EXPECT_EQ(single.allowed[1], 0x0F00000Au);
    EXPECT_EQ(single.allowed[15], 0u);

    // Loading gives the tables back; pairs leave entries 8..15 alone.
    ModbusAddressTables loaded;
    loaded.allowed[12].address = 0x77;
    loaded.Load(pairs);
    EXPECT_EQ(loaded.allowed[1].address, 0x0100000Au);
    EXPECT_EQ(loaded.allowed[1].subnetMask, 0x0000FFFFu);
    EXPECT_EQ(loaded.allowed[12].address, 0x77u);
    EXPECT_EQ(loaded.priority[0].address, 0x0200000Au);
    loaded.Load(single);
    EXPECT_EQ(loaded.allowed[1].address, 0x0F00000Au);
    EXPECT_EQ(loaded.allowed[1].subnetMask, 0u);
    EXPECT_EQ(loaded.allowed[12].address, 0u);
}

TEST(ModbusAddressTablesTest, ClearingTheAllowedTableLeavesNoAddressAndFullMasks)
{
    ModbusAddressTables tables;
    tables.allowed[4] = {0x0100000A, 0x00FFFFFF, 0};
    tables.priority[0] = {0x0200000A, 0, 0};
    tables.ClearAllowed();
    for (const CModbusAddress& entry : tables.allowed) {
        EXPECT_EQ(entry.address, 0u);
        EXPECT_EQ(entry.subnetMask, 0xFFFFFFFFu);
    }
    EXPECT_EQ(tables.priority[0].address, 0x0200000Au);
}

}  // namespace
}  // namespace modbus_address_tables_test
}  // namespace corvane
