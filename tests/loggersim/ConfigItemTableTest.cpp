#include "loggersim/ConfigItemTable.h"

#include "base/ByteReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace corvane {
namespace config_item_table_test {
namespace {

TEST(ConfigItemTableTest, EveryItemHasItsLength)
{
    const struct {
        std::uint8_t key;
        std::uint16_t length;
    } cases[] = {{1, 6}, {7, 4}, {16, 22}, {17, 22}, {22, 128}, {41, 4}, {42, 102}, {64, 72}, {65, 72}, {66, 4},
        {67, 4}, {68, 4}, {71, 8}, {72, 134}, {73, 4}, {74, 2}, {76, 14}, {78, 64}, {79, 64}, {80, 64}, {81, 128}, {82, 4},
        {83, 4}, {84, 64}, {85, 64}, {86, 128}, {87, 4}, {88, 4}, {89, 4}, {90, 1}, {91, 1}, {92, 16}, {93, 1}, {94, 1},
        {95, 1}};
    EXPECT_EQ(ConfigItemTable().size(), std::size(cases));
    for (const auto& c : cases)
        EXPECT_EQ(ConfigItemLength(c.key), c.length) << int(c.key);
    for (const std::uint8_t missing : std::array<std::uint8_t, 5>{0, 2, 75, 96, 255})
        EXPECT_FALSE(ConfigItemLength(missing).has_value()) << int(missing);
}

TEST(ConfigItemTableTest, DefaultsAreZeroButForTheItemsWithTheirOwn)
{
    const auto modbus = ConfigItemDefault(42);
    ByteReader reader(modbus);
    EXPECT_EQ(reader.U16LE(), 1);
    EXPECT_EQ(reader.U16LE(), 502);
    reader.Seek(100);
    EXPECT_EQ(reader.U16LE(), 10);

    const std::vector<std::uint8_t> retries = {5, 0, 0x2C, 0x01};
    EXPECT_EQ(ConfigItemDefault(67), retries);
    EXPECT_EQ(ConfigItemDefault(68), retries);
    const std::vector<std::uint8_t> sequence = {'D', 'S', 'B', 'D', 'S', 'U', 0, 0};
    EXPECT_EQ(ConfigItemDefault(71), sequence);
    const std::vector<std::uint8_t> intervals = {2, 4, 8, 16};
    EXPECT_EQ(ConfigItemDefault(89), intervals);
    const auto server = ConfigItemDefault(78);
    ASSERT_EQ(server.size(), 64u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(server.data())), "pool.ntp.org");

    for (const std::uint8_t key : std::array<std::uint8_t, 7>{22, 41, 64, 72, 81, 92, 95}) {
        const auto value = ConfigItemDefault(key);
        EXPECT_EQ(value.size(), ConfigItemLength(key)) << int(key);
        EXPECT_TRUE(std::all_of(value.begin(), value.end(), [](std::uint8_t b) { return b == 0; })) << int(key);
    }
    EXPECT_TRUE(ConfigItemDefault(200).empty());
}

}  // namespace
}  // namespace config_item_table_test
}  // namespace corvane
