#include "halvix/protocol/ModuleReplies.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace corvane {
namespace module_replies_test {
namespace {

// A module information reply: unread byte, command 0, type, firmware, serial, name.
std::vector<std::uint8_t> InfoReply(std::uint8_t type, std::uint8_t fill = 0)
{
    std::vector<std::uint8_t> reply(kModuleInfoReplyBytes, fill);
    reply[0] = 0x5A;
    reply[1] = kModuleCmdInformation;
    reply[2] = type;
    reply[3] = 1;
    reply[4] = 2;
    reply[5] = 3;
    reply[6] = 0x07;
    reply[7] = 0x5B;
    reply[8] = 0xCD;
    reply[9] = 0x15;
    return reply;
}

void PutText(std::vector<std::uint8_t>& reply, std::size_t offset, const char* text)
{
    std::memcpy(reply.data() + offset, text, std::strlen(text));
}

TEST(ModuleReplies, InformationReadsTypeFirmwareSerialAndName)
{
    std::vector<std::uint8_t> reply = InfoReply(1);
    PutText(reply, 10, "Pump house");
    const auto info = ParseModuleInformation(reply);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->type, 1);
    EXPECT_EQ(info->firmware[0], 1);
    EXPECT_EQ(info->firmware[1], 2);
    EXPECT_EQ(info->firmware[2], 3);
    EXPECT_EQ(info->serial, 123456789u);
    EXPECT_EQ(info->name, "Pump house");
    EXPECT_TRUE(info->HasFirmware());
}

TEST(ModuleReplies, NameAndCommentStayInsideTheirFields)
{
    // Fields filled to the last byte with no NUL: the text ends at the field's end,
    // never in the bytes after it.
    std::vector<std::uint8_t> info = InfoReply(0, 'N');
    EXPECT_EQ(ParseModuleInformation(info)->name, std::string(kModuleNameBytes, 'N'));

    std::vector<std::uint8_t> calibration(kModuleCalibrationReplyBytes, 'C');
    calibration[1] = kModuleCmdCalibration;
    EXPECT_EQ(ParseModuleCalibration(calibration)->comment, std::string(kModuleCommentBytes, 'C'));
}

TEST(ModuleReplies, WrongLengthsAreRefused)
{
    for (std::size_t length : {0u, 1u, 2u, 10u, 41u, 43u, 34u}) {
        std::vector<std::uint8_t> reply = InfoReply(0);
        reply.resize(length);
        EXPECT_FALSE(ParseModuleInformation(reply)) << length;
    }
    for (std::size_t length : {0u, 2u, 30u, 32u, 33u, 35u, 42u}) {
        const std::vector<std::uint8_t> reply(length, 0);
        EXPECT_FALSE(ParseModuleCalibration(reply)) << length;
    }
}

TEST(ModuleReplies, FirmwareAllOnesMeansNoFirmware)
{
    struct Case {
        std::uint8_t major, minor, build;
        bool has;
    };
    const Case cases[] = {
        {0xFF, 0xFF, 0xFF, false},
        {0xFF, 0xFF, 0xFE, true},
        {0x00, 0xFF, 0xFF, true},
        {0, 0, 0, true},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> reply = InfoReply(0);
        reply[3] = c.major;
        reply[4] = c.minor;
        reply[5] = c.build;
        EXPECT_EQ(ParseModuleInformation(reply)->HasFirmware(), c.has) << int(c.major) << int(c.minor) << int(c.build);
    }
}

TEST(ModuleReplies, CalibrationNumbersAreLittleEndian)
{
    std::vector<std::uint8_t> reply(kModuleCalibrationReplyBytes, 0);
    reply[1] = kModuleCmdCalibration;
    // last calibration -2 (before 1970), due 0xFFFFFFFF (none)
    const std::uint8_t last[] = {0xFE, 0xFF, 0xFF, 0xFF};
    std::memcpy(reply.data() + 2, last, 4);
    std::memset(reply.data() + 6, 0xFF, 4);
    PutText(reply, 10, "Lab 3");
    auto calibration = ParseModuleCalibration(reply);
    ASSERT_TRUE(calibration);
    EXPECT_EQ(calibration->lastCalibration, -2);
    EXPECT_FALSE(calibration->HasCalibration());
    EXPECT_EQ(calibration->comment, "Lab 3");

    const std::uint8_t due[] = {0x00, 0x5E, 0xD0, 0xB2};
    std::memcpy(reply.data() + 6, due, 4);
    calibration = ParseModuleCalibration(reply);
    EXPECT_EQ(calibration->due, 0xB2D05E00u);
    EXPECT_TRUE(calibration->HasCalibration());
}

}  // namespace
}  // namespace module_replies_test
}  // namespace corvane
