#include "loggersim/ModbusRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/ModbusTransactionLayout.h"

#include <string>

namespace corvane {

namespace {

constexpr std::size_t kMaxReadBits = 2000;
constexpr std::size_t kMaxReadRegisters = 125;
constexpr std::size_t kMaxWriteRegisters = 123;
constexpr std::uint16_t kCoilOn = 0xFF00;
constexpr std::int64_t kSecondsPerHour = 3600;

RequestOutcome Exception(const Frame& request, std::uint16_t code, const std::string& text)
{
    return RefuseRequest(request, code, "Modbus exception " + std::to_string(code) + ": " + text);
}

// Whether count entries from start lie inside a table of size entries.
bool Inside(std::size_t start, std::size_t count, std::size_t size) { return start <= size && count <= size - start; }

// A reply of unit, function and byte count, then count bytes of zeros.
std::vector<std::uint8_t> Reply(std::uint8_t unit, std::uint8_t function, std::size_t count)
{
    std::vector<std::uint8_t> data(kMbReplyDataOffset + count, 0);
    data[kMbReplyUnitOffset] = unit;
    data[kMbReplyFunctionOffset] = function;
    data[kMbReplyCountOffset] = static_cast<std::uint8_t>(count);
    return data;
}

std::vector<std::uint8_t> BitsReply(
    std::uint8_t unit, std::uint8_t function, const std::vector<bool>& bits, std::size_t start, std::size_t count)
{
    const std::size_t bytes = (count + 7) / 8;
    std::vector<std::uint8_t> data = Reply(unit, function, bytes);
    for (std::size_t i = 0; i < count; ++i)
        if (bits[start + i])
            data[kMbReplyDataOffset + i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
    return data;
}

std::vector<std::uint8_t> RegistersReply(std::uint8_t unit, std::uint8_t function,
    const std::vector<std::uint16_t>& registers, std::size_t start, std::size_t count)
{
    std::vector<std::uint8_t> data = Reply(unit, function, 2 * count);
    ByteWriter writer(data);
    writer.Seek(kMbReplyDataOffset);
    for (std::size_t i = 0; i < count; ++i)
        writer.U16BE(registers[start + i]);
    return data;
}

}  // namespace

RequestOutcome AnswerModbusTransaction(LoggerState& state, const Frame& request, std::int64_t loggerTime)
{
    ByteReader reader(request.payload);
    reader.U32LE("server");
    reader.U16LE("port");
    const std::uint16_t unitNumber = reader.U16LE("unit");
    const std::uint8_t wordOrder = reader.U8("word order");
    const std::uint8_t function = reader.U8("function");
    if (reader.Failed() || wordOrder > 1)
        return RefuseRequest(
            request, kSimErrorBadRequestData, "Request " + std::to_string(request.requestType) + " carries bad data");
    const auto found = state.modbusUnits.find(unitNumber);
    if (found == state.modbusUnits.end())
        return Exception(request, kMbExceptionNoResponse, "unit " + std::to_string(unitNumber) + " does not respond");
    ModbusUnit& unit = found->second;
    const auto unitByte = static_cast<std::uint8_t>(unitNumber);
    const std::uint16_t start = reader.U16BE("starting address");
    const std::uint16_t second = reader.U16BE("quantity or value");
    if (reader.Failed())
        return Exception(
            request, kMbExceptionIllegalValue, "the request is too short for function " + std::to_string(function));
    auto outside = [&](const char* what) {
        return Exception(request, kMbExceptionIllegalAddress,
            "address " + std::to_string(start) + " is outside unit " + std::to_string(unitNumber) + "'s " + what);
    };

    switch (function) {
    case kMbReadCoils:
    case kMbReadContacts: {
        const std::vector<bool>& bits = function == kMbReadCoils ? unit.coils : unit.contacts;
        if (reader.Remaining() != 0 || second == 0 || second > kMaxReadBits)
            return Exception(request, kMbExceptionIllegalValue, "bad quantity " + std::to_string(second));
        if (!Inside(start, second, bits.size()))
            return outside(function == kMbReadCoils ? "coils" : "contacts");
        return AnswerRequest(request, BitsReply(unitByte, function, bits, start, second));
    }
    case kMbReadHoldingRegisters:
    case kMbReadInputRegisters: {
        if (function == kMbReadInputRegisters && ModbusUnit::kClockRegister < unit.inputRegisters.size())
            unit.inputRegisters[ModbusUnit::kClockRegister]
                = static_cast<std::uint16_t>(((loggerTime % kSecondsPerHour) + kSecondsPerHour) % kSecondsPerHour);
        const std::vector<std::uint16_t>& registers
            = function == kMbReadHoldingRegisters ? unit.holdingRegisters : unit.inputRegisters;
        if (reader.Remaining() != 0 || second == 0 || second > kMaxReadRegisters)
            return Exception(request, kMbExceptionIllegalValue, "bad quantity " + std::to_string(second));
        if (!Inside(start, second, registers.size()))
            return outside(function == kMbReadHoldingRegisters ? "holding registers" : "input registers");
        return AnswerRequest(request, RegistersReply(unitByte, function, registers, start, second));
    }
    case kMbWriteCoil: {
        if (reader.Remaining() != 0 || (second != kCoilOn && second != 0))
            return Exception(request, kMbExceptionIllegalValue, "a coil is written as 0xFF00 or 0x0000");
        if (!Inside(start, 1, unit.coils.size()))
            return outside("coils");
        unit.coils[start] = second == kCoilOn;
        std::vector<std::uint8_t> data = Reply(unitByte, function, 2);
        data[kMbReplyDataOffset] = unit.coils[start] ? 0xFF : 0x00;
        RequestOutcome outcome = AnswerRequest(request, std::move(data));
        outcome.stateChanged = true;
        return outcome;
    }
    case kMbWriteRegisters: {
        const std::uint8_t byteCount = reader.U8("byte count");
        if (reader.Failed() || second == 0 || second > kMaxWriteRegisters || byteCount != 2 * second
            || reader.Remaining() != byteCount)
            return Exception(request, kMbExceptionIllegalValue, "bad quantity or byte count");
        if (!Inside(start, second, unit.holdingRegisters.size()))
            return outside("holding registers");
        for (std::size_t i = 0; i < second; ++i)
            unit.holdingRegisters[start + i] = reader.U16BE("register");
        RequestOutcome outcome
            = AnswerRequest(request, RegistersReply(unitByte, function, unit.holdingRegisters, start, second));
        outcome.stateChanged = true;
        return outcome;
    }
    default:
        return Exception(
            request, kMbExceptionIllegalFunction, "function " + std::to_string(function) + " is not supported");
    }
}

}  // namespace corvane
