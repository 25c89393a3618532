#include "icons/reporting/ModbusTestTransaction.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace corvane {

namespace {

constexpr std::uint8_t kReadCoils = 1;
constexpr std::uint8_t kReadContacts = 2;
constexpr std::uint8_t kReadHolding = 3;
constexpr std::uint8_t kReadInputs = 4;
constexpr std::uint8_t kWriteCoil = 5;
constexpr std::uint8_t kWriteRegisters = 16;
constexpr std::uint16_t kCoilOn = 0xFF00;
constexpr std::size_t kReplyHeader = 3;  // unit, function, byte count

using Kind = ModbusTestSettings::Kind;

bool Is32Bit(int format) { return (format & 4) != 0; }
bool IsDecimal(int format) { return format == 6 || format == 7; }
bool IsHighWordFirst(int format) { return (format & 1) != 0; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

template <class T> std::optional<T> WholeNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

template <class T> std::string RangeText()
{
    return "Enter a whole number between " + std::to_string(std::numeric_limits<T>::min()) + " and "
        + std::to_string(std::numeric_limits<T>::max()) + " for this register.";
}

template <class T> ModbusWriteValue Whole(std::string_view text)
{
    ModbusWriteValue result;
    if (const auto value = WholeNumber<T>(text))
        result.bits = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<T>>(*value));
    else
        result.refusal = RangeText<T>();
    return result;
}

// The 32 bits in the order the format sends them: the low word first
// (each word big-endian), or all four bytes big-endian.
void Write32(ByteWriter& writer, std::uint32_t bits, int format)
{
    if (IsHighWordFirst(format)) {
        writer.U32BE(bits);
    } else {
        writer.U16BE(static_cast<std::uint16_t>(bits));
        writer.U16BE(static_cast<std::uint16_t>(bits >> 16));
    }
}

std::string Printed(const char* format, auto value)
{
    char text[64] = {};
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

ModbusWriteValue ParseModbusWriteValue(const ModbusTestSettings& settings, std::string_view text)
{
    text = Trimmed(text);
    const int format = settings.Format();
    if (IsDecimal(format)) {
        ModbusWriteValue result;
        double value = 0;
        std::string_view digits = text;
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)
            || std::fabs(value) > std::numeric_limits<float>::max()) {
            result.refusal = "Enter a decimal number for this register.";
            return result;
        }
        result.bits = std::bit_cast<std::uint32_t>(static_cast<float>(value));
        return result;
    }
    if (Is32Bit(format))
        return settings.IsSigned() ? Whole<std::int32_t>(text) : Whole<std::uint32_t>(text);
    return settings.IsSigned() ? Whole<std::int16_t>(text) : Whole<std::uint16_t>(text);
}

ModbusTestBuild BuildModbusTestRequest(const ModbusTestSettings& settings, std::string_view valueText)
{
    ModbusTestBuild build;
    if (settings.IsTcp() && settings.server == 0) {
        build.refusal = {"The Modbus test function requires the\nIP address to be in dotted quad format.", true};
        return build;
    }
    const Kind kind = settings.RegisterKind();
    const int format = settings.Format();
    ModbusTestRequest request;
    request.wordOrder = settings.IsRegisterKind() && (settings.iconWord & ModbusTestSettings::kHighWordFirst) ? 1 : 0;
    if (settings.read) {
        static constexpr std::uint8_t kReadFunction[] = {kReadCoils, kReadContacts, kReadInputs, kReadHolding};
        request.function = kReadFunction[static_cast<int>(kind)];
        request.pdu.resize(4);
        ByteWriter writer(request.pdu);
        writer.U16BE(settings.startAddress);
        writer.U16BE(settings.IsRegisterKind() && Is32Bit(format) ? 2 : 1);
        build.request = std::move(request);
        return build;
    }
    switch (kind) {
    case Kind::Contact: build.refusal = {"Cannot write discrete input register", true}; return build;
    case Kind::InputRegister: build.refusal = {"Cannot write input register", true}; return build;
    case Kind::Coil: {
        if (valueText != "1" && valueText != "0") {
            build.refusal = {"Enter a single \"0\" or \"1\" for Coil registers.", false};
            return build;
        }
        request.function = kWriteCoil;
        request.pdu.resize(4);
        ByteWriter writer(request.pdu);
        writer.U16BE(settings.startAddress);
        writer.U16BE(valueText == "1" ? kCoilOn : 0);
        build.request = std::move(request);
        return build;
    }
    case Kind::HoldingRegister: break;
    }
    if (format == 2 || format == 3) {
        build.refusal = {"Cannot write a register of this format.", true};
        return build;
    }
    const ModbusWriteValue value = ParseModbusWriteValue(settings, valueText);
    if (!value.bits) {
        build.refusal = {value.refusal, false};
        return build;
    }
    const bool wide = Is32Bit(format);
    request.function = kWriteRegisters;
    request.pdu.resize(wide ? 9 : 7);
    ByteWriter writer(request.pdu);
    writer.U16BE(settings.startAddress);
    writer.U16BE(wide ? 2 : 1);
    writer.U8(wide ? 4 : 2);
    if (wide)
        Write32(writer, *value.bits, format);
    else
        writer.U16BE(static_cast<std::uint16_t>(*value.bits));
    build.request = std::move(request);
    return build;
}

std::size_t ModbusReplyLength(const ModbusTestSettings& settings)
{
    if (settings.IsRegisterKind())
        return kReplyHeader + (Is32Bit(settings.Format()) ? 4 : 2);
    return kReplyHeader + (settings.read ? 1 : 2);
}

std::optional<std::string> DecodeModbusReplyValue(
    const ModbusTestSettings& settings, std::span<const std::uint8_t> data)
{
    if (data.size() < ModbusReplyLength(settings))
        return std::nullopt;
    ByteReader reader(data.subspan(kReplyHeader));
    if (!settings.IsRegisterKind()) {
        if (settings.read)
            return std::string(reader.U8("coil") != 0 ? "1" : "0");
        return std::string(reader.U16BE("coil") != 0 ? "1" : "0");
    }
    const int format = settings.Format();
    const bool isSigned = settings.IsSigned();
    switch (format) {
    case 0: {
        const std::uint16_t word = reader.U16BE("register");
        return isSigned ? std::to_string(static_cast<std::int16_t>(word)) : std::to_string(word);
    }
    case 1: {
        const std::uint16_t word = reader.U16BE("register");
        const int width = settings.FieldWidth();
        const int start = settings.FieldStart();
        if (width == 0 || width + start > 16)
            return std::string();  // a field outside the word has no value
        const auto shifted = static_cast<std::uint16_t>(word << (16 - width - start));
        if (isSigned)
            return std::to_string(static_cast<std::int16_t>(shifted) >> (16 - width));
        return std::to_string(shifted >> (16 - width));
    }
    case 4:
    case 5:
    case 6:
    case 7: {
        std::uint32_t bits = 0;
        if (IsHighWordFirst(format)) {
            bits = reader.U32BE("register pair");
        } else {
            const std::uint16_t low = reader.U16BE("low register");
            bits = static_cast<std::uint32_t>(reader.U16BE("high register")) << 16 | low;
        }
        if (IsDecimal(format))
            return Printed("%f", static_cast<double>(std::bit_cast<float>(bits)));
        return isSigned ? Printed("%d", static_cast<std::int32_t>(bits)) : Printed("%u", bits);
    }
    default: return std::string();
    }
}

}  // namespace corvane
