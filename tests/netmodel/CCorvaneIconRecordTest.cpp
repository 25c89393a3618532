#include "NetTestIcons.h"

#include "netmodel/IconRecord.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_corvane_icon_record_test {
namespace {

using test::ClockIcon;
using test::GateIcon;
using test::Link;
using test::MathLikeIcon;
using test::Place;
using test::SourceIcon;

std::vector<std::uint8_t> Store(CCorvaneIcon& icon, TransferMode mode)
{
    auto stored = icon.StoreRecord(mode);
    EXPECT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(stored));
    return std::get<std::vector<std::uint8_t>>(stored);
}

std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}

class IconRecordTransfer : public ::testing::Test {
protected:
    CCorvaneDoc doc;
};

TEST_F(IconRecordTransfer, SaveModeRoundTripKeepsEverythingAndZeroesTheUnusedWords)
{
    auto& a = Place<SourceIcon>(doc);
    auto& b = Place<SourceIcon>(doc);
    auto& gate = Place<GateIcon>(doc);
    Link(a, 0, gate, 0);
    Link(b, 0, gate, 2);  // past the two inputs: ignored, the gate has grown by one only
    Link(b, 0, gate, 1);
    gate.Header().warningFlags = 0x0005;
    SetOutputData(gate.GetOutputEntries()[0], "Label");

    std::vector<std::uint8_t> bytes = Store(gate, TransferMode::Save);
    for (std::size_t at : {52u, 56u, 68u})
        EXPECT_EQ(U16At(bytes, at) | (U16At(bytes, at + 2) << 16), 0) << "word at " << at;
    EXPECT_EQ(U16At(bytes, 0), bytes.size());

    GateIcon copy;
    const auto loaded = copy.LoadRecord(bytes);
    ASSERT_TRUE(std::holds_alternative<std::size_t>(loaded));
    EXPECT_EQ(std::get<std::size_t>(loaded), bytes.size());
    EXPECT_EQ(copy.Header(), gate.Header());
    EXPECT_EQ(copy.InputCount(), gate.TotalInputs());
    EXPECT_TRUE(std::ranges::equal(copy.GetInputLinks(), gate.GetInputLinks()));
    EXPECT_TRUE(std::ranges::equal(copy.GetOutputEntries(), gate.GetOutputEntries()));
    EXPECT_EQ(Store(copy, TransferMode::Save), bytes);
}

TEST_F(IconRecordTransfer, TailAndFixedPartTravelWithTheRecord)
{
    SourceIcon icon;
    icon.value = 0xCAFEF00D;
    icon.tail = "hello";
    const auto bytes = Store(icon, TransferMode::Save);
    SourceIcon copy;
    copy.value = 0;
    ASSERT_TRUE(std::holds_alternative<std::size_t>(copy.LoadRecord(bytes)));
    EXPECT_EQ(copy.value, 0xCAFEF00Du);
    EXPECT_EQ(copy.tail, "hello");
}

TEST_F(IconRecordTransfer, OddLengthsGetOneZeroPadByte)
{
    // Header 72 + fixed 4 + output 12 + tail (text and NUL).
    for (const std::string tail : {"", "a", "ab", "abc"}) {
        SourceIcon icon;
        icon.tail = tail;
        const auto bytes = Store(icon, TransferMode::Save);
        const std::size_t sum = 72 + 4 + 12 + tail.size() + 1;
        EXPECT_EQ(bytes.size(), sum + sum % 2) << tail;
        EXPECT_EQ(bytes.size() % 2, 0u);
        EXPECT_EQ(bytes.back(), 0);
    }
}

