#include "base/Cp1252.h"

#include <gtest/gtest.h>

namespace corvane {
namespace cp1252_test {
namespace {

TEST(Cp1252Test, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all);
    EXPECT_EQ(Cp1252Length(utf8), 256u);
}

TEST(Cp1252Test, ConvertsBothWays)
{
    struct Case {
        std::string utf8;
        std::string cp1252;
    };
    const Case cases[] = {
        {"Tank 3", "Tank 3"},
        {"\xE2\x82\xAC"
         "5",
            "\x80"
            "5"},  // euro sign
        {"\xC2\xB0"
         "C",
            "\xB0"
            "C"},                                    // degree sign
        {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},  // curly quotes
        {"\xC3\xBF\xC5\xB8", "\xFF\x9F"},            // y with diaeresis, both cases
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
        EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    }
}

TEST(Cp1252Test, UnmappableAndMalformedBecomeQuestionMarks)
{
    struct Case {
        std::string utf8;
        std::string cp1252;
    };
    const Case cases[] = {
        {"\xCE\xA9", "?"},  // Greek omega: no Windows-1252 form
        {"a\xF0\x9F\x98\x80"
         "b",
            "a?b"},     // emoji outside the BMP
        {"\xFF", "?"},  // invalid lead byte
        {"\xC3", "?"},  // sequence cut at the end
        {"\xE2\x82"
         "x",
            "?"
            "?"
            "x"},                 // missing continuation byte
        {"\xC0\xAF", "??"},       // overlong form
        {"\xED\xA0\x80", "???"},  // surrogate
        {"\x80"
         "z",
            "?z"},  // stray continuation byte
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
}

TEST(Cp1252Test, LimitCountsCodePageBytes)
{
    // Four two-byte UTF-8 characters are four bytes in the record.
    const std::string text = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F";
    EXPECT_EQ(Cp1252Length(text), 4u);
    EXPECT_EQ(Utf8ToCp1252(text, 4), "\xE4\xF6\xFC\xDF");
    EXPECT_EQ(Utf8ToCp1252(text, 3), "\xE4\xF6\xFC");
    EXPECT_EQ(Utf8ToCp1252(text, 0), "");
}

}  // namespace
}  // namespace cp1252_test
}  // namespace corvane
