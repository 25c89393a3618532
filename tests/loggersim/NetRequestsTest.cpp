#include "loggersim/NetRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/NetImageFile.h"
#include "tests/loggersim/TestNetImage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace net_requests_test {
namespace {

using test::MakeTestNetImage;

constexpr std::int64_t kHostTime = 1700000000;

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload = {})
{
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = type;
    frame.requestId = 7;
    frame.payload = std::move(payload);
    return frame;
}

Frame NetSetRequest(std::uint32_t value, std::span<const std::uint8_t> block)
{
    std::vector<std::uint8_t> payload(kNetBlockOffset + block.size());
    ByteWriter writer(payload);
    writer.U32LE(value);
    writer.Bytes(block);
    return Request(kRequestNetSet, std::move(payload));
}

Frame NetGetRequest(std::uint32_t value)
{
    std::vector<std::uint8_t> payload(kNetValueSize);
    ByteWriter(payload).U32LE(value);
    return Request(kRequestNetGet, std::move(payload));
}

std::uint32_t ValueOf(const Frame& reply)
{
    ByteReader reader(reply.payload);
    return reader.U32LE();
}

class NetRequestsTest : public ::testing::Test {
protected:
    Frame Handle(const Frame& request)
    {
        last_ = HandleRequest(state_, request, kHostTime);
        EXPECT_TRUE(last_.reply.has_value());
        return last_.reply.value_or(Frame{});
    }

    // Sends image in blocks of kNetBlockSize and the final call, each with
    // the value the previous reply gave; returns the final reply's value.
    std::uint32_t Upload(std::span<const std::uint8_t> image)
    {
        std::uint32_t value = 0;
        for (std::size_t offset = 0; offset < image.size(); offset += kNetBlockSize) {
            const Frame reply
                = Handle(NetSetRequest(value, image.subspan(offset, std::min(kNetBlockSize, image.size() - offset))));
            EXPECT_FALSE(reply.error) << offset;
            value = ValueOf(reply);
        }
        const Frame finalCall = Handle(NetSetRequest(value, {}));
        EXPECT_FALSE(finalCall.error);
        return ValueOf(finalCall);
    }

    std::vector<std::uint8_t> Download()
    {
        std::vector<std::uint8_t> read;
        std::uint32_t value = 0;
        do {
            const Frame reply = Handle(NetGetRequest(value));
            if (reply.error || reply.payload.size() < kNetBlockOffset)
                return read;
            EXPECT_LE(reply.payload.size() - kNetBlockOffset, kNetBlockSize);
            read.insert(read.end(), reply.payload.begin() + kNetBlockOffset, reply.payload.end());
            value = ValueOf(reply);
        } while (value != 0);
        return read;
    }

    LoggerState state_ = LoggerState::Fresh();
    RequestOutcome last_;
};

TEST_F(NetRequestsTest, AnUploadInBlocksBecomesTheNetOnInit)
{
    // A partial last block, an exact multiple of the block size, one block.
    for (const std::size_t size : {2500u, 2048u, 300u}) {
        const auto image = MakeTestNetImage(size, "Net " + std::to_string(size), "Tanks");
        EXPECT_EQ(Upload(image), size);
        EXPECT_TRUE(state_.pendingNet && state_.pendingNet->ended);
        const Frame init = Handle(Request(kRequestNetInit));
        EXPECT_FALSE(init.error) << size;
        EXPECT_EQ(init.code, 0);
        EXPECT_TRUE(last_.netChanged);
        EXPECT_TRUE(last_.stateChanged);
        EXPECT_EQ(state_.netImage, image);
        EXPECT_FALSE(state_.pendingNet.has_value());
        EXPECT_EQ(state_.netName, "Net " + std::to_string(size));
        EXPECT_EQ(state_.netDescription, "Tanks");
        EXPECT_EQ(state_.netMemoryBytes, static_cast<std::int32_t>(size));
    }
}

