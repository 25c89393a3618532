#include "base/Crc32.h"

#include <array>
#include <cstddef>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define CORVANE_CRC32_CARRYLESS 1
#endif

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

#ifdef CORVANE_CRC32_CARRYLESS

// Below this many bytes the tables are as quick as the set-up of the
// carry-less form.
constexpr std::size_t kCarrylessMinimum = 64;

// x^n mod the polynomial, the factor that moves a remainder n bits on.
constexpr long long PowerOfX(unsigned n)
{
    std::uint32_t remainder = 1;
    for (unsigned i = 0; i < n; ++i)
        remainder = (remainder & 0x80000000u) ? (remainder << 1) ^ kPolynomial : remainder << 1;
    return remainder;
}

// The factors of one fold over a distance of bits: for the high and the
// low 64 bits of a 128-bit value.
struct FoldFactors {
    long long high = 0;
    long long low = 0;
};

constexpr FoldFactors FactorsFor(unsigned bits) { return {PowerOfX(bits + 64), PowerOfX(bits)}; }

constexpr FoldFactors kFoldBy512 = FactorsFor(512);
constexpr FoldFactors kFoldBy128 = FactorsFor(128);

// The data is taken as 128-bit numbers, most significant byte first, so
// the first bit of the data is the highest: the CRC's own order. A 128-bit
// value v = high * x^64 + low that stands n bits before the value it is
// folded into contributes high * (x^(n+64) mod P) + low * (x^n mod P),
// which fits 128 bits again; each step is two carry-less multiplications.
// Four values at once move 512 bits per step, one value 128 bits.
#define CORVANE_CARRYLESS_TARGET __attribute__((target("pclmul,ssse3")))

// Reverses the sixteen bytes: the first byte of the data becomes the
// value's most significant, and back.
CORVANE_CARRYLESS_TARGET inline __m128i Reverse128(__m128i value)
{
    return _mm_shuffle_epi8(value, _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
}

CORVANE_CARRYLESS_TARGET inline __m128i Load128(const std::uint8_t* p)
{
    return Reverse128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
}

CORVANE_CARRYLESS_TARGET inline __m128i Fold128(__m128i value, __m128i factors, __m128i next)
{
    const __m128i high = _mm_clmulepi64_si128(value, factors, 0x11);
    const __m128i low = _mm_clmulepi64_si128(value, factors, 0x00);
    return _mm_xor_si128(_mm_xor_si128(high, low), next);
}

CORVANE_CARRYLESS_TARGET std::uint32_t Crc32UpdateFolded(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    const __m128i by512 = _mm_set_epi64x(kFoldBy512.high, kFoldBy512.low);
    const __m128i by128 = _mm_set_epi64x(kFoldBy128.high, kFoldBy128.low);
    const std::uint8_t* p = bytes.data();
    std::size_t left = bytes.size();
    // The running CRC is added to the first 32 bits; the rest then counts
    // as if the CRC had started at 0.
    __m128i v0 = _mm_xor_si128(Load128(p), _mm_set_epi32(static_cast<int>(crc), 0, 0, 0));
    __m128i v1 = Load128(p + 16);
    __m128i v2 = Load128(p + 32);
    __m128i v3 = Load128(p + 48);
    p += 64;
    left -= 64;
    for (; left >= 64; left -= 64, p += 64) {
        v0 = Fold128(v0, by512, Load128(p));
        v1 = Fold128(v1, by512, Load128(p + 16));
        v2 = Fold128(v2, by512, Load128(p + 32));
        v3 = Fold128(v3, by512, Load128(p + 48));
    }
    __m128i folded = Fold128(Fold128(Fold128(v0, by128, v1), by128, v2), by128, v3);
    for (; left >= 16; left -= 16, p += 16)
        folded = Fold128(folded, by128, Load128(p));
    // What is left is the CRC of the folded value's sixteen bytes from 0,
    // continued over the last bytes.
    std::array<std::uint8_t, 16> remainder{};
    _mm_storeu_si128(reinterpret_cast<__m128i*>(remainder.data()), Reverse128(folded));
    return Crc32UpdateSliced(Crc32UpdateSliced(0, remainder), {p, left});
}

#undef CORVANE_CARRYLESS_TARGET

bool CarrylessAvailable() { return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("ssse3"); }

#endif

}  // namespace

std::uint32_t Crc32UpdateBytewise(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    for (std::uint8_t byte : bytes)
        crc = (crc << 8) ^ kByteTable[(crc >> 24) ^ byte];
    return crc;
}

std::uint32_t Crc32UpdateSliced(std::uint32_t crc, std::span<const std::uint8_t> bytes)
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

std::optional<std::uint32_t> Crc32UpdateCarryless(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
#ifdef CORVANE_CRC32_CARRYLESS
    if (!CarrylessAvailable())
        return std::nullopt;
    return bytes.size() < kCarrylessMinimum ? Crc32UpdateSliced(crc, bytes) : Crc32UpdateFolded(crc, bytes);
#else
    (void)crc;
    (void)bytes;
    return std::nullopt;
#endif
}

std::uint32_t Crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
#ifdef CORVANE_CRC32_CARRYLESS
    if (bytes.size() >= kCarrylessMinimum && CarrylessAvailable())
        return Crc32UpdateFolded(crc, bytes);
#endif
    return Crc32UpdateSliced(crc, bytes);
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) { return Crc32Update(kCrc32Start, bytes); }

}  // namespace corvane
