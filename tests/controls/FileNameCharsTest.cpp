#include "controls/FileNameChars.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvane {
namespace file_name_chars_test {
namespace {

TEST(FileNameCharsTest, FindsTheFirstCharacterOutsideTheSet)
{
    struct Case {
        const char* text;
        int kind;
        std::optional<std::size_t> expected;
    };
    const Case cases[] = {
        {"abc def", 1, 3},
        {"abc def", 2, std::nullopt},
        {"abc def", 3, std::nullopt},
        {"abc def", 0, std::nullopt},
        {"Main_Page-2+x", 1, std::nullopt},
        {"a~b", 1, 1},
        {"a~b", 2, std::nullopt},
        {"name.xml", 2, 4},
        {"caf\xC3\xA9", 2, 3},
        {"", 1, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindInvalidFileNameChar(c.text, c.kind), c.expected) << c.text << " kind " << c.kind;
}

TEST(FileNameCharsTest, SetsHoldExactlyTheNamedCharacters)
{
    EXPECT_EQ(AllowedFileNameChars(1).size(), 3u + 10u + 52u);
    EXPECT_EQ(AllowedFileNameChars(2).size(), 5u + 10u + 52u);
    EXPECT_TRUE(AllowedFileNameChars(3).empty());
    EXPECT_TRUE(IsFileNameChar(U'~', 2));
    EXPECT_FALSE(IsFileNameChar(U'~', 1));
    EXPECT_FALSE(IsFileNameChar(U'\u00E9', 2));
    EXPECT_FALSE(IsFileNameChar(U'.', 2));
}

}  // namespace
}  // namespace file_name_chars_test
}  // namespace corvane
