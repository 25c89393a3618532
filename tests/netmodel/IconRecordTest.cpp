#include "netmodel/IconRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace corvane {
namespace icon_record_test {
namespace {

constexpr std::size_t kFixedEnd = kIconRecordHeaderSize + 6;

IconRecord SampleRecord()
{
    IconRecord record;
    record.header.uniqueId = 5;
    record.header.typeWord = 0x3012;
    record.header.x = 100;
    record.header.y = 200;
    record.header.name = "Gate";
    record.header.warningFlags = 0x000F;
    record.header.trigger = InputLink{3, 1, 0};
    record.header.enable = InputLink{0, 0, 2};
    record.fixedPart = {1, 2, 3, 4, 5, 6};
    record.inputs = {InputLink{9, 2, 0}, InputLink{0, 0, 2}};
    OutputEntry output;
    SetOutputData(output, "degC");
    output.byte10 = 7;
    output.flags = 2;
    record.outputs = {output};
    record.tail = {0xA1, 0xA2, 0xA3, 0xA4};
    return record;
}

std::vector<std::uint8_t> Write(const IconRecord& record)
{
    auto written = WriteIconRecord(record);
    EXPECT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(written));
    return std::get<std::vector<std::uint8_t>>(written);
}

RecordError ErrorOf(const std::variant<IconRecord, RecordError>& parsed)
{
    EXPECT_TRUE(std::holds_alternative<RecordError>(parsed));
    return std::holds_alternative<RecordError>(parsed) ? std::get<RecordError>(parsed) : RecordError{};
}

TEST(IconRecordTest, RoundTripKeepsEveryPart)
{
    IconRecord record = SampleRecord();
    const std::vector<std::uint8_t> bytes = Write(record);
    ASSERT_EQ(bytes.size(), 72u + 6 + 16 + 12 + 4);
    const auto parsed = ParseIconRecord(bytes, kFixedEnd);
    ASSERT_TRUE(std::holds_alternative<IconRecord>(parsed));
    record.header.length = static_cast<std::uint16_t>(bytes.size());
    record.header.inputCount = 2;
    record.header.outputCount = 1;
    EXPECT_EQ(std::get<IconRecord>(parsed), record);
    EXPECT_EQ(std::get<IconRecord>(parsed).header.TypeCode(), 0x012);
}

TEST(IconRecordTest, WithoutAFixedPartEndTheLinksCloseTheRecord)
{
    // A class without a tail: the links are read back from the record's end.
    IconRecord sample = SampleRecord();
    sample.tail.clear();
    const std::vector<std::uint8_t> bytes = Write(sample);
    const auto parsed = ParseIconRecord(bytes);
    ASSERT_TRUE(std::holds_alternative<IconRecord>(parsed));
    const IconRecord& record = std::get<IconRecord>(parsed);
    EXPECT_EQ(record.fixedPart, sample.fixedPart);
    EXPECT_EQ(record.inputs, sample.inputs);
    EXPECT_EQ(record.outputs, sample.outputs);
    EXPECT_TRUE(record.tail.empty());
}

TEST(IconRecordTest, HeaderFieldsSitAtTheirOffsets)
{
    const std::vector<std::uint8_t> bytes = Write(SampleRecord());
    EXPECT_EQ(bytes[kIconLengthOffset], bytes.size());
    EXPECT_EQ(bytes[kIconUniqueIdOffset], 5);
    EXPECT_EQ(bytes[kIconTypeWordOffset + 1], 0x30);
    EXPECT_EQ(bytes[kIconXOffset], 100);
    EXPECT_EQ(bytes[kIconYOffset], 200);
    EXPECT_EQ(bytes[kIconInputCountOffset], 2);
    EXPECT_EQ(bytes[kIconOutputCountOffset], 1);
    EXPECT_EQ(std::string(bytes.begin() + kIconNameOffset, bytes.begin() + kIconNameOffset + 5), std::string("Gate\0", 5));
    EXPECT_EQ(bytes[kIconWarningFlagsOffset], 0x0F);
    EXPECT_EQ(bytes[kIconTriggerLinkOffset], 3);
    EXPECT_EQ(bytes[kIconTriggerLinkOffset + 2], 1);
    EXPECT_EQ(bytes[kIconEnableLinkOffset + 3], 2);
    for (std::size_t i = kIconReservedOffset; i < kIconRecordHeaderSize; ++i) {
        EXPECT_EQ(bytes[i], 0) << i;
    }
    EXPECT_EQ(bytes[kFixedEnd], 9);  // first input link follows the fixed part
}

TEST(IconRecordTest, OddLengthGetsOneZeroPadByte)
{
    IconRecord record = SampleRecord();
    record.tail = {0xA1, 0xA2, 0xA3};
    const std::vector<std::uint8_t> odd = Write(record);
    EXPECT_EQ(odd.size(), 72u + 6 + 16 + 12 + 4);
    EXPECT_EQ(odd.back(), 0);
    EXPECT_EQ(odd[kIconLengthOffset], odd.size());
    record.tail.push_back(0xA4);
    EXPECT_EQ(Write(record).size(), odd.size());
}

TEST(IconRecordTest, NameIsCutAtTwentyBytes)
{
    IconRecord record = SampleRecord();
    record.header.name = std::string(25, 'N');
    std::vector<std::uint8_t> bytes = Write(record);
    EXPECT_EQ(bytes[kIconNameOffset + 19], 'N');
    EXPECT_EQ(bytes[kIconNameOffset + 20], 0);
    EXPECT_EQ(bytes[kIconNameOffset + 21], 0);

    // A stored name that fills all 21 bytes still reads as 20.
    for (std::size_t i = 0; i < kIconNameFieldSize; ++i) {
        bytes[kIconNameOffset + i] = 'M';
    }
    const auto parsed = ParseIconRecord(bytes, kFixedEnd);
    ASSERT_TRUE(std::holds_alternative<IconRecord>(parsed));
    EXPECT_EQ(std::get<IconRecord>(parsed).header.name, std::string(20, 'M'));
}

TEST(IconRecordTest, EveryTruncationIsRefused)
{
    const std::vector<std::uint8_t> bytes = Write(SampleRecord());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const auto parsed = ParseIconRecord(std::span(bytes).first(length), kFixedEnd);
        EXPECT_TRUE(std::holds_alternative<RecordError>(parsed)) << length;
    }
}

