#include "shell/StringFields.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane {
namespace string_fields_test {
namespace {

TEST(StringFieldsTest, StringToFieldStopsAtTheMaximumAndEndsWithNul)
{
    std::array<std::uint8_t, 21> field{};
    field.fill(0xAA);
    const std::string text(30, 'x');
    EXPECT_EQ(CopyStringToField(text, field, 20), 20u);
    EXPECT_EQ(field[19], 'x');
    EXPECT_EQ(field[20], 0);

    field.fill(0xAA);
    EXPECT_EQ(CopyStringToField("tank", field, 20), 4u);
    EXPECT_EQ(field[4], 0);
    EXPECT_EQ(field[5], 0xAA);
}

TEST(StringFieldsTest, NeverWritesPastTheField)
{
    std::array<std::uint8_t, 8> storage{};
    storage.fill(0xAA);
    const std::span<std::uint8_t> field(storage.data(), 5);
    EXPECT_EQ(CopyStringToField("abcdefgh", field, 20), 4u);
    EXPECT_EQ(storage[4], 0);
    EXPECT_EQ(storage[5], 0xAA);
    EXPECT_EQ(CopyStringToField("abc", std::span<std::uint8_t>(), 20), 0u);
}

TEST(StringFieldsTest, FieldToStringStopsAtNulMaximumOrEnd)
{
    const std::array<std::uint8_t, 6> withNul{'a', 'b', 0, 'c', 'd', 'e'};
    EXPECT_EQ(CopyFieldToString(withNul, 20), "ab");
    const std::array<std::uint8_t, 4> full{'w', 'x', 'y', 'z'};
    EXPECT_EQ(CopyFieldToString(full, 20), "wxyz");
    EXPECT_EQ(CopyFieldToString(full, 2), "wx");
}

}  // namespace
}  // namespace string_fields_test
}  // namespace corvane
