#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/FrameReader.h"

#include "base/ByteWriter.h"
#include "base/Crc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <numeric>

namespace corvane {
namespace frame_codec_test {
namespace {

Frame MakeFrame(FrameKind kind, std::uint16_t type, std::uint32_t id, std::size_t payloadSize, bool error = false)
{
    Frame frame;
    frame.kind = kind;
    frame.error = error;
    frame.requestType = type;
    frame.requestId = id;
    frame.code = error ? 0x4103 : 0;
    frame.payload.resize(payloadSize);
    std::iota(frame.payload.begin(), frame.payload.end(), std::uint8_t{7});
    return frame;
}

std::vector<std::uint8_t> Encode(const Frame& frame)
{
    auto bytes = EncodeFrame(frame);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or(std::vector<std::uint8_t>{});
}

std::vector<Frame> ReadAll(FrameReader& reader)
{
    std::vector<Frame> frames;
    while (auto frame = reader.Next())
        frames.push_back(std::move(*frame));
    return frames;
}

std::vector<Frame> Decode(std::span<const std::uint8_t> bytes)
{
    FrameReader reader;
    reader.Feed(bytes);
    return ReadAll(reader);
}

TEST(FrameCodecTest, FramesOfEveryKindAndSizeSurviveARoundTrip)
{
    const Frame cases[] = {
        MakeFrame(FrameKind::Request, 4064, 1, 0),
        MakeFrame(FrameKind::Request, 12, 0xFFFFFFFF, 135),
        MakeFrame(FrameKind::Reply, 0, 77, 136),
        MakeFrame(FrameKind::Reply, 11, 78, 40, true),
        MakeFrame(FrameKind::Unsolicited, 0xE002, 0, 30),
        MakeFrame(FrameKind::Reply, 32, 5, kMaxFramePayload),
    };
    for (const Frame& frame : cases) {
        const auto bytes = Encode(frame);
        EXPECT_EQ(bytes.size(), kFrameOverhead + frame.payload.size());
        const auto decoded = Decode(bytes);
        ASSERT_EQ(decoded.size(), 1u) << "type " << frame.requestType;
        EXPECT_EQ(decoded[0], frame);
    }
}

TEST(FrameCodecTest, HeaderFieldsSitAtTheirOffsets)
{
    Frame frame = MakeFrame(FrameKind::Reply, 0x1234, 0xA1B2C3D4, 3, true);
    frame.code = 0x4121;
    const auto bytes = Encode(frame);
    const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 20);
    const std::vector<std::uint8_t> expected
        = {0x48, 0x58, 1, 2, 1, 0, 0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 0x21, 0x41, 0, 0, 3, 0, 0, 0};
    EXPECT_EQ(header, expected);
}

TEST(FrameCodecTest, AnOverlongPayloadIsNotEncoded)
{
    EXPECT_FALSE(EncodeFrame(MakeFrame(FrameKind::Request, 1, 1, kMaxFramePayload + 1)).has_value());
    std::vector<std::uint8_t> out = {1, 2, 3};
    EXPECT_FALSE(AppendFrame(MakeFrame(FrameKind::Request, 1, 1, kMaxFramePayload + 1), out));
    EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2, 3}));
}

// Frames appended one after another are the bytes of each, in order, and
// read back as they were.
TEST(FrameCodecTest, AppendedFramesFollowWhatWasThere)
{
    const Frame frames[] = {
        MakeFrame(FrameKind::Reply, 0x8002, 3, 1028),
        MakeFrame(FrameKind::Reply, 0x8002, 3, 0),
        MakeFrame(FrameKind::Unsolicited, 71, 0, 22),
    };
    std::vector<std::uint8_t> out = {0x48};  // a stray first magic byte, skipped on reading
    std::vector<std::uint8_t> expected = out;
    for (const Frame& frame : frames) {
        ASSERT_TRUE(AppendFrame(frame, out));
        const auto bytes = Encode(frame);
        expected.insert(expected.end(), bytes.begin(), bytes.end());
    }
    EXPECT_EQ(out, expected);
    const auto decoded = Decode(out);
    ASSERT_EQ(decoded.size(), 3u);
    for (std::size_t i = 0; i < decoded.size(); ++i)
        EXPECT_EQ(decoded[i], frames[i]);
}