TEST_F(IconRecordTransfer, LongNamesAreCutToTwentyBytes)
{
    SourceIcon icon;
    icon.SetName("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(icon.Header().name, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(icon.Caption(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    auto bytes = Store(icon, TransferMode::Save);
    EXPECT_EQ(bytes[32], 0);
    // A stored name that fills its field with no terminator is cut too.
    for (std::size_t i = 12; i <= 32; ++i)
        bytes[i] = 'x';
    SourceIcon copy;
    ASSERT_TRUE(std::holds_alternative<std::size_t>(copy.LoadRecord(bytes)));
    EXPECT_EQ(copy.Header().name, std::string(20, 'x'));
    EXPECT_EQ(copy.Caption(), std::string(20, 'x')) << "a loaded icon is called what its record says";
}

TEST_F(IconRecordTransfer, TypeTwoSeventyThreeAlwaysCarriesFourInputs)
{
    MathLikeIcon icon;
    auto bytes = Store(icon, TransferMode::Compile);
    EXPECT_EQ(bytes[10], 4);
    bytes[10] = 1;  // whatever the byte says, four links are read
    MathLikeIcon copy;
    ASSERT_TRUE(std::holds_alternative<std::size_t>(copy.LoadRecord(bytes)));
    EXPECT_EQ(copy.InputCount(), 4);
}

TEST_F(IconRecordTransfer, UnconnectedLinksAreWrittenWithOutputZero)
{
    SourceIcon source;
    GateIcon gate;
    gate.GetInputLinks()[0] = InputLink{0, 5, 0x02};
    const auto bytes = Store(gate, TransferMode::Save);
    const std::size_t firstLink = 72 + 1;
    EXPECT_EQ(bytes[firstLink + 2], 0) << "source output";
    EXPECT_EQ(bytes[firstLink + 3], 0x02) << "flags kept";
}

TEST_F(IconRecordTransfer, CompileModeWritesOnlyTheConnectedInputsInOrder)
{
    auto& a = Place<SourceIcon>(doc);
    auto& b = Place<SourceIcon>(doc);
    auto& gate = Place<GateIcon>(doc, 300, 100, 3);
    gate.GetInputLinks()[0] = InputLink{a.UniqueId(), 0, 0};
    gate.GetInputLinks()[2] = InputLink{b.UniqueId(), 0, 0};

    const auto compiled = Store(gate, TransferMode::Compile);
    EXPECT_EQ(compiled[10], 2);
    EXPECT_EQ(compiled.size(), 72u + 1 + 2 * 8 + 12 + 1);
    EXPECT_EQ(U16At(compiled, 73), a.UniqueId());
    EXPECT_EQ(U16At(compiled, 81), b.UniqueId());
    EXPECT_EQ(gate.GetInputLinks()[1].sourceId, 0) << "the icon itself keeps its gaps";

    const auto saved = Store(gate, TransferMode::Save);
    EXPECT_EQ(saved[10], 3);
    EXPECT_EQ(U16At(saved, 81), 0);
}

TEST_F(IconRecordTransfer, CompactionKeepsTheMinimumAndNeverGoesNegative)
{
    GateIcon gate;  // minimum 2, nothing linked: two empty links stay
    EXPECT_EQ(Store(gate, TransferMode::Compile)[10], 2);
    ClockIcon clock;  // minimum 0, its input unlinked
    const auto bytes = Store(clock, TransferMode::Compile);
    EXPECT_EQ(bytes[10], 0);
    EXPECT_EQ(bytes.size(), 72u + 8 + 12);
}

TEST_F(IconRecordTransfer, RefusesBadLengthsAndCounts)
{
    SourceIcon icon;
    const auto good = Store(icon, TransferMode::Save);
    struct Case {
        const char* what;
        std::size_t offset;
        std::uint8_t value;
        RecordErrorKind kind;
    };
    const Case cases[] = {
        {"length below the header", 0, 70, RecordErrorKind::BadLength},
        {"odd length", 0, static_cast<std::uint8_t>(good.size() - 1), RecordErrorKind::BadLength},
        {"length past the bytes", 0, static_cast<std::uint8_t>(good.size() + 2), RecordErrorKind::Truncated},
        {"26 inputs", 10, 26, RecordErrorKind::BadCount},
        {"25 outputs", 11, 25, RecordErrorKind::BadCount},
        {"links past the length", 10, 3, RecordErrorKind::Truncated},
    };
    for (const Case& c : cases) {
        auto bytes = good;
        bytes[c.offset] = c.value;
        SourceIcon copy;
        const auto loaded = copy.LoadRecord(bytes);
        ASSERT_TRUE(std::holds_alternative<RecordError>(loaded)) << c.what;
        EXPECT_EQ(std::get<RecordError>(loaded).kind, c.kind) << c.what;
    }
}

TEST_F(IconRecordTransfer, RefusesEveryTruncation)
{
    SourceIcon icon;
    icon.tail = "tail text";
    const auto good = Store(icon, TransferMode::Save);
    for (std::size_t n = 0; n < good.size(); ++n) {
        SourceIcon copy;
        EXPECT_TRUE(std::holds_alternative<RecordError>(copy.LoadRecord(std::span(good).first(n)))) << n;
    }
    // A stored length that cuts the tail short is refused as well.
    for (std::size_t length = 72; length < good.size(); length += 2) {
        auto bytes = good;
        bytes[0] = static_cast<std::uint8_t>(length);
        SourceIcon copy;
        EXPECT_TRUE(std::holds_alternative<RecordError>(copy.LoadRecord(bytes))) << length;
    }
}

TEST_F(IconRecordTransfer, AgreesWithTheRecordParser)
{
    auto& a = Place<SourceIcon>(doc);
    auto& gate = Place<GateIcon>(doc);
    Link(a, 0, gate, 1);
    const auto bytes = Store(gate, TransferMode::Save);
    const auto parsed = ParseIconRecord(bytes, 72 + 1);
    ASSERT_TRUE(std::holds_alternative<IconRecord>(parsed));
    const IconRecord& record = std::get<IconRecord>(parsed);
    EXPECT_EQ(record.header.uniqueId, gate.UniqueId());
    EXPECT_EQ(record.fixedPart, std::vector<std::uint8_t>{0});
    ASSERT_EQ(record.inputs.size(), 2u);
    EXPECT_EQ(record.inputs[1].sourceId, a.UniqueId());
    EXPECT_EQ(record.tail, std::vector<std::uint8_t>{0}) << "the pad byte";
}

}  // namespace
}  // namespace c_corvane_icon_record_test
}  // namespace corvane
