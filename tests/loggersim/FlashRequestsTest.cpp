#include "loggersim/FlashRequests.h"

#include "base/ByteWriter.h"
#include "halvix/protocol/FlashAccessKey.h"
#include "halvix/protocol/RequestTypes.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace corvane {
namespace {

Frame Request(std::uint16_t type, std::vector<std::uint8_t> payload)
{
    Frame frame;
    frame.requestType = type;
    frame.requestId = 1;
    frame.payload = std::move(payload);
    return frame;
}

std::vector<std::uint8_t> KeyPayload(std::optional<std::uint16_t> relay = std::nullopt, std::uint8_t keyChange = 0)
{
    const auto key = FlashAccessKey();
    std::vector<std::uint8_t> payload(key.begin(), key.end());
    payload[7] ^= keyChange;
    if (relay) {
        payload.push_back(static_cast<std::uint8_t>(*relay));
        payload.push_back(static_cast<std::uint8_t>(*relay >> 8));
    }
    return payload;
}

Frame Block(std::uint32_t offset, std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> payload(6 + bytes.size());
    ByteWriter writer(payload);
    writer.U32LE(offset);
    writer.U16LE(static_cast<std::uint16_t>(bytes.size()));
    writer.Bytes(bytes);
    return Request(kRequestFlashData, std::move(payload));
}

// A firmware image of length bytes whose version bytes (if it holds them)
// read type.1.2.3.
std::vector<std::uint8_t> Image(std::size_t length, std::uint8_t type)
{
    std::vector<std::uint8_t> image(length, 0xEE);
    const std::uint8_t version[] = {type, 1, 2, 3};
    for (std::size_t i = 0; i < 4; ++i)
        if (kFirmwareVersionOffset + i < length)
            image[kFirmwareVersionOffset + i] = version[i];
    return image;
}

struct FlashRun {
    std::optional<PendingFirmware> pending;
    LoggerState state = LoggerState::Fresh();

    std::uint16_t Answer(const Frame& request)
    {
        const RequestOutcome outcome = AnswerFlashRequest(pending, state, request);
        EXPECT_TRUE(outcome.reply);
        return outcome.reply->error ? outcome.reply->code : 0;
    }

    // Sends the whole image in blocks of kFlashDataMaxBytes; the first refusal's code.
    std::uint16_t SendImage(std::span<const std::uint8_t> image)
    {
        for (std::size_t at = 0; at < image.size(); at += kFlashDataMaxBytes) {
            const std::size_t count = std::min(kFlashDataMaxBytes, image.size() - at);
            if (const std::uint16_t code = Answer(Block(static_cast<std::uint32_t>(at), image.subspan(at, count))))
                return code;
        }
        return 0;
    }
};

TEST(FlashRequestsTest, AnImageForLoggerType3BecomesTheFirmwareVersion)
{
    FlashRun run;
    ASSERT_EQ(run.Answer(Request(kRequestFlashInit, KeyPayload())), 0);
    const std::vector<std::uint8_t> image = Image(1024 * 1024, 3);
    ASSERT_EQ(run.SendImage(image), 0);
    const RequestOutcome outcome = AnswerFlashRequest(run.pending, run.state, Request(kRequestFlashExec, KeyPayload(1)));
    ASSERT_TRUE(outcome.reply);
    EXPECT_FALSE(outcome.reply->error);
    EXPECT_TRUE(outcome.stateChanged);
    EXPECT_EQ(run.state.firmwareVersion, 0x03010203u);
    // The image is taken once.
    EXPECT_EQ(run.Answer(Request(kRequestFlashExec, KeyPayload(1))), kSimErrorFirmwareSequence);
}

TEST(FlashRequestsTest, RefusesWhatBreaksTheSequenceOrTheImage)
{
    const std::vector<std::uint8_t> good = Image(kFirmwareVersionOffset + 4, 3);
    const std::vector<std::uint8_t> block(16, 1);
    struct Case {
        const char* name;
        std::function<std::uint16_t(FlashRun&)> steps;
        std::uint16_t code;
    };
    const Case cases[] = {
        {"wrong key at init", [](FlashRun& r) { return r.Answer(Request(kRequestFlashInit, KeyPayload({}, 1))); },
            kSimErrorFlashKey},
        {"init while enabled",
            [](FlashRun& r) {
                r.state.running = true;
                return r.Answer(Request(kRequestFlashInit, KeyPayload()));
            },
            kSimErrorLoggerEnabled},
        {"block without init", [&](FlashRun& r) { return r.Answer(Block(0, block)); }, kSimErrorFirmwareSequence},
        {"block at the wrong offset",
            [&](FlashRun& r) {
                r.Answer(Request(kRequestFlashInit, KeyPayload()));
                r.Answer(Block(0, block));
                return r.Answer(Block(32, block));
            },
            kSimErrorFirmwareSequence},
        {"empty block",
            [&](FlashRun& r) {
                r.Answer(Request(kRequestFlashInit, KeyPayload()));
                return r.Answer(Block(0, {}));
            },
            kSimErrorBadRequestData},
        {"exec with the wrong key",
            [&](FlashRun& r) {
                r.Answer(Request(kRequestFlashInit, KeyPayload()));
                r.SendImage(good);
                return r.Answer(Request(kRequestFlashExec, KeyPayload(1, 0x80)));
            },
            kSimErrorFlashKey},
        {"image too short for its version",
            [&](FlashRun& r) {
                r.Answer(Request(kRequestFlashInit, KeyPayload()));
                r.SendImage(std::span(good).first(kFirmwareVersionOffset + 2));
                return r.Answer(Request(kRequestFlashExec, KeyPayload(1)));
            },
            kSimErrorFirmwareType},
        {"image for another logger type",
            [&](FlashRun& r) {
                r.Answer(Request(kRequestFlashInit, KeyPayload()));
                r.SendImage(Image(kFirmwareVersionOffset + 4, 4));
                return r.Answer(Request(kRequestFlashExec, KeyPayload(1)));
            },
            kSimErrorFirmwareType},
    };
    for (const Case& c : cases) {
        FlashRun run;
        const std::uint32_t before = run.state.firmwareVersion;
        EXPECT_EQ(c.steps(run), c.code) << c.name;
        EXPECT_EQ(run.state.firmwareVersion, before) << c.name;
    }
}

}  // namespace
}  // namespace corvane
