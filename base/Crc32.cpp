#include "base/Crc32.h"

#include <array>
#include <cstddef>

namespace corvane {

namespace {

constexpr std::uint32_t kPolynomial = 0x04C11DB7u;
constexpr std::size_t kSliceBytes = 16;

using Table = std::array<std::uint32_t, 256>;

constexpr Table MakeByteTable()
{
    Table table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t crc = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ kPolynomial : crc << 1;
        table[i] = crc;
    }
    return table;
}

// tables[k][b]: the CRC contribution of byte b followed by k zero bytes, so
// the sixteen bytes of one step are looked up independently and combined
// with exclusive or.
constexpr std::array<Table, kSliceBytes> MakeSliceTables()
{
    std::array<Table, kSliceBytes> tables{};
    tables[0] = MakeByteTable();
    for (std::size_t k = 1; k < kSliceBytes; ++k)
        for (std::size_t b = 0; b < 256; ++b) {
            const std::uint32_t previous = tables[k - 1][b];
            tables[k][b] = (previous << 8) ^ tables[0][previous >> 24];
        }
    return tables;
}

constexpr std::array<Table, kSliceBytes> kTables = MakeSliceTables();
constexpr const Table& kByteTable = kTables[0];

static_assert(kByteTable[1] == 0x04C11DB7u && kByteTable[2] == 0x09823B6Eu && kByteTable[255] == 0xB1F740B4u);

}  // namespace

std::uint32_t Crc32UpdateBytewise(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    for (std::uint8_t byte : bytes)
        crc = (crc << 8) ^ kByteTable[(crc >> 24) ^ byte];
    return crc;
}

std::uint32_t Crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    const std::uint8_t* p = bytes.data();
    std::size_t left = bytes.size();
    for (; left >= kSliceBytes; left -= kSliceBytes, p += kSliceBytes) {
        // The running CRC meets the first four bytes, most significant first.
        crc = kTables[15][p[0] ^ (crc >> 24)] ^ kTables[14][p[1] ^ ((crc >> 16) & 0xFFu)]
            ^ kTables[13][p[2] ^ ((crc >> 8) & 0xFFu)] ^ kTables[12][p[3] ^ (crc & 0xFFu)] ^ kTables[11][p[4]]
            ^ kTables[10][p[5]] ^ kTables[9][p[6]] ^ kTables[8][p[7]] ^ kTables[7][p[8]] ^ kTables[6][p[9]]
            ^ kTables[5][p[10]] ^ kTables[4][p[11]] ^ kTables[3][p[12]] ^ kTables[2][p[13]] ^ kTables[1][p[14]]
            ^ kTables[0][p[15]];
    }
    return Crc32UpdateBytewise(crc, {p, left});
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) { return Crc32Update(kCrc32Start, bytes); }

}  // namespace corvane
