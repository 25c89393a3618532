#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

// Builds small logged-data streams record by record for the tests.
class LogStreamWriter {
public:
    LogStreamWriter& UnitHeader(std::string_view unitId, std::string_view unitName, std::int32_t serial,
                                std::string_view program = "NET1", std::uint16_t zoneOffset = 0)
    {
        std::vector<std::uint8_t> record(206, 0);
        record[0] = 8;
        PutLE(record, 2, static_cast<std::uint32_t>(serial), 4);
        PutText(record, 6, unitName, 22);
        PutText(record, 28, unitId, 22);
        PutText(record, 50, "2024-01-01", 32);
        PutText(record, 82, "2025-01-01", 32);
        PutText(record, 114, "bench", 32);
        record[179] = 1;
        PutText(record, 180, program, 22);
        PutLE(record, 204, zoneOffset, 2);
        return Append(record);
    }
    LogStreamWriter& Point(std::int16_t id, std::string_view name, std::string_view units, std::uint16_t decimals = 3,
                           std::uint8_t key = 7)
    {
        std::vector<std::uint8_t> record(38, 0);
        record[0] = 9;
        record[1] = key;
        PutLE(record, 2, static_cast<std::uint16_t>(id), 2);
        PutLE(record, 4, decimals, 2);
        PutText(record, 6, name, 22);
        PutText(record, 28, units, 10);
        return Append(record);
    }
    LogStreamWriter& Stamp(std::uint32_t seconds, std::uint16_t ticks = 0, std::uint8_t type = 13)
    {
        std::vector<std::uint8_t> record(8, 0);
        record[0] = type;
        record[1] = ticks != 0 ? 1 : 0;
        PutLE(record, 2, ticks, 2);
        PutLE(record, 4, seconds, 4);
        return Append(record);
    }
    LogStreamWriter& Int(std::int16_t id, std::int32_t value) { return Value(1, id, static_cast<std::uint32_t>(value)); }
    LogStreamWriter& Bool(std::int16_t id, bool value) { return Value(0, id, value ? 1u : 0u); }
    LogStreamWriter& Float(std::int16_t id, float value)
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return Value(2, id, bits);
    }
    LogStreamWriter& Value(std::uint8_t type, std::int16_t id, std::uint32_t raw)
    {
        std::vector<std::uint8_t> record(8, 0);
        record[0] = type;
        record[1] = 7;
        PutLE(record, 2, static_cast<std::uint16_t>(id), 2);
        PutLE(record, 4, raw, 4);
        return Append(record);
    }
    LogStreamWriter& End()
    {
        std::vector<std::uint8_t> record(8, 0xEE);
        record[0] = 255;
        return Append(record);
    }
    LogStreamWriter& Raw(std::vector<std::uint8_t> bytes) { return Append(bytes); }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::string Text() const { return std::string(bytes_.begin(), bytes_.end()); }

private:
    static void PutLE(std::vector<std::uint8_t>& record, std::size_t at, std::uint32_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            record[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    static void PutText(std::vector<std::uint8_t>& record, std::size_t at, std::string_view text, std::size_t width)
    {
        for (std::size_t i = 0; i < text.size() && i < width; ++i)
            record[at + i] = static_cast<std::uint8_t>(text[i]);
    }
    LogStreamWriter& Append(const std::vector<std::uint8_t>& record)
    {
        bytes_.insert(bytes_.end(), record.begin(), record.end());
        return *this;
    }

    std::vector<std::uint8_t> bytes_;
};

}  // namespace corvane::test
