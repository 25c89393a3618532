#include "icons/reporting/ModbusIconWord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace modbus_icon_word_test {
namespace {

using F = ModbusFormat;
using S = ModbusSign;
using K = ModbusRegisterKind;

TEST(ModbusIconWordTest, ComposesTheIconWordFromTheChoices)
{
    struct Case {
        const char* name;
        ModbusWordChoices choices;
        std::uint16_t word;
    };
    const std::vector<Case> cases{
        {"new icon", {F::Int16, S::Unsigned, false, K::HoldingRegister, false, false, 0, 1}, 0x1030},
        {"32-bit signed, MSB first, TCP", {F::Int32, S::Signed, true, K::InputRegister, true, false, 0, 1}, 0x106D},
        {"decimal LSB first", {F::Decimal, S::Unsigned, false, K::HoldingRegister, false, false, 0, 1}, 0x1036},
        {"MSB first ignored for 16 bits", {F::Int16, S::Unsigned, true, K::HoldingRegister, false, false, 0, 1},
            0x1030},
        {"bit field 12 wide 4", {F::Int16, S::BitField, false, K::HoldingRegister, false, false, 12, 4}, 0x4C31},
        {"bit field ignored for 32 bits", {F::Int32, S::BitField, false, K::HoldingRegister, false, false, 12, 5},
            0x5C34},
        {"coil written upon its trigger", {F::HighLow, S::Unsigned, false, K::Coil, false, true, 0, 1}, 0x1080},
        {"contact", {F::HighLow, S::Unsigned, false, K::Contact, false, false, 3, 2}, 0x2310},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto word = ComposeModbusWord(c.choices);
        ASSERT_TRUE(std::holds_alternative<std::uint16_t>(word)) << std::get<std::string_view>(word);
        EXPECT_EQ(std::get<std::uint16_t>(word), c.word);
        EXPECT_EQ(KindOfModbusWord(c.word), *c.choices.kind);
    }
}

TEST(ModbusIconWordTest, RefusesABitFieldPastBit15AndAMissingAddress)
{
    ModbusWordChoices field{F::Int16, S::BitField, false, K::HoldingRegister, false, false, 12, 5};
    EXPECT_EQ(std::get<std::string_view>(ComposeModbusWord(field)), kBitFieldPlacementText);
    ModbusWordChoices noAddress{F::Int16, S::Unsigned, false, std::nullopt, false, false, 0, 1};
    EXPECT_EQ(std::get<std::string_view>(ComposeModbusWord(noAddress)), kAddressFormatText);
}

TEST(ModbusIconWordTest, DrawsTheBitMapAndItsNote)
{
    struct Case {
        int start;
        int width;
        std::string map;
    };
    const auto repeat = [](std::string_view piece, int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += piece;
        return text;
    };
    const std::vector<Case> cases{
        {12, 4, repeat("+", 4) + repeat(" -", 12)},
        {0, 1, repeat("- ", 15) + "+"},
        {4, 8, repeat("- ", 4) + repeat("+", 8) + repeat(" -", 4)},
        {0, 15, "- " + repeat("+", 15)},
        {12, 5, ""},
        {16, 1, ""},
        {0, 0, ""},
        {-1, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + "/" + std::to_string(c.width));
        EXPECT_EQ(ModbusBitMapText(c.start, c.width), c.map);
        EXPECT_EQ(IsValidBitField(c.start, c.width), !c.map.empty());
    }
    EXPECT_EQ(ModbusBitFieldNote(4), "Output is an integer\nbetween 0 and 15");
    EXPECT_EQ(ModbusBitFieldNote(15), "Output is an integer\nbetween 0 and 32767");
}

}  // namespace
}  // namespace modbus_icon_word_test
}  // namespace corvane
