#include "halvix/protocol/RemoteIconLayout.h"

#include "base/ByteWriter.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <vector>

namespace corvane {
namespace remote_icon_layout_test {
namespace {

// A list reply of the header and one 34-byte record, then extra bytes.
std::vector<std::uint8_t> OneRecordReply(std::uint8_t kind, std::uint32_t value, std::size_t extra)
{
    std::vector<std::uint8_t> data(kRemoteListHeaderSize + kRemoteRecordSize + extra, 0xEE);
    ByteWriter writer(data);
    writer.U32LE(0x11111111);  // not read
    writer.U32LE(0);
    writer.U16LE(321);
    writer.U8(0x55);  // not read
    writer.U8(kind);
    writer.U32LE(0x22222222);  // not read
    writer.U32LE(value);
    writer.FixedText("Setpoint", kRemoteRecordNameSize);
    return data;
}

TEST(RemoteControlList, ReadsWholeRecordsAndIgnoresTheRest)
{
    const struct {
        const char* what;
        std::uint8_t kind;
        std::uint32_t value;
        std::size_t extra;
        bool isSwitch;
        bool high;
        float constant;
    } cases[] = {
        {"constant, 8 + 35 bytes", 7, std::bit_cast<std::uint32_t>(-12.5f), 1, false, false, -12.5f},
        {"constant, whole", 1, std::bit_cast<std::uint32_t>(3.0f), 0, false, false, 3.0f},
        {"switch high", 0, 0x01, 33, true, true, 0},
        {"switch with state 2 is low", 0, 0x02, 0, true, false, 0},
        {"switch reads the first byte only", 0, 0xFFFFFF01, 0, true, true, 0},
    };
    for (const auto& c : cases) {
        auto parsed = ParseRemoteControlList(OneRecordReply(c.kind, c.value, c.extra));
        ASSERT_TRUE(std::holds_alternative<RemoteControlList>(parsed)) << c.what;
        const auto& list = std::get<RemoteControlList>(parsed);
        EXPECT_EQ(list.continuation, 0u) << c.what;
        ASSERT_EQ(list.records.size(), 1u) << c.what;
        const RemoteControlRecord& record = list.records[0];
        EXPECT_EQ(record.iconId, 321) << c.what;
        EXPECT_EQ(record.name, "Setpoint") << c.what;
        EXPECT_EQ(record.isSwitch, c.isSwitch) << c.what;
        if (c.isSwitch)
            EXPECT_EQ(record.switchHigh, c.high) << c.what;
        else
            EXPECT_EQ(record.constant, c.constant) << c.what;
    }
}

TEST(RemoteControlList, HeaderAloneHoldsNoRecordsAndShorterIsRefused)
{
    for (std::size_t size = 0; size <= kRemoteListHeaderSize + kRemoteRecordSize; ++size) {
        std::vector<std::uint8_t> data(size, 0);
        if (size >= 8)
            data[4] = 9;  // continuation 9
        auto parsed = ParseRemoteControlList(data);
        if (size < kRemoteListHeaderSize) {
            ASSERT_TRUE(std::holds_alternative<ByteError>(parsed)) << size;
            EXPECT_EQ(std::get<ByteError>(parsed).field, "header");
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<RemoteControlList>(parsed)) << size;
        EXPECT_EQ(std::get<RemoteControlList>(parsed).continuation, 9u);
        EXPECT_EQ(std::get<RemoteControlList>(parsed).records.size(), size == 42 ? 1u : 0u) << size;
    }
}

TEST(RemoteControlList, BuiltPartsReadBackAndNamesKeepTheirEnd)
{
    const std::vector<RemoteControlRecord> records{
        {5, false, false, 1.25f, "Flow limit"},
        {6, true, true, 0, "Pump"},
        {7, true, false, 0, std::string(30, 'n')},
    };
    auto parsed = ParseRemoteControlList(BuildRemoteControlList(4, records));
    ASSERT_TRUE(std::holds_alternative<RemoteControlList>(parsed));
    const auto& list = std::get<RemoteControlList>(parsed);
    EXPECT_EQ(list.continuation, 4u);
    ASSERT_EQ(list.records.size(), 3u);
    EXPECT_EQ(list.records[0], records[0]);
    EXPECT_EQ(list.records[1].switchHigh, true);
    EXPECT_EQ(list.records[2].name, std::string(21, 'n'));
}

TEST(RemoteIconBlocks, CarryTheOperationAndTheValue)
{
    using Block = std::array<std::uint8_t, kRemoteIconBlockSize>;
    EXPECT_EQ(RemoteListBlock(0), (Block{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(RemoteListBlock(0x01020304), (Block{0, 0, 4, 3, 2, 1}));
    EXPECT_EQ(RemoteSwitchBlock(true), (Block{1, 0, 1, 0, 0, 0}));
    EXPECT_EQ(RemoteSwitchBlock(false), (Block{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(RemoteConstantBlock(1000.0f), (Block{1, 0, 0x00, 0x00, 0x7A, 0x44}));
    auto parsed = ParseRemoteIconBlock(RemoteListBlock(77));
    ASSERT_TRUE(std::holds_alternative<RemoteIconBlock>(parsed));
    EXPECT_EQ(std::get<RemoteIconBlock>(parsed).operation, kRemoteOperationList);
    EXPECT_EQ(std::get<RemoteIconBlock>(parsed).Continuation(), 77u);
    const Block block = RemoteListBlock(77);
    EXPECT_TRUE(std::holds_alternative<ByteError>(ParseRemoteIconBlock(std::span(block).first(5))));
}

TEST(ProbeReplies, DescriptorsAndValuesReadBackInOrder)
{
    const std::vector<ProbeDescriptor> descriptors{
        {11, "Tank level", "m", 2, kProbeReal},
        {12, "Pump on", "", 0, kProbeBoolean},
        {13, std::string(40, 'x'), std::string(20, 'u'), 0, kProbeInteger},
    };
    auto parsedDescriptors = ParseProbeDescriptors(BuildProbeDescriptors(3, descriptors));
    ASSERT_TRUE(std::holds_alternative<ProbeDescriptorList>(parsedDescriptors));
    const auto& read = std::get<ProbeDescriptorList>(parsedDescriptors);
    EXPECT_EQ(read.continuation, 3u);
    ASSERT_EQ(read.descriptors.size(), 3u);
    EXPECT_EQ(read.descriptors[0], descriptors[0]);
    EXPECT_EQ(read.descriptors[1], descriptors[1]);
    EXPECT_EQ(read.descriptors[2].name, std::string(21, 'x'));
    EXPECT_EQ(read.descriptors[2].units, std::string(9, 'u'));
    EXPECT_EQ(read.descriptors[2].dataType, kProbeInteger);

    const std::vector<ProbeValueEntry> entries{{0, {}}, {1767605400, ProbeRealBytes(-2.5f)}, {5, ProbeBooleanBytes(true)}};
    std::vector<std::uint8_t> data = BuildProbeValues(0, entries);
    data.push_back(0xAB);  // an odd byte is no entry
    auto parsedValues = ParseProbeValues(data);
    ASSERT_TRUE(std::holds_alternative<ProbeValueList>(parsedValues));
    const auto& values = std::get<ProbeValueList>(parsedValues);
    EXPECT_EQ(values.continuation, 0u);
    EXPECT_EQ(values.entries, entries);
    EXPECT_EQ(values.entries[1].Real(), -2.5f);
}

TEST(ProbeReplies, ShortDataIsRefusedAndPartialItemsIgnored)
{
    for (std::size_t size = 0; size < kProbeHeaderSize + kProbeDescriptorSize; ++size) {
        const std::vector<std::uint8_t> data(size, 0);
        const bool header = size >= kProbeHeaderSize;
        auto descriptors = ParseProbeDescriptors(data);
        auto values = ParseProbeValues(data);
        ASSERT_EQ(std::holds_alternative<ProbeDescriptorList>(descriptors), header) << size;
        ASSERT_EQ(std::holds_alternative<ProbeValueList>(values), header) << size;
        if (!header)
            continue;
        EXPECT_TRUE(std::get<ProbeDescriptorList>(descriptors).descriptors.empty()) << size;
        EXPECT_EQ(std::get<ProbeValueList>(values).entries.size(), (size - kProbeHeaderSize) / kProbeValueEntrySize)
            << size;
    }
}

}  // namespace
}  // namespace remote_icon_layout_test
}  // namespace corvane
