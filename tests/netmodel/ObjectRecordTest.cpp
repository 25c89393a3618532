#include "netmodel/ObjectRecord.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace corvane {
namespace object_record_test {
namespace {

std::vector<std::uint8_t> Write(const ObjectRecord& record)
{
    std::vector<std::uint8_t> bytes(kObjectRecordSize, 0xAA);
    ByteWriter writer(bytes);
    WriteObjectRecord(writer, record);
    EXPECT_FALSE(writer.Failed());
    EXPECT_EQ(writer.Offset(), kObjectRecordSize);
    return bytes;
}

TEST(ObjectRecordTest, DefaultRecordHasTheNewObjectBytes)
{
    const std::vector<std::uint8_t> expected = {
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // rectangle
        0, 0, 1, 0,                                      // type, pen on
        6, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,  // pen
        1, 0,                                            // brush on
        0, 0, 0, 0, 0xC0, 0xC0, 0xC0, 0, 0, 0, 0, 0,     // brush
    };
    EXPECT_EQ(Write(ObjectRecord{}), expected);
}

TEST(ObjectRecordTest, RoundTripKeepsEveryField)
{
    const ObjectRecord record{-5, 7, 1000, -2000000000, 2, 0, 3, 4, -5, 0x123456, 0, 2, 0xFFFFFFFF, 7};
    const std::vector<std::uint8_t> bytes = Write(record);
    ByteReader reader(bytes);
    EXPECT_EQ(ReadObjectRecord(reader), record);
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(reader.Offset(), kObjectRecordSize);
}

TEST(ObjectRecordTest, EveryShortBufferFailsInTheReader)
{
    const std::vector<std::uint8_t> bytes = Write(ObjectRecord{});
    for (std::size_t length = 0; length < kObjectRecordSize; ++length) {
        ByteReader reader{std::span(bytes).first(length)};
        (void)ReadObjectRecord(reader);
        EXPECT_TRUE(reader.Failed()) << length;
        EXPECT_LE(reader.Error().offset, length) << length;
    }
}

TEST(ObjectRecordTest, EachNamedOffsetFeedsItsField)
{
    struct Case {
        std::size_t offset;
        std::function<std::uint32_t(const ObjectRecord&)> field;
    };
    const std::array<Case, 14> cases = {{
        {kObjectLeftOffset, [](const ObjectRecord& r) { return static_cast<std::uint32_t>(r.left); }},
        {kObjectTopOffset, [](const ObjectRecord& r) { return static_cast<std::uint32_t>(r.top); }},
        {kObjectRightOffset, [](const ObjectRecord& r) { return static_cast<std::uint32_t>(r.right); }},
        {kObjectBottomOffset, [](const ObjectRecord& r) { return static_cast<std::uint32_t>(r.bottom); }},
        {kObjectTypeOffset, [](const ObjectRecord& r) { return std::uint32_t{r.type}; }},
        {kObjectPenOnOffset, [](const ObjectRecord& r) { return std::uint32_t{r.penOn}; }},
        {kObjectPenStyleOffset, [](const ObjectRecord& r) { return r.penStyle; }},
        {kObjectPenWidthXOffset, [](const ObjectRecord& r) { return static_cast<std::uint32_t>(r.penWidthX); }},
        {kObjectPenWidthYOffset, [](const ObjectRecord& r) { return static_cast<std::uint32_t>(r.penWidthY); }},
        {kObjectPenColourOffset, [](const ObjectRecord& r) { return r.penColour; }},
        {kObjectBrushOnOffset, [](const ObjectRecord& r) { return std::uint32_t{r.brushOn}; }},
        {kObjectBrushStyleOffset, [](const ObjectRecord& r) { return r.brushStyle; }},
        {kObjectBrushColourOffset, [](const ObjectRecord& r) { return r.brushColour; }},
        {kObjectBrushHatchOffset, [](const ObjectRecord& r) { return r.brushHatch; }},
    }};
    const ObjectRecord plain;
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = Write(plain);
        bytes[c.offset] ^= 0x5A;
        ByteReader reader(bytes);
        const ObjectRecord read = ReadObjectRecord(reader);
        EXPECT_EQ(c.field(read), c.field(plain) ^ 0x5Au) << c.offset;
        ObjectRecord back = read;
        EXPECT_NE(back, plain) << c.offset;
        EXPECT_EQ(Write(read), bytes) << c.offset;
    }
}

}  // namespace
}  // namespace object_record_test
}  // namespace corvane