TEST(IconRecordTest, BadCountsAndLengthsAreRefusedWithTheirField)
{
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        std::optional<std::size_t> fixedEnd;
        RecordErrorKind kind;
        std::size_t errorOffset;
        std::string field;
    };
    const std::vector<std::uint8_t> good = Write(SampleRecord());
    const std::uint8_t size = static_cast<std::uint8_t>(good.size());
    const std::vector<Case> cases = {
        {kIconInputCountOffset, 26, kFixedEnd, RecordErrorKind::BadCount, kIconInputCountOffset, "input count"},
        {kIconOutputCountOffset, 25, kFixedEnd, RecordErrorKind::BadCount, kIconOutputCountOffset, "output count"},
        {kIconLengthOffset, 70, kFixedEnd, RecordErrorKind::BadLength, kIconLengthOffset, "record length"},
        {kIconLengthOffset, static_cast<std::uint8_t>(size - 1), kFixedEnd, RecordErrorKind::BadLength,
         kIconLengthOffset, "record length"},
        {kIconLengthOffset, static_cast<std::uint8_t>(size + 2), kFixedEnd, RecordErrorKind::Truncated, good.size(),
         "record length"},
        // More links than the stored length holds: reading stops at the length.
        {kIconInputCountOffset, 3, kFixedEnd, RecordErrorKind::Truncated, size, "output entry"},
        {kIconInputCountOffset, 25, std::nullopt, RecordErrorKind::Truncated, kIconRecordHeaderSize, "input links"},
        {kIconInputCountOffset, 2, size + 2, RecordErrorKind::BadLength, kIconRecordHeaderSize, "fixed part"},
        {kIconInputCountOffset, 2, 10, RecordErrorKind::BadLength, kIconRecordHeaderSize, "fixed part"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        bytes[c.offset] = c.value;
        const RecordError error = ErrorOf(ParseIconRecord(bytes, c.fixedEnd));
        EXPECT_EQ(error.kind, c.kind) << c.field;
        EXPECT_EQ(error.offset, c.errorOffset) << c.field;
        EXPECT_EQ(error.field, c.field) << c.field;
    }
}

TEST(IconRecordTest, EachHeaderOffsetFeedsItsField)
{
    struct Case {
        std::size_t offset;
        std::function<unsigned(const IconRecordHeader&)> field;
    };
    const std::vector<Case> cases = {
        {kIconUniqueIdOffset, [](const IconRecordHeader& h) { return unsigned{h.uniqueId}; }},
        {kIconTypeWordOffset, [](const IconRecordHeader& h) { return unsigned{h.typeWord}; }},
        {kIconXOffset, [](const IconRecordHeader& h) { return unsigned{h.x}; }},
        {kIconYOffset, [](const IconRecordHeader& h) { return unsigned{h.y}; }},
        {kIconNameOffset, [](const IconRecordHeader& h) { return unsigned(static_cast<std::uint8_t>(h.name[0])); }},
        {kIconWarningFlagsOffset, [](const IconRecordHeader& h) { return unsigned{h.warningFlags}; }},
        {kIconTriggerLinkOffset, [](const IconRecordHeader& h) { return unsigned{h.trigger.sourceId}; }},
        {kIconTriggerLinkOffset + 3, [](const IconRecordHeader& h) { return unsigned{h.trigger.flags}; }},
        {kIconEnableLinkOffset, [](const IconRecordHeader& h) { return unsigned{h.enable.sourceId}; }},
        {kIconEnableLinkOffset + 3, [](const IconRecordHeader& h) { return unsigned{h.enable.flags}; }},
    };
    const std::vector<std::uint8_t> good = Write(SampleRecord());
    const IconRecordHeader plain = std::get<IconRecord>(ParseIconRecord(good, kFixedEnd)).header;
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        bytes[c.offset] ^= 0x40;
        const auto parsed = ParseIconRecord(bytes, kFixedEnd);
        ASSERT_TRUE(std::holds_alternative<IconRecord>(parsed)) << c.offset;
        EXPECT_EQ(c.field(std::get<IconRecord>(parsed).header), c.field(plain) ^ 0x40u) << c.offset;
    }
}

