#include "commwindow/ModuleFirmwareFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace corvane {
namespace module_firmware_file_test {
namespace {

using Check = ModuleFirmwareFile::HeaderCheck;

std::vector<std::uint8_t> Header(std::uint8_t type)
{
    std::vector<std::uint8_t> header(ModuleFirmwareFile::kHeaderBytes, 0xA5);
    std::memcpy(header.data(), "TVLKMODULE", 10);
    header[ModuleFirmwareFile::kModuleTypeOffset] = type;
    return header;
}

TEST(ModuleFirmwareFile, HeaderCheckByModuleType)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> header;
        std::uint8_t dialogType;
        Check expected;
    };
    std::vector<std::uint8_t> badMagicFirst = Header(0);
    badMagicFirst[0] = 't';
    std::vector<std::uint8_t> badMagicLast = Header(0);
    badMagicLast[9] = 'e';
    std::vector<std::uint8_t> shortByOne = Header(0);
    shortByOne.pop_back();
    const Case cases[] = {
        {"analog file, analog module", Header(0), 0, Check::Valid},
        {"digital file, digital module", Header(1), 1, Check::Valid},
        {"analog file, digital module", Header(0), 1, Check::WrongType},
        {"digital file, analog module", Header(1), 0, Check::WrongType},
        {"type 2", Header(2), 0, Check::WrongType},
        {"first magic byte", badMagicFirst, 0, Check::BadMagic},
        {"last magic byte", badMagicLast, 0, Check::BadMagic},
        {"31 bytes", shortByOne, 0, Check::Short},
        {"empty", {}, 0, Check::Short},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ModuleFirmwareFile::CheckHeader(c.header, c.dialogType), c.expected) << c.name;
}

TEST(ModuleFirmwareFile, PayloadFollowsTheHeader)
{
    EXPECT_EQ(ModuleFirmwareFile::PayloadLength(0), 0u);
    EXPECT_EQ(ModuleFirmwareFile::PayloadLength(31), 0u);
    EXPECT_EQ(ModuleFirmwareFile::PayloadLength(32), 0u);
    EXPECT_EQ(ModuleFirmwareFile::PayloadLength(33), 1u);
    EXPECT_EQ(ModuleFirmwareFile::PayloadLength(2073), 2041u);
}

TEST(ModuleFirmwareFile, BlocksAreAtMost1020Bytes)
{
    struct Case {
        std::uint64_t payload;
        std::vector<std::size_t> blocks;
    };
    const Case cases[] = {
        {0, {}},
        {1, {1}},
        {1020, {1020}},
        {1021, {1020, 1}},
        {2041, {1020, 1020, 1}},
    };
    for (const Case& c : cases) {
        std::vector<std::size_t> blocks;
        std::uint64_t sent = 0;
        while (const std::size_t n = ModuleFirmwareFile::NextBlockBytes(sent, c.payload)) {
            blocks.push_back(n);
            sent += n;
        }
        EXPECT_EQ(blocks, c.blocks) << c.payload;
    }
}

}  // namespace
}  // namespace module_firmware_file_test
}  // namespace corvane