TEST_F(NetRequestsTest, ABlockThatDoesNotFollowIsRefused)
{
    const auto image = MakeTestNetImage(3000);
    const auto first = std::span(image).first(kNetBlockSize);
    const struct {
        const char* what;
        bool sendFirst;
        bool sendFinal;
        std::uint32_t value;
    } cases[] = {
        {"nothing under way", false, false, 1024},
        {"value behind the count", true, false, 512},
        {"value past the count", true, false, 2048},
        {"after the final call", true, true, 1024},
    };
    for (const auto& c : cases) {
        state_.pendingNet.reset();
        if (c.sendFirst)
            Handle(NetSetRequest(0, first));
        if (c.sendFinal)
            Handle(NetSetRequest(kNetBlockSize, {}));
        const Frame reply = Handle(NetSetRequest(c.value, first));
        EXPECT_TRUE(reply.error) << c.what;
        EXPECT_EQ(reply.code, kSimErrorNetSequence) << c.what;
    }
    // Value 0 always starts again.
    EXPECT_EQ(Upload(image), image.size());
}

TEST_F(NetRequestsTest, BadNetSetAndNetGetDataIsRefused)
{
    const std::vector<std::uint8_t> tooLong(kNetBlockSize + 1, 1);
    const Frame cases[] = {
        Request(kRequestNetSet, {0, 0, 0}),
        NetSetRequest(0, tooLong),
        Request(kRequestNetGet, {0, 0}),
        Request(kRequestNetGet, {0, 0, 0, 0, 0}),
    };
    for (const Frame& request : cases) {
        const Frame reply = Handle(request);
        EXPECT_TRUE(reply.error);
        EXPECT_EQ(reply.code, kSimErrorBadRequestData) << request.requestType << " " << request.payload.size();
    }
}

TEST_F(NetRequestsTest, AnImageBeyondTheLimitIsRefusedAndDropped)
{
    const std::vector<std::uint8_t> block(kNetBlockSize, 0x5A);
    std::uint32_t value = 0;
    for (std::size_t sent = 0; sent < kSimNetMaxSize; sent += kNetBlockSize)
        value = ValueOf(Handle(NetSetRequest(value, block)));
    EXPECT_EQ(value, kSimNetMaxSize);
    const std::uint8_t one[] = {1};
    const Frame reply = Handle(NetSetRequest(value, one));
    EXPECT_TRUE(reply.error);
    EXPECT_EQ(reply.code, kSimErrorNetTooLarge);
    EXPECT_FALSE(state_.pendingNet.has_value());
}

TEST_F(NetRequestsTest, InitRefusesABadLengthOrCrcAndKeepsTheOldNet)
{
    const auto kept = MakeTestNetImage(200, "Kept");
    Upload(kept);
    Handle(Request(kRequestNetInit));
    ASSERT_EQ(state_.netImage, kept);

    const auto good = MakeTestNetImage(1500);
    auto longerField = good;
    longerField[0] ^= 0x01;
    auto badCrc = good;
    badCrc.back() ^= 0x80;
    auto badRecord = good;
    badRecord[700] ^= 0x10;
    const std::vector<std::uint8_t> lengthOnly(good.begin(), good.begin() + 4);
    const struct {
        const char* what;
        std::vector<std::uint8_t> image;
        std::uint16_t code;
    } cases[] = {
        {"length field", longerField, kSimErrorNetLength},
        {"last block missing", std::vector<std::uint8_t>(good.begin(), good.begin() + 1024), kSimErrorNetLength},
        {"only the length field", lengthOnly, kSimErrorNetLength},
        {"nothing", {}, kSimErrorNetLength},
        {"crc", badCrc, kSimErrorNetCrc},
        {"a record byte", badRecord, kSimErrorNetCrc},
    };
    for (const auto& c : cases) {
        Upload(c.image);
        const Frame reply = Handle(Request(kRequestNetInit));
        EXPECT_TRUE(reply.error) << c.what;
        EXPECT_EQ(reply.code, c.code) << c.what;
        EXPECT_FALSE(last_.netChanged) << c.what;
        EXPECT_EQ(state_.netImage, kept) << c.what;
        EXPECT_EQ(state_.netName, "Kept") << c.what;
        // The refused image is dropped: another init has nothing to take.
        EXPECT_EQ(Handle(Request(kRequestNetInit)).code, kSimErrorNoNetSent) << c.what;
    }
}