TEST(FrameCodecTest, EveryTruncationWaitsAndTheRestCompletesTheFrame)
{
    const Frame frame = MakeFrame(FrameKind::Reply, 0, 9, 50);
    const auto bytes = Encode(frame);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        FrameReader reader;
        reader.Feed(std::span(bytes).first(length));
        EXPECT_FALSE(reader.Next().has_value()) << "cut at " << length;
        reader.Feed(std::span(bytes).subspan(length));
        const auto frames = ReadAll(reader);
        ASSERT_EQ(frames.size(), 1u) << "cut at " << length;
        EXPECT_EQ(frames[0], frame);
    }
}

TEST(FrameCodecTest, BytesSplitAtEveryPlaceGiveTheSameFrames)
{
    const Frame first = MakeFrame(FrameKind::Unsolicited, 71, 0, 22);
    const Frame second = MakeFrame(FrameKind::Reply, 8, 3, 2);
    auto bytes = Encode(first);
    const auto more = Encode(second);
    bytes.insert(bytes.end(), more.begin(), more.end());
    for (std::size_t split = 0; split <= bytes.size(); ++split) {
        FrameReader reader;
        reader.Feed(std::span(bytes).first(split));
        auto frames = ReadAll(reader);
        reader.Feed(std::span(bytes).subspan(split));
        const auto rest = ReadAll(reader);
        frames.insert(frames.end(), rest.begin(), rest.end());
        ASSERT_EQ(frames.size(), 2u) << "split at " << split;
        EXPECT_EQ(frames[0], first);
        EXPECT_EQ(frames[1], second);
        EXPECT_EQ(reader.BufferedBytes(), 0u);
    }
}

TEST(FrameCodecTest, AFrameReadIntoAgainHoldsOnlyTheNewFrame)
{
    // Longer, shorter, empty and longer again: the payload's room is kept,
    // its bytes are not.
    const Frame frames[] = {MakeFrame(FrameKind::Reply, 0x4C9, 5, 1028), MakeFrame(FrameKind::Unsolicited, 71, 0, 9),
        MakeFrame(FrameKind::Reply, 0x4CA, 6, 0, true), MakeFrame(FrameKind::Reply, 0x4C9, 7, 300)};
    std::vector<std::uint8_t> bytes;
    for (const Frame& frame : frames)
        ASSERT_TRUE(AppendFrame(frame, bytes));
    FrameReader reader;
    reader.Feed(bytes);
    Frame into;
    for (const Frame& expected : frames) {
        ASSERT_TRUE(reader.Next(into));
        EXPECT_EQ(into, expected);
    }
    const Frame last = into;
    EXPECT_FALSE(reader.Next(into));
    EXPECT_EQ(into, last);
}

// Reads straight into the reader's room, in pieces of every kind of size,
// each smaller than the room offered, give the frames in place.
TEST(FrameCodecTest, PiecesReadIntoTheRoomGiveTheSameFramesInPlace)
{
    const Frame frames[] = {MakeFrame(FrameKind::Reply, 0x4C9, 5, 1028), MakeFrame(FrameKind::Unsolicited, 71, 0, 9),
        MakeFrame(FrameKind::Reply, 0x4CA, 6, 0, true), MakeFrame(FrameKind::Reply, 0x4C9, 7, 300)};
    std::vector<std::uint8_t> bytes;
    for (const Frame& frame : frames)
        ASSERT_TRUE(AppendFrame(frame, bytes));
    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{28}, std::size_t{1000}, bytes.size()}) {
        FrameReader reader;
        std::vector<Frame> read;
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            const std::size_t count = std::min(piece, bytes.size() - at);
            const std::span<std::uint8_t> room = reader.Room(count + 16);
            ASSERT_EQ(room.size(), count + 16);
            std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), count, room.begin());
            reader.Commit(count);
            FrameView view;
            while (reader.Next(view)) {
                read.push_back({view.kind, view.error, view.requestType, view.requestId, view.code,
                    std::vector<std::uint8_t>(view.payload.begin(), view.payload.end())});
            }
        }
        ASSERT_EQ(read.size(), std::size(frames)) << "pieces of " << piece;
        for (std::size_t i = 0; i < read.size(); ++i)
            EXPECT_EQ(read[i], frames[i]) << "pieces of " << piece << ", frame " << i;
        EXPECT_EQ(reader.BufferedBytes(), 0u);
    }
}