TEST(IconRecordTest, UnusedBytesComeBackAsZero)
{
    std::vector<std::uint8_t> bytes = Write(SampleRecord());
    for (std::size_t i = kIconReservedOffset; i < kIconRecordHeaderSize; ++i) {
        bytes[i] = 0xEE;
    }
    bytes[33] = 0xEE;
    bytes[kIconTriggerLinkOffset + 5] = 0xEE;
    bytes[kFixedEnd + 4] = 0xEE;                      // first input link's unused word
    bytes[kFixedEnd + 2 * kInputLinkSize + 8] = 0xEE;  // output entry byte 8
    const auto parsed = ParseIconRecord(bytes, kFixedEnd);
    ASSERT_TRUE(std::holds_alternative<IconRecord>(parsed));
    EXPECT_EQ(Write(std::get<IconRecord>(parsed)), Write(SampleRecord()));
}

TEST(IconRecordTest, UnconnectedLinkIsWrittenWithSourceOutputZero)
{
    IconRecord record = SampleRecord();
    record.inputs[1] = InputLink{0, 5, 0};
    record.header.enable = InputLink{0, 9, 0};
    const std::vector<std::uint8_t> bytes = Write(record);
    EXPECT_EQ(bytes[kFixedEnd + kInputLinkSize + 2], 0);
    EXPECT_EQ(bytes[kIconEnableLinkOffset + 2], 0);
}

TEST(IconRecordTest, OutputDataNeverReachesTheRestOfTheEntry)
{
    OutputEntry entry;
    entry.byte10 = 3;
    entry.flags = 2;
    SetOutputData(entry, "Temperature");
    EXPECT_EQ(std::string(entry.data.begin(), entry.data.end()), "Temperat");
    EXPECT_EQ(entry.byte10, 3);
    EXPECT_EQ(entry.flags, 2);
    SetOutputData(entry, "mV");
    EXPECT_EQ(std::string(entry.data.begin(), entry.data.end()), std::string("mV\0\0\0\0\0\0", 8));
}

TEST(IconRecordTest, TooManyPartsAreNotWritten)
{
    IconRecord record = SampleRecord();
    record.inputs.resize(26);
    EXPECT_EQ(std::get<RecordError>(WriteIconRecord(record)).field, "input count");
    record = SampleRecord();
    record.outputs.resize(25);
    EXPECT_EQ(std::get<RecordError>(WriteIconRecord(record)).field, "output count");
    record = SampleRecord();
    record.tail.resize(0x10000);
    EXPECT_EQ(std::get<RecordError>(WriteIconRecord(record)).kind, RecordErrorKind::BadLength);
}

TEST(IconRecordTest, ClearingKeepsOnlyThePlainFlag)
{
    const std::array<std::pair<std::uint8_t, std::uint8_t>, 4> cases = {{{0x02, 0x02}, {0x00, 0x00}, {0x03, 0x00}, {0x06, 0x00}}};
    for (const auto& [flags, expected] : cases) {
        InputLink link{12, 3, flags};
        ClearInputLink(link);
        EXPECT_EQ(link, (InputLink{0, 0, expected})) << int{flags};
    }
}

TEST(IconRecordTest, CompactionMovesConnectedInputsToTheFront)
{
    const std::vector<InputLink> inputs = {{4, 1, 0}, {0, 0, 2}, {6, 0, 2}, {0, 0, 0}};
    EXPECT_EQ(CompactInputLinks(inputs, 2), (std::vector<InputLink>{{4, 1, 0}, {6, 0, 2}}));
    EXPECT_EQ(CompactInputLinks(inputs, 3), (std::vector<InputLink>{{4, 1, 0}, {6, 0, 2}, {}}));
    EXPECT_EQ(CompactInputLinks(inputs, 9).size(), inputs.size());
    EXPECT_EQ(CompactInputLinks(inputs, 0, true).size(), 2u);
}

TEST(IconRecordTest, CompactionNeverGoesBelowNoInputs)
{
    const std::vector<InputLink> none = {{0, 0, 0}, {0, 3, 2}};
    EXPECT_TRUE(CompactInputLinks(none, 0).empty());
    EXPECT_TRUE(CompactInputLinks(none, 0, true).empty());
    EXPECT_TRUE(CompactInputLinks(none, 1, true).empty());
    EXPECT_EQ(CompactInputLinks(none, 2, true).size(), 1u);
}

}  // namespace
}  // namespace icon_record_test
}  // namespace corvane
