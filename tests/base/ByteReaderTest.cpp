#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace corvane {
namespace byte_reader_test {
namespace {

// A small record of every field kind, used for the round trip and the
// truncation sweep:
//   0  u16 LE  length
//   2  u32 BE  crc
//   6  i16 LE  zone
//   8  f32 LE  value
//  12  8 bytes name (zero-padded)
//  20  u8      flags
constexpr std::size_t kRecordSize = 21;

struct Sample {
    std::uint16_t length = 0;
    std::uint32_t crc = 0;
    std::int16_t zone = 0;
    float value = 0;
    std::string name;
    std::uint8_t flags = 0;
};

struct FieldAt {
    std::size_t offset;
    const char* name;
};
constexpr std::array<FieldAt, 6> kFields = {{
    {0, "length"},
    {2, "crc"},
    {6, "zone"},
    {8, "value"},
    {12, "name"},
    {20, "flags"},
}};

std::vector<std::uint8_t> Write(const Sample& s)
{
    std::vector<std::uint8_t> bytes(kRecordSize);
    ByteWriter w(bytes);
    w.U16LE(s.length, "length");
    w.U32BE(s.crc, "crc");
    w.I16LE(s.zone, "zone");
    w.F32LE(s.value, "value");
    w.FixedText(s.name, 8, "name");
    w.U8(s.flags, "flags");
    EXPECT_FALSE(w.Failed()) << w.Error().Describe();
    return bytes;
}

Sample Read(ByteReader& r)
{
    Sample s;
    s.length = r.U16LE("length");
    s.crc = r.U32BE("crc");
    s.zone = r.I16LE("zone");
    s.value = r.F32LE("value");
    s.name = std::string(r.FixedText(8, "name"));
    s.flags = r.U8("flags");
    return s;
}

TEST(ByteReaderTest, RoundTripsEveryFieldKind)
{
    const Sample in{0x1234, 0xA1B2C3D4u, -300, 2.5f, "Probe", 0x81};
    const std::vector<std::uint8_t> bytes = Write(in);
    // Explicit byte order on the wire.
    EXPECT_EQ(bytes[0], 0x34);
    EXPECT_EQ(bytes[1], 0x12);
    EXPECT_EQ(bytes[2], 0xA1);
    EXPECT_EQ(bytes[5], 0xD4);
    EXPECT_EQ(bytes[6], 0xD4);  // -300 = 0xFED4
    EXPECT_EQ(bytes[7], 0xFE);

    ByteReader r(bytes);
    const Sample out = Read(r);
    ASSERT_FALSE(r.Failed()) << r.Error().Describe();
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(out.length, in.length);
    EXPECT_EQ(out.crc, in.crc);
    EXPECT_EQ(out.zone, in.zone);
    EXPECT_EQ(out.value, in.value);
    EXPECT_EQ(out.name, in.name);
    EXPECT_EQ(out.flags, in.flags);
}

TEST(ByteReaderTest, RejectsTruncationAtEveryLength)
{
    const std::vector<std::uint8_t> bytes = Write({1, 2, 3, 4.0f, "12345678", 5});
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        ByteReader r(std::span<const std::uint8_t>(bytes).first(length));
        const Sample out = Read(r);
        ASSERT_TRUE(r.Failed()) << "length " << length;
        // The failure names the first field that does not fit, at its offset.
        std::size_t expected = 0;
        while (expected + 1 < kFields.size() && kFields[expected + 1].offset <= length)
            ++expected;
        EXPECT_EQ(r.Error().kind, ByteErrorKind::Truncated) << "length " << length;
        EXPECT_EQ(r.Error().field, kFields[expected].name) << "length " << length;
        EXPECT_EQ(r.Error().offset, kFields[expected].offset) << "length " << length;
        EXPECT_EQ(out.flags, 0) << "reads after a failure give zero";
    }
}

TEST(ByteReaderTest, FirstErrorIsKeptAndLaterReadsDoNotMove)
{
    const std::array<std::uint8_t, 3> bytes = {1, 2, 3};
    ByteReader r(bytes);
    EXPECT_EQ(r.U16BE("a"), 0x0102);
    EXPECT_EQ(r.U32LE("b"), 0u);
    EXPECT_EQ(r.U8("c"), 0);
    EXPECT_EQ(r.Offset(), 2u);
    EXPECT_EQ(r.Error().field, "b");
    EXPECT_EQ(r.Error().size, 4u);
    EXPECT_EQ(r.Error().Describe(), "truncated field 'b' at offset 2 (4 bytes)");
}

TEST(ByteReaderTest, SeekSkipAndBytesStayInBounds)
{
    const std::array<std::uint8_t, 4> bytes = {0xAA, 0xBB, 0xCC, 0xDD};
    {
        ByteReader r(bytes);
        EXPECT_TRUE(r.Seek(4));  // the end is a valid place
        EXPECT_EQ(r.Bytes(0).size(), 0u);
        EXPECT_FALSE(r.Failed());
        EXPECT_FALSE(r.Seek(5, "jump"));
        EXPECT_EQ(r.Error().kind, ByteErrorKind::OutOfRange);
    }
    {
        ByteReader r(bytes);
        EXPECT_TRUE(r.Skip(1));
        const auto middle = r.Bytes(2, "middle");
        ASSERT_EQ(middle.size(), 2u);
        EXPECT_EQ(middle[0], 0xBB);
        // A huge count must not overflow the bounds check.
        EXPECT_TRUE(r.Bytes(SIZE_MAX, "huge").empty());
        EXPECT_EQ(r.Error().kind, ByteErrorKind::Truncated);
        EXPECT_EQ(r.Error().offset, 3u);
    }
    {
        ByteReader empty({});
        EXPECT_EQ(empty.U8("x"), 0);
        EXPECT_TRUE(empty.Failed());
    }
}

TEST(ByteReaderTest, FixedTextEndsAtZeroOrFieldEnd)
{
    const std::array<std::uint8_t, 8> bytes = {'a', 'b', 0, 'z', 'c', 'd', 'e', 'f'};
    ByteReader r(bytes);
    EXPECT_EQ(r.FixedText(4), "ab");
    EXPECT_EQ(r.FixedText(4), "cdef");
    EXPECT_EQ(r.Remaining(), 0u);
}

TEST(ByteReaderTest, ReadsWideAndSignedValues)
{
    const std::array<std::uint8_t, 12> bytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x80, 0xFF, 0xFF, 0xFF, 0xFF};
    ByteReader r(bytes);
    EXPECT_EQ(r.U64LE(), 0x8007060504030201u);
    EXPECT_EQ(r.I32LE(), -1);
}

}  // namespace
}  // namespace byte_reader_test
}  // namespace corvane
