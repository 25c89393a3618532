#include "loggersim/ConfigItemTable.h"

#include "base/ByteWriter.h"

#include <array>

namespace corvane {

namespace {

constexpr std::array<ConfigItem, 35> kItems{{
    {1, 6},
    {7, 4},
    {16, 22},
    {17, 22},
    {22, 128},
    {41, 4},
    {42, 102},
    {64, 72},
    {65, 72},
    {66, 4},
    {67, 4},
    {68, 4},
    {71, 8},
    {72, 134},
    {73, 4},
    {74, 2},
    {76, 14},
    {78, 64},
    {79, 64},
    {80, 64},
    {81, 128},
    {82, 4},
    {83, 4},
    {84, 64},
    {85, 64},
    {86, 128},
    {87, 4},
    {88, 4},
    {89, 4},
    {90, 1},
    {91, 1},
    {92, 16},
    {93, 1},
    {94, 1},
    {95, 1},
}};

}  // namespace

std::span<const ConfigItem> ConfigItemTable() { return kItems; }

std::optional<std::uint16_t> ConfigItemLength(std::uint8_t key)
{
    for (const ConfigItem& item : ConfigItemTable())
        if (item.key == key)
            return item.length;
    return std::nullopt;
}

std::vector<std::uint8_t> ConfigItemDefault(std::uint8_t key)
{
    const std::optional<std::uint16_t> length = ConfigItemLength(key);
    if (!length)
        return {};
    std::vector<std::uint8_t> value(*length, 0);
    ByteWriter writer(value);
    switch (key) {
    case kItemModbus:
        writer.U16LE(1);
        writer.U16LE(502);
        writer.Seek(100);
        writer.U16LE(10);
        break;
    case kItemMailRetry:
    case kItemFileTransferRetry:
        writer.U16LE(5);
        writer.U16LE(300);
        break;
    case kItemUnlockSequence: writer.FixedText("DSBDSU", 8); break;
    case kItemNtpServer: writer.FixedText("pool.ntp.org", *length); break;
    case kItemAutoSequence:
        for (const std::uint8_t interval : std::array<std::uint8_t, 4>{2, 4, 8, 16})
            writer.U8(interval);
        break;
    case kItemPorts:
        writer.U16LE(80);
        writer.U16LE(4660);
        break;
    case kItemMacAddress:
        for (const std::uint8_t byte : std::array<std::uint8_t, 6>{0x02, 0x00, 0x5E, 0x10, 0x00, 0x01})
            writer.U8(byte);
        break;
    default: break;
    }
    return value;
}

}  // namespace corvane
