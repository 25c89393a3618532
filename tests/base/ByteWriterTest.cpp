#include "base/ByteWriter.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane {
namespace byte_writer_test {
namespace {

TEST(ByteWriterTest, WritePastEndChangesNothingAndIsReported)
{
    std::array<std::uint8_t, 5> bytes{};
    bytes.fill(0xEE);
    ByteWriter w(bytes);
    EXPECT_TRUE(w.U32LE(0x11223344u, "head"));
    EXPECT_FALSE(w.U16BE(0xABCD, "tail"));
    EXPECT_EQ(bytes[4], 0xEE) << "a field that does not fit is not written in part";
    EXPECT_EQ(w.Error().kind, ByteErrorKind::Truncated);
    EXPECT_EQ(w.Error().offset, 4u);
    EXPECT_EQ(w.Error().field, "tail");
    // Later writes are ignored, even ones that would fit.
    EXPECT_FALSE(w.U8(0x99, "after"));
    EXPECT_EQ(bytes[4], 0xEE);
    EXPECT_EQ(w.Error().field, "tail");
}

TEST(ByteWriterTest, WritesAtExplicitOffsetsInBothOrders)
{
    std::array<std::uint8_t, 8> bytes{};
    ByteWriter w(bytes);
    EXPECT_TRUE(w.Seek(4));
    EXPECT_TRUE(w.U32BE(0x0376E6E7u));
    EXPECT_TRUE(w.Seek(0));
    EXPECT_TRUE(w.I16LE(-2));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 8>{0xFE, 0xFF, 0, 0, 0x03, 0x76, 0xE6, 0xE7}));
    EXPECT_FALSE(w.Seek(9, "beyond"));
    EXPECT_EQ(w.Error().kind, ByteErrorKind::OutOfRange);
}

TEST(ByteWriterTest, FixedTextCutsAndPads)
{
    std::array<std::uint8_t, 8> bytes{};
    bytes.fill(0xEE);
    ByteWriter w(bytes);
    EXPECT_TRUE(w.FixedText("abcdef", 3));
    EXPECT_TRUE(w.FixedText("x", 3));
    EXPECT_TRUE(w.Zeros(2));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 8>{'a', 'b', 'c', 'x', 0, 0, 0, 0}));
    EXPECT_FALSE(w.Bytes(std::array<std::uint8_t, 1>{7}));
}

}  // namespace
}  // namespace byte_writer_test
}  // namespace corvane
