// Reads arbitrary bytes as each reply of the logger status dialog: a
// runtime message, the state block and the serial number item. Each reader
// accepts exactly the inputs long enough for it and keeps its texts within
// the input.
#include "logger/LoggerStatusReplies.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace corvane;
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);

    const std::optional<RuntimeMessage> message = ReadRuntimeMessage(input);
    if (message.has_value() != (size > kNoRuntimeMessageBytes))
        std::abort();
    if (message && message->text.size() > size - 6)
        std::abort();

    const LoggerStatusBlockReading block = ReadLoggerStatusBlock(input);
    if (block.block.has_value() != (size >= kStatusBlockBytes)
        || block.block.has_value() == static_cast<bool>(block.error))
        std::abort();
    if (block.block
        && (block.block->unitName.size() > 20 || block.block->unitId.size() > 20 || block.block->netName.size() > 20
            || block.block->netDescription.size() > 20 || block.block->interfaceKind > 7))
        std::abort();

    const SerialNumberReading serial = ReadSerialNumberReply(input);
    if (serial.serial.has_value() == static_cast<bool>(serial.error))
        std::abort();
    if (serial.serial && (size < 6 || input[0] != kSerialNumberKey || input[1] != 0))
        std::abort();
    return 0;
}
