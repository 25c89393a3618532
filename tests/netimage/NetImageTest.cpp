#include "netimage/NetImage.h"

#include "base/Crc32.h"

#include <gtest/gtest.h>

namespace corvane {
namespace net_image_test {
namespace {

std::vector<std::uint8_t> Record(std::uint16_t type, std::size_t length, std::uint8_t inputs = 0, std::uint8_t outputs = 0)
{
    std::vector<std::uint8_t> record(length, 0);
    record[0] = static_cast<std::uint8_t>(length);
    record[1] = static_cast<std::uint8_t>(length >> 8);
    record[4] = static_cast<std::uint8_t>(type);
    record[5] = static_cast<std::uint8_t>(type >> 8);
    record[10] = inputs;
    record[11] = outputs;
    return record;
}

std::vector<std::uint8_t> Image(const std::vector<std::vector<std::uint8_t>>& records)
{
    auto built = BuildNetImage(records);
    return std::get<std::vector<std::uint8_t>>(built);
}

const std::vector<std::vector<std::uint8_t>> kRecords{Record(1, 270), Record(0x4002, 100, 1, 1), Record(256, 96)};

TEST(NetImage, RoundTripWithTheCrcStoredMostSignificantFirst)
{
    const auto image = Image(kRecords);
    EXPECT_EQ(image.size(), 4u + 270 + 100 + 96 + 4);
    EXPECT_EQ(image[0] | (image[1] << 8), static_cast<int>(image.size()));
    const std::uint32_t crc = Crc32(std::span(image).first(image.size() - 4));
    EXPECT_EQ(image[image.size() - 4], crc >> 24);
    EXPECT_EQ(image.back(), crc & 0xFF);
    const auto parsed = ParseNetImage(image);
    ASSERT_TRUE(std::holds_alternative<NetImageRecords>(parsed));
    const auto& records = std::get<NetImageRecords>(parsed).records;
    ASSERT_EQ(records.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(std::ranges::equal(records[i], kRecords[i]));
    EXPECT_EQ(RecordTypeCode(records[1]), 2) << "flags above the type code are not part of it";
}

TEST(NetImage, RefusesBadContainersWithTheirReasons)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> image;
        NetImageFault fault;
        const char* reason;
    };
    auto wrongLength = Image(kRecords);
    wrongLength[0] ^= 2;
    auto shortImage = Image({Record(1, 166)});
    auto pastEnd = Record(2, 72);
    pastEnd[0] = 200;
    auto badCrc = Image(kRecords);
    badCrc[200] ^= 0x10;
    std::vector<Case> cases{
        {"length field", wrongLength, NetImageFault::SizeMismatch, "File size does not match expected size"},
        {"no room for the Program icon", shortImage, NetImageFault::NoProgramRecord, "Cannot read program icon"},
        {"crc", badCrc, NetImageFault::CrcMismatch, "CRC error"},
        {"clock first", Image({Record(2, 270)}), NetImageFault::NoProgramIcon, "Program icon not found"},
        {"odd record", Image({Record(1, 270), Record(2, 73)}), NetImageFault::BadRecord, nullptr},
        {"record past the end", Image({Record(1, 270), pastEnd}), NetImageFault::BadRecord, nullptr},
        {"26 inputs", Image({Record(1, 270), Record(2, 300, 26)}), NetImageFault::BadRecord, nullptr},
        {"25 outputs", Image({Record(1, 270), Record(2, 400, 0, 25)}), NetImageFault::BadRecord, nullptr},
        {"empty", {}, NetImageFault::SizeMismatch, nullptr},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseNetImage(c.image);
        ASSERT_TRUE(std::holds_alternative<NetImageError>(parsed)) << c.what;
        const NetImageError& error = std::get<NetImageError>(parsed);
        EXPECT_EQ(error.fault, c.fault) << c.what;
        if (c.reason != nullptr) {
            EXPECT_EQ(error.Reason(), c.reason) << c.what;
        }
    }
}

TEST(NetImage, EveryTruncationAndEveryFlippedBitIsRefused)
{
    const auto image = Image(kRecords);
    for (std::size_t n = 0; n < image.size(); ++n)
        EXPECT_TRUE(std::holds_alternative<NetImageError>(ParseNetImage(std::span(image).first(n)))) << n;
    for (std::size_t at = 0; at < image.size(); at += 7) {
        auto flipped = image;
        flipped[at] ^= 0x01;
        EXPECT_TRUE(std::holds_alternative<NetImageError>(ParseNetImage(flipped))) << at;
    }
}

TEST(NetImage, TheSizeLimitCountsTheLengthFieldAndTheRecords)
{
    // 4 + 65528 = 65532 fits; two bytes more do not.
    std::vector<std::vector<std::uint8_t>> records{Record(1, 270)};
    std::size_t body = 4 + 270;
    while (body + 1000 <= 65532) {
        records.push_back(Record(2, 1000));
        body += 1000;
    }
    records.push_back(Record(2, 65532 - body));
    EXPECT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(BuildNetImage(records)));
    records.back() = Record(2, 65532 - body + 2);
    const auto refused = BuildNetImage(records);
    ASSERT_TRUE(std::holds_alternative<NetImageError>(refused));
    EXPECT_EQ(std::get<NetImageError>(refused).fault, NetImageFault::TooLarge);
    EXPECT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(BuildNetImage(records, false)));
}

}  // namespace
}  // namespace net_image_test
}  // namespace corvane