TEST_F(NetRequestsTest, InitNeedsAnEndedImage)
{
    EXPECT_EQ(Handle(Request(kRequestNetInit)).code, kSimErrorNoNetSent);
    const auto image = MakeTestNetImage(500);
    Handle(NetSetRequest(0, image));
    const Frame reply = Handle(Request(kRequestNetInit));
    EXPECT_TRUE(reply.error);
    EXPECT_EQ(reply.code, kSimErrorNoNetSent);
    EXPECT_TRUE(state_.netImage.empty());
}

TEST_F(NetRequestsTest, InitAndEraseAreRefusedWhileTheLoggerIsEnabled)
{
    Upload(MakeTestNetImage(400));
    state_.running = true;
    for (const std::uint16_t type : {kRequestNetInit, kRequestEraseAll}) {
        const Frame reply = Handle(Request(type));
        EXPECT_TRUE(reply.error) << type;
        EXPECT_EQ(reply.code, kSimErrorLoggerEnabled) << type;
        EXPECT_FALSE(last_.sessionsErased);
        EXPECT_FALSE(last_.netChanged);
    }
    EXPECT_TRUE(state_.netImage.empty());
}

TEST_F(NetRequestsTest, NetParmTellsWhetherANetIsPresent)
{
    const auto image = MakeTestNetImage(777, "Boiler Room");
    for (const bool present : {false, true}) {
        if (present) {
            Upload(image);
            Handle(Request(kRequestNetInit));
        }
        const Frame reply = Handle(Request(kRequestNetParm));
        EXPECT_FALSE(reply.error);
        ByteReader reader(reply.payload);
        EXPECT_EQ(reader.U16LE(), present ? kNetStatusPresent : kNetStatusAbsent);
        EXPECT_EQ(reader.U32LE(), present ? image.size() : 0u);
        const std::string name = present ? "Boiler Room" : "";
        EXPECT_EQ(reader.FixedText(reader.Remaining()), name);
        EXPECT_EQ(reply.payload.size(), kNetParmNameOffset + name.size() + 1);
        EXPECT_EQ(reply.payload.back(), 0);
    }
}

TEST_F(NetRequestsTest, NetGetReadsTheNetBackByteForByte)
{
    for (const std::size_t size : {3333u, 4096u, 100u}) {
        const auto image = MakeTestNetImage(size);
        Upload(image);
        Handle(Request(kRequestNetInit));
        EXPECT_EQ(Download(), image) << size;
    }
}

TEST_F(NetRequestsTest, NetGetRefusesWithoutANetOrPastItsEnd)
{
    EXPECT_EQ(Handle(NetGetRequest(0)).code, kSimErrorNoNet);
    const auto image = MakeTestNetImage(1500);
    Upload(image);
    Handle(Request(kRequestNetInit));
    EXPECT_EQ(Handle(NetGetRequest(1500)).code, kSimErrorNetSequence);
    EXPECT_EQ(Handle(NetGetRequest(0xFFFFFFFF)).code, kSimErrorNetSequence);
}

TEST_F(NetRequestsTest, EraseAllErasesTheLoggedDataAndKeepsTheNet)
{
    const auto image = MakeTestNetImage(600);
    Upload(image);
    Handle(Request(kRequestNetInit));
    state_.logUsedKb = 300;
    const Frame reply = Handle(Request(kRequestEraseAll));
    EXPECT_FALSE(reply.error);
    EXPECT_EQ(reply.code, 0);
    EXPECT_TRUE(last_.sessionsErased);
    EXPECT_TRUE(last_.stateChanged);
    EXPECT_EQ(state_.logUsedKb, 0u);
    EXPECT_EQ(state_.netImage, image);
}

}  // namespace
}  // namespace net_requests_test
}  // namespace corvane
