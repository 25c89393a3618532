#include "icons/reporting/ModbusConfigItem.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <algorithm>

namespace corvane {

ModbusConfigItem ModbusConfigItem::Read(std::span<const std::uint8_t> bytes)
{
    std::array<std::uint8_t, kSize> image{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), kSize), image.begin());
    ByteReader reader(image);
    ModbusConfigItem item;
    item.serialWord = reader.U16LE("serial word");
    item.tcpPort = reader.U16LE("TCP port");
    for (std::uint32_t& address : item.allowed)
        address = reader.U32LE("allowed client");
    for (std::uint32_t& address : item.priority)
        address = reader.U32LE("priority client");
    item.modeWord = reader.U16LE("mode word");
    return item;
}

void ModbusConfigItem::Write(std::span<std::uint8_t> bytes) const
{
    std::array<std::uint8_t, kSize> image{};
    ByteWriter writer(image);
    writer.U16LE(serialWord, "serial word");
    writer.U16LE(tcpPort, "TCP port");
    for (const std::uint32_t address : allowed)
        writer.U32LE(address, "allowed client");
    for (const std::uint32_t address : priority)
        writer.U32LE(address, "priority client");
    writer.U16LE(modeWord, "mode word");
    std::copy_n(image.begin(), std::min(bytes.size(), kSize), bytes.begin());
}

}  // namespace corvane
