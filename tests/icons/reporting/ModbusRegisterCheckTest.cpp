#include "icons/reporting/ModbusRegisterCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace modbus_register_check_test {
namespace {

constexpr const char* kNonNumeric = "Address can only contain numeric characters";
constexpr const char* kRange = "Address must be in the 40001-49000 range";
constexpr const char* kDuplicate = "Duplicate Addresses not allowed";
constexpr const char* kAdjacent = "Adjacent Addresses not allowed";

std::vector<CModbusItem> Rows(const std::vector<std::string>& texts, int kind = CModbusItem::kDataTag)
{
    std::vector<CModbusItem> rows;
    for (std::size_t i = 0; i < texts.size(); ++i)
        rows.push_back({static_cast<std::uint16_t>(i + 1), "Icon", texts[i], 0, kind});
    return rows;
}

TEST(ModbusRegisterCheckTest, JudgesRegisterTextsInTheOrderOfTheRules)
{
    struct Case {
        std::vector<std::string> texts;
        const char* message;  // null: accepted
    };
    const std::vector<Case> cases{
        {{"0", "0"}, nullptr},
        {{"", "40001"}, nullptr},
        {{"40001", "40003"}, nullptr},
        {{"  40101  ", "\t49000"}, nullptr},
        {{"40001", "40002"}, kAdjacent},
        {{"40002", "40001"}, kAdjacent},
        {{"40001", "40001"}, kDuplicate},
        {{"40001", "0", "40001", "40002"}, kDuplicate},
        {{"39999"}, kRange},
        {{"49001"}, kRange},
        {{"1"}, kRange},
        {{"4000000000000000000000000000000000000000000000000000000000000000000000000000000000000000001"}, kRange},
        {{"40 101"}, kNonNumeric},
        {{"4010a"}, kNonNumeric},
        {{"-40101"}, kNonNumeric},
        // The numeric rule runs over every row before the range rule.
        {{"39999", "x"}, kNonNumeric},
        {{"40001", "40001", "50000"}, kRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.texts));
        const std::optional<std::string> message = CheckModbusItems(Rows(c.texts));
        if (c.message == nullptr)
            EXPECT_FALSE(message.has_value()) << *message;
        else
            EXPECT_EQ(message.value_or("accepted"), c.message);
    }
}

TEST(ModbusRegisterCheckTest, RefusesMoreThan255NumberedRowsOfOneKind)
{
    const auto numbered = [](std::size_t count, int kind, std::uint32_t first) {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < count; ++i)
            texts.push_back(std::to_string(first + 2 * i));
        return Rows(texts, kind);
    };
    // 255 of each kind fit the record's three counts.
    std::vector<CModbusItem> rows = numbered(255, CModbusItem::kDataTag, 40001);
    for (const CModbusItem& row : numbered(255, CModbusItem::kRemoteSwitch, 41001))
        rows.push_back(row);
    for (const CModbusItem& row : numbered(255, CModbusItem::kRemoteVariable, 42001))
        rows.push_back(row);
    rows.push_back({9999, "Unused", "0", 0, CModbusItem::kDataTag});
    EXPECT_FALSE(CheckModbusItems(rows).has_value());

    rows.push_back({9998, "One more", "43001", 0, CModbusItem::kRemoteSwitch});
    EXPECT_EQ(
        CheckModbusItems(rows).value_or("accepted"), "At most 255 remote switch icons can be given Modbus addresses");
    EXPECT_EQ(CheckModbusItems(numbered(256, CModbusItem::kDataTag, 40001)).value_or("accepted"),
        "At most 255 Data Tag icons can be given Modbus addresses");
}

TEST(ModbusRegisterCheckTest, ReadsRegisterNumbersOfAnyLength)
{
    EXPECT_EQ(RegisterNumberOf(""), 0u);
    EXPECT_EQ(RegisterNumberOf(" 40101 "), 40101u);
    EXPECT_EQ(RegisterNumberOf(std::string(500, '9')), kLastModbusListRegister + 1);
    EXPECT_EQ(TrimRegisterText(" \t 7 \t"), "7");
    EXPECT_EQ(TrimRegisterText("   "), "");
}

}  // namespace
}  // namespace modbus_register_check_test
}  // namespace corvane