// A commit takes no more than the room last offered.
TEST(FrameCodecTest, ACommitBeyondTheRoomTakesOnlyTheRoom)
{
    const auto bytes = Encode(MakeFrame(FrameKind::Reply, 8, 3, 2));
    FrameReader reader;
    reader.Feed(bytes);
    ASSERT_TRUE(reader.Next().has_value());
    const std::span<std::uint8_t> room = reader.Room(3);
    std::fill(room.begin(), room.end(), std::uint8_t{0x48});
    reader.Commit(100);
    EXPECT_EQ(reader.BufferedBytes(), 3u);
    reader.Commit(5);
    EXPECT_EQ(reader.BufferedBytes(), 3u);
}

TEST(FrameCodecTest, ADamagedFieldLosesOnlyItsFrame)
{
    struct Case {
        const char* field;
        std::size_t offset;
    };
    const Case cases[] = {
        {"magic", 0},
        {"magic", 1},
        {"version", 2},
        {"kind", 3},
        {"flags", 4},
        {"reserved", 5},
        {"request type", 6},
        {"request id", 9},
        {"code", 12},
        {"reserved", 15},
        {"payload length", 16},
        {"payload length", 19},
        {"header crc", 21},
        {"payload", 24},
        {"payload", 40},
        {"frame crc", 24 + 20 + 2},
    };
    const Frame damaged = MakeFrame(FrameKind::Reply, 11, 4, 20);
    const Frame intact = MakeFrame(FrameKind::Reply, 12, 5, 6);
    for (const Case& c : cases) {
        auto bytes = Encode(damaged);
        bytes[c.offset] ^= 0x5A;
        const auto more = Encode(intact);
        bytes.insert(bytes.end(), more.begin(), more.end());
        FrameReader reader;
        reader.Feed(bytes);
        const auto frames = ReadAll(reader);
        ASSERT_EQ(frames.size(), 1u) << c.field << " at " << c.offset;
        EXPECT_EQ(frames[0], intact) << c.field << " at " << c.offset;
        EXPECT_EQ(reader.BufferedBytes(), 0u);
        EXPECT_GT(reader.SkippedBytes(), 0u);
    }
}

TEST(FrameCodecTest, ALengthBeyondTheBoundIsNeverWaitedFor)
{
    // A header that is whole and checked but claims more than the bound.
    std::vector<std::uint8_t> bogus(kFrameHeaderSize, 0);
    ByteWriter writer(bogus);
    writer.U8(0x48);
    writer.U8(0x58);
    writer.U8(1);
    writer.U8(2);
    writer.Seek(16);
    writer.U32LE(static_cast<std::uint32_t>(kMaxFramePayload + 1));
    writer.U32LE(Crc32(std::span(bogus).first(20)));
    const Frame intact = MakeFrame(FrameKind::Reply, 1, 2, 4);
    const auto more = Encode(intact);
    bogus.insert(bogus.end(), more.begin(), more.end());
    const auto frames = Decode(bogus);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], intact);
}

TEST(FrameCodecTest, NoiseWithStrayMagicBeforeAFrameIsSkipped)
{
    std::vector<std::uint8_t> bytes = {0x00, 0x48, 0x48, 0x58, 0x01, 0xFF, 0x48};
    const Frame frame = MakeFrame(FrameKind::Request, 29, 8, 2);
    const auto encoded = Encode(frame);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    const auto frames = Decode(bytes);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], frame);
}

TEST(FrameCodecTest, ErrorPayloadCarriesCodeAndText)
{
    const auto data = MakeErrorPayload(0x4103, "Configuration item 200 is not present");
    EXPECT_EQ(data.size(), 2u + 37u + 1u);
    EXPECT_EQ(data.back(), 0);
    const ErrorPayload parsed = ParseErrorPayload(data);
    EXPECT_EQ(parsed.code, 0x4103);
    EXPECT_EQ(parsed.text, "Configuration item 200 is not present");

    const std::uint8_t shortData[] = {0x03};
    EXPECT_EQ(ParseErrorPayload(shortData).code, 0);
    const std::uint8_t noNul[] = {0x01, 0x00, 'a', 'b'};
    EXPECT_EQ(ParseErrorPayload(noNul).text, "ab");
}

}  // namespace
}  // namespace frame_codec_test
}  // namespace corvane
