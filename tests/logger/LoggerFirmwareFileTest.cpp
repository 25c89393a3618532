#include "logger/LoggerFirmwareFile.h"

#include "tests/logger/FirmwareImages.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

using Check = LoggerFirmwareFile::VersionCheck;
constexpr std::size_t kVersionEnd = LoggerFirmwareFile::kVersionOffset + 4;

TEST(LoggerFirmwareFileTest, TheVersionIsReadFromItsPlaceAndNeedsType3)
{
    struct Case {
        std::size_t length;
        std::uint8_t type;
        Check check;
    };
    const Case cases[] = {
        {kVersionEnd, 3, Check::Valid},
        {1024 * 1024, 3, Check::Valid},
        {1024 * 1024, 4, Check::WrongType},
        {1024 * 1024, 0, Check::WrongType},
        {kVersionEnd - 1, 3, Check::Short},
        {LoggerFirmwareFile::kVersionOffset, 3, Check::Short},
        {0, 3, Check::Short},
    };
    for (const Case& c : cases) {
        const auto image = FirmwareImage(c.length, c.type);
        EXPECT_EQ(LoggerFirmwareFile::CheckImage(image).check, c.check) << c.length << " " << int{c.type};
        LoggerFirmwareFile file;
        ASSERT_TRUE(file.Open(WriteFirmwareFile("version-check.bin", image)));
        EXPECT_EQ(file.Length(), c.length);
        const auto read = file.ReadVersion();
        EXPECT_EQ(read.check, c.check) << c.length;
        if (c.check == Check::Valid) {
            EXPECT_EQ(read.version, (LoggerFirmwareFile::Version{3, 1, 2, 3}));
            EXPECT_EQ(LoggerFirmwareFile::VersionText(read.version), "03.01.02.03");
        }
        // Reading goes on from the start of the file.
        std::uint8_t first[2] = {};
        EXPECT_EQ(file.Read(first), std::min<std::size_t>(2, c.length));
        if (c.length >= 2) {
            EXPECT_EQ(first[1], image[1]);
        }
    }
}

TEST(LoggerFirmwareFileTest, BlocksCoverTheFileInPiecesOfAtMost1024Bytes)
{
    struct Case {
        std::uint64_t sent, total;
        std::size_t next;
    };
    const Case cases[] = {{0, 2048, 1024}, {1024, 2048, 1024}, {2048, 2048, 0}, {2048, 2049, 1}, {0, 5, 5},
        {3000, 2049, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(LoggerFirmwareFile::NextBlockBytes(c.sent, c.total), c.next) << c.sent << "/" << c.total;
    EXPECT_EQ(LoggerFirmwareFile::VersionText({12, 0, 255, 7}), "12.00.255.07");
}

TEST(LoggerFirmwareFileTest, WhatCannotBeOpenedOrReadIsReported)
{
    LoggerFirmwareFile file;
    EXPECT_FALSE(file.Open(OutputFile("no-such-firmware.bin")));
    EXPECT_FALSE(file.Open(OutputFolder()));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.ReadVersion().check, Check::ReadError);
    std::uint8_t buffer[4] = {};
    EXPECT_FALSE(file.Read(buffer));
}

}  // namespace
}  // namespace corvane::test
