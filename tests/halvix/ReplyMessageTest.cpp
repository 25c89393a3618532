#include "halvix/CReplyMessage.h"

#include "halvix/ReplyMemoryPool.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <thread>

namespace corvane {
namespace reply_message_test {
namespace {

CReplyMessage MakeReply(std::vector<std::uint8_t> data) { return CReplyMessage(0, 0, false, {}, std::move(data)); }

TEST(ReplyMessageTest, TypedReadsInsideTheDataGiveLittleEndianValues)
{
    const CReplyMessage reply = MakeReply({0x4C, 0x00, 0xA1, 0x86, 0x01, 0x00, 0x00, 0x00, 0x80, 0x3F, 0xFF, 0xFF});
    EXPECT_EQ(reply.DataLength(), 12u);
    EXPECT_EQ(reply.U16At(0), 76);
    EXPECT_EQ(reply.U32At(2), 100001u);
    EXPECT_EQ(reply.F32At(6), 1.0f);
    EXPECT_EQ(reply.I16At(10), -1);
    EXPECT_EQ(reply.I32At(8), static_cast<std::int32_t>(0xFFFF3F80));
    EXPECT_EQ(reply.U8At(11), 0xFF);
    EXPECT_EQ(reply.BytesAt(10, 2).size(), 2u);
}

TEST(ReplyMessageTest, ReadsPastTheDataGiveNothing)
{
    const CReplyMessage reply = MakeReply({1, 2, 3});
    EXPECT_FALSE(reply.U32At(0).has_value());
    EXPECT_FALSE(reply.U16At(2).has_value());
    EXPECT_FALSE(reply.U8At(3).has_value());
    EXPECT_FALSE(reply.U8At(SIZE_MAX).has_value());
    EXPECT_TRUE(reply.BytesAt(2, 2).empty());
    EXPECT_TRUE(reply.BytesAt(SIZE_MAX, 1).empty());
    EXPECT_EQ(reply.TextAt(3), "");

    const CReplyMessage empty = MakeReply({});
    EXPECT_FALSE(empty.HasData());
    EXPECT_FALSE(empty.U8At(0).has_value());
    EXPECT_TRUE(empty.Data().empty());
}

TEST(ReplyMessageTest, TextEndsAtNulEndOfDataOrLimit)
{
    const CReplyMessage reply = MakeReply({0, 0, 'L', 'o', 'g', 0, 'x', 'y'});
    EXPECT_EQ(reply.TextAt(2), "Log");
    EXPECT_EQ(reply.TextAt(6), "xy");
    EXPECT_EQ(reply.TextAt(2, 2), "Lo");
}

TEST(ReplyMessageTest, KeepsItsErrorFields)
{
    const CReplyMessage reply(11, 0x4103, true, "Configuration item 200 is not present", {0x03, 0x41, 'C', 0});
    EXPECT_EQ(reply.RequestType(), 11);
    EXPECT_EQ(reply.Code(), 0x4103);
    EXPECT_TRUE(reply.ErrorFlag());
    EXPECT_EQ(reply.ErrorText(), "Configuration item 200 is not present");
}

TEST(ReplyMessageTest, AReplyMadeInOneBlockReadsAsTheSame)
{
    // Empty, small, a download block, past the pool's block and the
    // largest payload; from the heap and from a pool.
    const auto pool = std::make_shared<ReplyMemoryPool>();
    for (const std::size_t size :
        {std::size_t{0}, std::size_t{3}, std::size_t{1028}, std::size_t{1300}, std::size_t{65536}}) {
        std::vector<std::uint8_t> data(size);
        std::iota(data.begin(), data.end(), std::uint8_t{11});
        const CReplyMessage expected(0x4C9, 0x4103, true, "Bad block", data);
        for (const auto& from : {std::shared_ptr<ReplyMemoryPool>{}, pool}) {
            std::unique_ptr<CReplyMessage> reply = CReplyMessage::Make(0x4C9, 0x4103, true, "Bad block", data, from);
            EXPECT_EQ(reply->RequestType(), expected.RequestType());
            EXPECT_EQ(reply->Code(), expected.Code());
            EXPECT_EQ(reply->ErrorFlag(), expected.ErrorFlag());
            EXPECT_EQ(reply->ErrorText(), expected.ErrorText());
            EXPECT_EQ(reply->DataLength(), size);
            EXPECT_TRUE(std::equal(reply->Data().begin(), reply->Data().end(), data.begin(), data.end()))
                << "size " << size;
            EXPECT_EQ(reply->U32At(size >= 4 ? size - 4 : 0), expected.U32At(size >= 4 ? size - 4 : 0));
        }
    }
}

TEST(ReplyMessageTest, APooledReplyFreedElsewhereLeavesItsBlockForTheNext)
{
    auto pool = std::make_shared<ReplyMemoryPool>();
    const std::vector<std::uint8_t> data(1028, 0x3C);
    std::unique_ptr<Payload> first = CReplyMessage::Make(0x4C9, 0, false, {}, data, pool);
    const Payload* place = first.get();
    std::thread([&] { first.reset(); }).join();
    const std::unique_ptr<CReplyMessage> second = CReplyMessage::Make(0x4C9, 0, false, {}, data, pool);
    EXPECT_EQ(second.get(), place);

    // A reply outlives the pool it came from.
    std::unique_ptr<CReplyMessage> kept = CReplyMessage::Make(0x4C8, 0, false, {}, data, pool);
    pool.reset();
    EXPECT_EQ(kept->U8At(1027), 0x3C);
    std::thread([&] { kept.reset(); }).join();
}

}  // namespace
}  // namespace reply_message_test
}  // namespace corvane
