#include "logger/LoggerStatusReplies.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr std::size_t kTextFieldBytes = 22;
constexpr std::size_t kShownTextBytes = 20;

std::string ShortText(ByteReader& reader, std::string_view field)
{
    const std::string_view text = reader.FixedText(kTextFieldBytes, field);
    return std::string(text.substr(0, std::min(text.size(), kShownTextBytes)));
}

}  // namespace

std::optional<RuntimeMessage> ReadRuntimeMessage(std::span<const std::uint8_t> data)
{
    if (data.size() <= kNoRuntimeMessageBytes)
        return std::nullopt;
    ByteReader reader(data);
    RuntimeMessage message;
    message.index = reader.U16LE("message index");
    message.time = reader.I32LE("message time");
    message.text = std::string(reader.FixedText(reader.Remaining(), "message text"));
    return message;
}

LoggerStatusBlockReading ReadLoggerStatusBlock(std::span<const std::uint8_t> data)
{
    LoggerStatusBlockReading reading;
    ByteReader reader(data);
    // The whole block is claimed first, so that a short one fails at its
    // end and no field is read from it.
    if (!reader.Seek(0) || reader.Bytes(kStatusBlockBytes, "state block").empty()) {
        reading.error = reader.Error();
        return reading;
    }
    reader.Seek(0);
    LoggerStatusBlock block;
    block.unitName = ShortText(reader, "unit name");
    block.unitId = ShortText(reader, "unit id");
    block.firmware = reader.U32LE("firmware version");
    block.status = reader.U32LE("status word");
    block.time = reader.I32LE("logger time");
    block.timeRule = reader.U16LE("time rule");
    block.zoneMinutesWest = reader.I16LE("utc offset");
    reader.Skip(4, "unused");
    block.netName = ShortText(reader, "net name");
    block.netDescription = ShortText(reader, "net description");
    block.memorySizeKb = reader.U32LE("memory size");
    block.memoryUsedKb = reader.U32LE("memory used");
    block.netMemoryBytes = reader.I32LE("net memory");
    block.supplyVolts = reader.F32LE("supply volts");
    block.batteryVolts = reader.F32LE("battery volts");
    block.temperatureC = reader.F32LE("temperature");
    block.interfaceKind = static_cast<std::uint8_t>(reader.U8("interface kind") & 0x07);
    block.clockBattery = reader.U8("clock battery");
    block.signalBars = reader.U8("signal strength");
    block.cellQualityBars = reader.U8("signal quality");
    if (reader.Failed()) {
        reading.error = reader.Error();
        return reading;
    }
    reading.block = std::move(block);
    return reading;
}

SerialNumberReading ReadSerialNumberReply(std::span<const std::uint8_t> data)
{
    SerialNumberReading reading;
    ByteReader reader(data);
    const std::uint16_t key = reader.U16LE("item key");
    const std::uint32_t serial = reader.U32LE("serial number");
    if (reader.Failed()) {
        reading.error = reader.Error();
    } else if (key != kSerialNumberKey) {
        reading.error = {ByteErrorKind::OutOfRange, 0, 2, "item key"};
    } else {
        reading.serial = serial;
    }
    return reading;
}

}  // namespace corvane
