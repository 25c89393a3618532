// Reads arbitrary bytes as the clock dialog's replies: a state block (read
// only when whole) and a time server item (a name within the reply and its
// limit, never past the data).
#include "logger/LoggerClockReplies.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace corvane;
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const auto state = ReadClockState(input);
    if (std::holds_alternative<ClockState>(state) != (size >= kClockStateBlockSize))
        std::abort();
    const auto name = ReadTimeServerName(input);
    if (const std::string* text = std::get_if<std::string>(&name)) {
        if (size < 2 || text->size() > kTimeServerNameLimit || text->size() > size - 2
            || text->find('\0') != std::string::npos)
            std::abort();
    } else if (size >= 2 && data[0] == kTimeServerItem && data[1] == 0) {
        std::abort();
    }
    return 0;
}
