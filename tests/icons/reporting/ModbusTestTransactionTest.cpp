#include "icons/reporting/ModbusTestTransaction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace modbus_test_transaction_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kCoil = 0x00;
constexpr std::uint16_t kContact = 0x10;
constexpr std::uint16_t kInput = 0x20;
constexpr std::uint16_t kHolding = 0x30;
constexpr std::uint16_t kSigned = 0x08;
constexpr std::uint16_t kInt32 = 4;
constexpr std::uint16_t kDecimal = 6;
constexpr std::uint16_t kHighFirst = 1;

ModbusTestSettings Settings(std::uint16_t iconWord, bool read = true, std::uint16_t start = 0x0102)
{
    ModbusTestSettings settings;
    settings.iconWord = iconWord;
    settings.read = read;
    settings.startAddress = start;
    return settings;
}

TEST(ModbusTestTransactionTest, BuildsTheFunctionAndPduOfEveryKindAndFormat)
{
    struct Case {
        const char* name;
        std::uint16_t iconWord;
        bool read;
        const char* value;
        std::uint8_t function;
        std::uint8_t wordOrder;
        Bytes pdu;
    };
    const Case cases[] = {
        {"read coil", kCoil, true, "", 1, 0, {0x01, 0x02, 0x00, 0x01}},
        {"read contact", kContact, true, "", 2, 0, {0x01, 0x02, 0x00, 0x01}},
        {"read input register", kInput, true, "", 4, 0, {0x01, 0x02, 0x00, 0x01}},
        {"read holding register", kHolding, true, "", 3, 0, {0x01, 0x02, 0x00, 0x01}},
        {"read 32-bit input registers", kInput | kInt32, true, "", 4, 0, {0x01, 0x02, 0x00, 0x02}},
        {"read decimal, high word first", kHolding | kDecimal | kHighFirst, true, "", 3, 1, {0x01, 0x02, 0x00, 0x02}},
        {"read a bit field", kHolding | 1 | 0x4000, true, "", 3, 1, {0x01, 0x02, 0x00, 0x01}},
        {"write coil on", kCoil, false, "1", 5, 0, {0x01, 0x02, 0xFF, 0x00}},
        {"write coil off", kCoil | kHighFirst, false, "0", 5, 0, {0x01, 0x02, 0x00, 0x00}},
        {"write 16-bit unsigned", kHolding, false, "65535", 16, 0, {0x01, 0x02, 0x00, 0x01, 0x02, 0xFF, 0xFF}},
        {"write 16-bit signed", kHolding | kSigned, false, "-2", 16, 0, {0x01, 0x02, 0x00, 0x01, 0x02, 0xFF, 0xFE}},
        {"write 32-bit, low word first", kHolding | kInt32, false, "131073", 16, 0,
            {0x01, 0x02, 0x00, 0x02, 0x04, 0x00, 0x01, 0x00, 0x02}},
        {"write 32-bit, high word first", kHolding | kInt32 | kHighFirst, false, "65538", 16, 1,
            {0x01, 0x02, 0x00, 0x02, 0x04, 0x00, 0x01, 0x00, 0x02}},
        {"write 32-bit signed", kHolding | kInt32 | kHighFirst | kSigned, false, "-1", 16, 1,
            {0x01, 0x02, 0x00, 0x02, 0x04, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"write decimal, low word first", kHolding | kDecimal, false, "1.5", 16, 0,
            {0x01, 0x02, 0x00, 0x02, 0x04, 0x00, 0x00, 0x3F, 0xC0}},
        {"write decimal, high word first", kHolding | kDecimal | kHighFirst, false, " -2.5 ", 16, 1,
            {0x01, 0x02, 0x00, 0x02, 0x04, 0xC0, 0x20, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ModbusTestBuild build = BuildModbusTestRequest(Settings(c.iconWord, c.read), c.value);
        ASSERT_TRUE(build.request) << build.refusal.text;
        EXPECT_EQ(build.request->function, c.function);
        EXPECT_EQ(build.request->wordOrder, c.wordOrder);
        EXPECT_EQ(build.request->pdu, c.pdu);
    }
}

TEST(ModbusTestTransactionTest, RefusesWhatCannotBeSentAndSaysWhetherTheDialogCloses)
{
    struct Case {
        const char* name;
        std::uint16_t iconWord;
        bool read;
        const char* value;
        std::uint32_t server;
        const char* text;  // null: the value's range text
        bool closes;
    };
    const Case cases[] = {
        {"TCP without a server", kHolding | 0x40, true, "", 0,
            "The Modbus test function requires the\nIP address to be in dotted quad format.", true},
        {"write a contact", kContact, false, "1", 0, "Cannot write discrete input register", true},
        {"write an input register", kInput, false, "1", 0, "Cannot write input register", true},
        {"coil value 2", kCoil, false, "2", 0, "Enter a single \"0\" or \"1\" for Coil registers.", false},
        {"coil value with a blank", kCoil, false, "1 ", 0, "Enter a single \"0\" or \"1\" for Coil registers.", false},
        {"empty coil value", kCoil, false, "", 0, "Enter a single \"0\" or \"1\" for Coil registers.", false},
        {"16-bit unsigned too large", kHolding, false, "65536", 0, nullptr, false},
        {"16-bit unsigned negative", kHolding, false, "-1", 0, nullptr, false},
        {"16-bit signed too small", kHolding | kSigned, false, "-32769", 0, nullptr, false},
        {"16-bit with a fraction", kHolding, false, "1.5", 0, nullptr, false},
        {"16-bit with trailing text", kHolding, false, "12abc", 0, nullptr, false},
        {"32-bit unsigned too large", kHolding | kInt32, false, "4294967296", 0, nullptr, false},
        {"32-bit signed too large", kHolding | kInt32 | kSigned, false, "2147483648", 0, nullptr, false},
        {"decimal not a number", kHolding | kDecimal, false, "nan", 0, nullptr, false},
        {"decimal infinite", kHolding | kDecimal, false, "inf", 0, nullptr, false},
        {"decimal beyond a float", kHolding | kDecimal, false, "1e39", 0, nullptr, false},
        {"decimal empty", kHolding | kDecimal, false, "", 0, nullptr, false},
        {"a write of format 2", kHolding | 2, false, "1", 0, "Cannot write a register of this format.", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModbusTestSettings settings = Settings(c.iconWord, c.read);
        settings.server = c.server;
        const ModbusTestBuild build = BuildModbusTestRequest(settings, c.value);
        ASSERT_FALSE(build.request);
        if (c.text != nullptr)
            EXPECT_EQ(build.refusal.text, c.text);
        else
            EXPECT_EQ(build.refusal.text, ParseModbusWriteValue(settings, c.value).refusal);
        EXPECT_FALSE(build.refusal.text.empty());
        EXPECT_EQ(build.refusal.closesDialog, c.closes);
    }
    ModbusTestSettings tcp = Settings(kHolding | 0x40);
    tcp.server = 0x0A000001;
    EXPECT_TRUE(BuildModbusTestRequest(tcp, "").request) << "a TCP icon with its server is sent";
    EXPECT_EQ(ParseModbusWriteValue(Settings(kHolding | kSigned), "x").refusal,
        "Enter a whole number between -32768 and 32767 for this register.");
}

TEST(ModbusTestTransactionTest, DecodesTheValueOfEveryFormat)
{
    struct Case {
        const char* name;
        std::uint16_t iconWord;
        bool read;
        Bytes data;
        const char* value;
    };
    const Case cases[] = {
        {"32-bit, low word first", kHolding | kInt32, true, {1, 3, 4, 0x00, 0x01, 0x00, 0x02}, "131073"},
        {"32-bit, high word first", kHolding | kInt32 | kHighFirst, true, {1, 3, 4, 0x00, 0x01, 0x00, 0x02}, "65538"},
        {"32-bit signed", kInput | kInt32 | kHighFirst | kSigned, true, {1, 4, 4, 0xFF, 0xFF, 0xFF, 0xFE}, "-2"},
        {"32-bit unsigned", kInput | kInt32 | kHighFirst, true, {1, 4, 4, 0xFF, 0xFF, 0xFF, 0xFE}, "4294967294"},
        {"bit field start 4 width 4", kHolding | 1 | 0x4400, true, {1, 3, 2, 0x00, 0xF0}, "15"},
        {"signed bit field start 4 width 4", kHolding | 1 | kSigned | 0x4400, true, {1, 3, 2, 0x00, 0xF0}, "-1"},
        {"bit field start 12 width 4", kHolding | 1 | 0x4C00, true, {1, 3, 2, 0xA0, 0xF0}, "10"},
        {"16-bit unsigned", kHolding, true, {1, 3, 2, 0xFF, 0xFE}, "65534"},
        {"16-bit signed", kHolding | kSigned, true, {1, 3, 2, 0xFF, 0xFE}, "-2"},
        {"decimal, low word first", kHolding | kDecimal, true, {1, 3, 4, 0x00, 0x00, 0x3F, 0xC0}, "1.500000"},
        {"decimal, high word first", kHolding | kDecimal | kHighFirst, true, {1, 3, 4, 0x40, 0x49, 0x0F, 0xDB},
            "3.141593"},
        {"format 2 has no value", kHolding | 2, true, {1, 3, 2, 0x00, 0x01}, ""},
        {"coil on", kCoil, true, {1, 1, 1, 0x01}, "1"},
        {"contact off", kContact, true, {1, 2, 1, 0x00}, "0"},
        {"coil written on", kCoil, false, {1, 5, 2, 0xFF, 0x00}, "1"},
        {"coil written off", kCoil, false, {1, 5, 2, 0x00, 0x00}, "0"},
        {"a longer reply is read from its start", kHolding, true, {1, 3, 4, 0x00, 0x07, 0x00, 0x09}, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<std::string> value = DecodeModbusReplyValue(Settings(c.iconWord, c.read), c.data);
        ASSERT_TRUE(value);
        EXPECT_EQ(*value, c.value);
    }
}

TEST(ModbusTestTransactionTest, ReplyShorterThanItsValueHasNoValue)
{
    struct Case {
        const char* name;
        std::uint16_t iconWord;
        bool read;
        std::size_t length;
    };
    const Case cases[] = {
        {"coil read", kCoil, true, 4},
        {"contact read", kContact, true, 4},
        {"coil write", kCoil, false, 5},
        {"16-bit register", kHolding, true, 5},
        {"bit field", kInput | 1 | 0x1000, true, 5},
        {"32-bit register", kHolding | kInt32, true, 7},
        {"decimal register", kInput | kDecimal, true, 7},
        {"16-bit register write", kHolding, false, 5},
        {"32-bit register write", kHolding | kInt32, false, 7},
    };
    const Bytes full(7, 0x00);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ModbusTestSettings settings = Settings(c.iconWord, c.read);
        EXPECT_EQ(ModbusReplyLength(settings), c.length);
        for (std::size_t length = 0; length < c.length; ++length)
            EXPECT_FALSE(DecodeModbusReplyValue(settings, std::span(full).first(length))) << length;
        EXPECT_TRUE(DecodeModbusReplyValue(settings, std::span(full).first(c.length)));
    }
}

}  // namespace
}  // namespace modbus_test_transaction_test
}  // namespace corvane
