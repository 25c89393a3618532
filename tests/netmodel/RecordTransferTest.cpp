#include "netmodel/RecordTransfer.h"

#include <gtest/gtest.h>

namespace corvane {
namespace record_transfer_test {
namespace {

TEST(RecordTransfer, FieldsRoundTripLittleEndian)
{
    RecordTransfer out = RecordTransfer::ForStoring();
    std::uint8_t a = 0x12;
    std::uint16_t b = 0x3456;
    std::int32_t c = -2;
    float d = 1.5f;
    std::string e = "name";
    out.U8(a, "a");
    out.U16(b, "b");
    out.I32(c, "c");
    out.F32(d, "d");
    out.FixedText(e, 6, "e");
    EXPECT_EQ(out.NetString(e, 10, true, "f"), 6u);
    const std::vector<std::uint8_t> bytes = out.Written();
    EXPECT_EQ(bytes.size(), 1u + 2 + 4 + 4 + 6 + 6);
    EXPECT_EQ(bytes[1], 0x56);
    EXPECT_EQ(bytes[2], 0x34);

    RecordTransfer in = RecordTransfer::ForLoading(bytes);
    std::uint8_t a2 = 0;
    std::uint16_t b2 = 0;
    std::int32_t c2 = 0;
    float d2 = 0;
    std::string e2, f2;
    in.U8(a2, "a");
    in.U16(b2, "b");
    in.I32(c2, "c");
    in.F32(d2, "d");
    in.FixedText(e2, 6, "e");
    in.NetString(f2, 10, true, "f");
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(std::tuple(a2, b2, c2, d2, e2, f2), std::tuple(a, b, c, d, e, e));
    EXPECT_EQ(in.Position(), bytes.size());
}

TEST(RecordTransfer, LoadingStopsAtTheFirstReadPastTheEnd)
{
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    RecordTransfer in = RecordTransfer::ForLoading(bytes);
    std::uint16_t first = 0;
    std::uint16_t second = 0xBEEF;
    std::uint8_t third = 0xAA;
    in.U16(first, "first");
    in.U16(second, "second");
    in.U8(third, "third");
    ASSERT_TRUE(in.Failed());
    EXPECT_EQ(in.Error()->field, "second");
    EXPECT_EQ(in.Error()->offset, 2u);
    EXPECT_EQ(second, 0xBEEF) << "left unchanged";
    EXPECT_EQ(third, 0xAA) << "later reads do nothing";
}

TEST(RecordTransfer, NetStringsNeedTheirTerminatorWithinTheMaximum)
{
    struct Case {
        std::vector<std::uint8_t> bytes;
        bool ok;
    };
    for (const Case& c : {Case{{'a', 'b', 0}, true}, Case{{'a', 'b', 'c', 'd', 0}, true},
             Case{{'a', 'b', 'c', 'd', 'e', 0}, false}, Case{{'a', 'b'}, false}}) {
        RecordTransfer in = RecordTransfer::ForLoading(c.bytes);
        std::string text;
        in.NetString(text, 4, false, "text");
        EXPECT_EQ(!in.Failed(), c.ok) << c.bytes.size();
    }
    std::string longText = "abcdefgh";
    RecordTransfer out = RecordTransfer::ForStoring();
    EXPECT_EQ(out.NetString(longText, 4, false, "text"), 5u) << "cut to the maximum";
}

}  // namespace
}  // namespace record_transfer_test
}  // namespace corvane
