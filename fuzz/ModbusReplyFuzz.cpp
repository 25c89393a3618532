// Decodes a logger's answer to a register test, and parses a value to
// write, for any register settings. Input: u16 icon word (little-endian),
// u8 flags (bit 0: read), then the reply data, which is also taken as the
// value text. A reply at least as long as its value must give one; a
// shorter one must give none. A value that is refused says why, and every
// request built fits the largest PDU a test sends (9 bytes).
#include "icons/reporting/ModbusTestTransaction.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::span<const std::uint8_t> input(data, size);
    corvane::ModbusTestSettings settings;
    settings.iconWord = static_cast<std::uint16_t>(input[0] | (input[1] << 8));
    settings.read = (input[2] & 1) != 0;
    const std::span<const std::uint8_t> reply = input.subspan(3);

    const auto value = corvane::DecodeModbusReplyValue(settings, reply);
    if (value.has_value() != (reply.size() >= corvane::ModbusReplyLength(settings)))
        std::abort();

    const std::string_view text(reinterpret_cast<const char*>(reply.data()), reply.size());
    const corvane::ModbusTestBuild build = corvane::BuildModbusTestRequest(settings, text);
    if (!build.request && build.refusal.text.empty())
        std::abort();  // every refusal says why
    if (build.request && build.request->pdu.size() > 9)
        std::abort();
    return 0;
}
