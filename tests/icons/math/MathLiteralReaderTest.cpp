#include "icons/math/MathLiteralReader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace corvane {
namespace math_literal_reader_test {
namespace {

struct IntegerCase {
    std::string_view text;
    std::optional<std::int32_t> value;
    std::size_t length;
};

TEST(MathLiteralReaderTest, ReadsIntegersWithBaseDetection)
{
    const IntegerCase cases[] = {
        {"42", 42, 2},
        {"-42)", -42, 3},
        {"0x1aG", 26, 4},
        {"0X1A", 26, 4},
        {"017", 15, 3},
        {"08", 0, 1},
        {"0x", 0, 1},
        {"0xg", 0, 1},
        {"-0", 0, 2},
        {"2147483647", std::numeric_limits<std::int32_t>::max(), 10},
        {"-2147483648", std::numeric_limits<std::int32_t>::min(), 11},
        {"-0x80000000", std::numeric_limits<std::int32_t>::min(), 11},
        {"2147483648", std::nullopt, 0},
        {"0x80000000", std::nullopt, 0},
        {"99999999999999999999999", std::nullopt, 0},
        {"", std::nullopt, 0},
        {"-", std::nullopt, 0},
        {"--1", std::nullopt, 0},
        {"+1", std::nullopt, 0},
    };
    for (const IntegerCase& c : cases) {
        const auto literal = MathLiteralReader::ReadInteger(c.text);
        ASSERT_EQ(literal.has_value(), c.value.has_value()) << c.text;
        if (literal) {
            EXPECT_EQ(literal->value, *c.value) << c.text;
            EXPECT_EQ(literal->length, c.length) << c.text;
        }
    }
}

struct DoubleCase {
    std::string_view text;
    std::optional<double> value;
    std::size_t length;
};

TEST(MathLiteralReaderTest, ReadsDoublesAsTheCLocaleDoes)
{
    const DoubleCase cases[] = {
        {"2.5*W", 2.5, 3},
        {"-.5", -0.5, 3},
        {"1e3", 1000.0, 3},
        {"1e", 1.0, 1},
        {"1e+", 1.0, 1},
        {"0x10", 16.0, 4},
        {"0x1.8p1)", 3.0, 7},
        {"1,5", 1.0, 1},
        {"1e999", std::numeric_limits<double>::infinity(), 5},
        {"abc", std::nullopt, 0},
        {"", std::nullopt, 0},
    };
    const MathLiteralReader reader;
    for (const DoubleCase& c : cases) {
        const auto literal = reader.ReadDouble(c.text);
        ASSERT_EQ(literal.has_value(), c.value.has_value()) << c.text;
        if (literal) {
            EXPECT_EQ(literal->value, *c.value) << c.text;
            EXPECT_EQ(literal->length, c.length) << c.text;
        }
    }
}

TEST(MathLiteralReaderTest, ReadsNumbersInLongTexts)
{
    const MathLiteralReader reader;
    const std::string number = "0." + std::string(300, '0') + "25e302";
    const auto literal = reader.ReadDouble(number + " * W" + std::string(500, ' '));
    ASSERT_TRUE(literal.has_value());
    EXPECT_EQ(literal->value, 25.0);
    EXPECT_EQ(literal->length, number.size());
}

TEST(MathLiteralReaderTest, IgnoresTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        switched = switched || std::setlocale(LC_NUMERIC, name) != nullptr;
    if (!switched)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const MathLiteralReader reader;
    const auto literal = reader.ReadDouble("1.5");
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_TRUE(literal.has_value());
    EXPECT_EQ(literal->value, 1.5);
    EXPECT_EQ(literal->length, 3U);
}

}  // namespace
}  // namespace math_literal_reader_test
}  // namespace corvane
