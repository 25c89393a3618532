#include "logger/LoggerClockReplies.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr std::size_t kClockOffset = 52;
constexpr std::size_t kInterfaceKindOffset = 132;

}  // namespace

std::variant<ClockState, ByteError> ReadClockState(std::span<const std::uint8_t> data)
{
    ByteReader reader(data);
    // The whole block must be there, as every reader of it expects.
    reader.Skip(kClockStateBlockSize, "state block");
    reader.Seek(kClockOffset, "logger clock");
    ClockState state;
    state.utcSeconds = reader.I32LE("logger clock");
    state.ruleBits = reader.U16LE("rule bits");
    state.offsetMinutesWest = reader.I16LE("time-zone offset");
    reader.Seek(kInterfaceKindOffset, "interface kind");
    state.interfaceKind = reader.U8("interface kind");
    if (reader.Failed())
        return reader.Error();
    return state;
}

std::variant<std::string, ByteError> ReadTimeServerName(std::span<const std::uint8_t> data)
{
    ByteReader reader(data);
    const std::uint16_t key = reader.U16LE("item key");
    if (reader.Failed())
        return reader.Error();
    if (key != kTimeServerItem) {
        ByteError error;
        error.kind = ByteErrorKind::OutOfRange;
        error.offset = 0;
        error.size = 2;
        error.field = "item key";
        return error;
    }
    return std::string(reader.FixedText(std::min(reader.Remaining(), kTimeServerNameLimit), "server name"));
}

}  // namespace corvane
