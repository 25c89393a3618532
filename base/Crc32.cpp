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

// The carry-less form takes sixteen bytes at a time; shorter data goes
// through the tables.
constexpr std::size_t kCarrylessMinimum = 16;

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

constexpr FoldFactors kFoldBy2048 = FactorsFor(2048);
constexpr FoldFactors kFoldBy512 = FactorsFor(512);
constexpr FoldFactors kFoldBy128 = FactorsFor(128);

// floor(x^64 / P), by long division a bit at a time: the Barrett factor
// that finds the quotient of a 64-bit value by the polynomial.
constexpr long long QuotientOfX64()
{
    constexpr std::uint64_t kDivisor = (std::uint64_t{1} << 32) | kPolynomial;
    std::uint64_t remainder = 0;
    std::uint64_t quotient = 0;
    for (int bit = 64; bit >= 0; --bit) {
        remainder = (remainder << 1) | (bit == 64 ? 1u : 0u);
        quotient <<= 1;
        if ((remainder >> 32) != 0) {
            remainder ^= kDivisor;
            quotient |= 1;
        }
    }
    return static_cast<long long>(quotient);
}

// The polynomial with its x^32 term.
constexpr long long kFullPolynomial = (1LL << 32) | kPolynomial;
constexpr long long kBarrettQuotient = QuotientOfX64();
static_assert(kBarrettQuotient == 0x104D101DFLL);

// The data is taken as 128-bit numbers, most significant byte first, so
// the first bit of the data is the highest: the CRC's own order. A 128-bit
// value v = high * x^64 + low that stands n bits before the value it is
// folded into contributes high * (x^(n+64) mod P) + low * (x^n mod P),
// which fits 128 bits again; each step is two carry-less multiplications.
// Four values at once move 512 bits per step, one value 128 bits.
// Nothing here reads a table, so a CRC among other work that crowds the
// cache costs no misses.
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

// The CRC of a 128-bit value, value * x^32 mod P, without tables: the high
// 64 bits fold onto the rest as x^96 mod P, the 32 bits above 64 that are
// left as x^64 mod P, and Barrett's quotient takes the last step.
CORVANE_CARRYLESS_TARGET inline std::uint32_t Reduce128(__m128i value)
{
    const __m128i powers = _mm_set_epi64x(PowerOfX(64), PowerOfX(96));
    const __m128i below96
        = _mm_xor_si128(_mm_clmulepi64_si128(value, powers, 0x01), _mm_slli_si128(_mm_move_epi64(value), 4));
    const __m128i below64 = _mm_xor_si128(_mm_clmulepi64_si128(below96, powers, 0x11), _mm_move_epi64(below96));
    const __m128i barrett = _mm_set_epi64x(kFullPolynomial, kBarrettQuotient);
    const __m128i quotient = _mm_srli_epi64(_mm_clmulepi64_si128(_mm_srli_epi64(below64, 32), barrett, 0x00), 32);
    const __m128i remainder = _mm_xor_si128(below64, _mm_clmulepi64_si128(quotient, barrett, 0x10));
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(remainder));
}

// At least kCarrylessMinimum bytes.
CORVANE_CARRYLESS_TARGET std::uint32_t Crc32UpdateFolded(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    const __m128i by512 = _mm_set_epi64x(kFoldBy512.high, kFoldBy512.low);
    const __m128i by128 = _mm_set_epi64x(kFoldBy128.high, kFoldBy128.low);
    const std::uint8_t* p = bytes.data();
    std::size_t left = bytes.size();
    // The running CRC is added to the first 32 bits; the rest then counts
    // as if the CRC had started at 0.
    __m128i folded = _mm_xor_si128(Load128(p), _mm_set_epi32(static_cast<int>(crc), 0, 0, 0));
    p += 16;
    left -= 16;
    if (left >= 48) {
        __m128i v1 = Load128(p);
        __m128i v2 = Load128(p + 16);
        __m128i v3 = Load128(p + 32);
        p += 48;
        left -= 48;
        for (; left >= 64; left -= 64, p += 64) {
            folded = Fold128(folded, by512, Load128(p));
            v1 = Fold128(v1, by512, Load128(p + 16));
            v2 = Fold128(v2, by512, Load128(p + 32));
            v3 = Fold128(v3, by512, Load128(p + 48));
        }
        folded = Fold128(Fold128(Fold128(folded, by128, v1), by128, v2), by128, v3);
    }
    for (; left >= 16; left -= 16, p += 16)
        folded = Fold128(folded, by128, Load128(p));
    // Fewer than sixteen bytes are left, a byte at a time through the one
    // table, which stays in the cache where sixteen would not.
    return Crc32UpdateBytewise(Reduce128(folded), {p, left});
}

// The same folding four values to a 512-bit register: sixteen values, 256
// bytes, per step in four registers, which then fold into one and its four
// values into the one 128-bit value the narrow form finishes.
#define CORVANE_WIDE_TARGET __attribute__((target("pclmul,ssse3,avx512f,avx512bw,vpclmulqdq")))

// Below this the narrow form does as well.
constexpr std::size_t kWideMinimum = 256;

// The same reversal in each 128-bit lane (written as 64-bit halves: the
// header of GCC 12 warns of its own undefined values in the broadcasts).
CORVANE_WIDE_TARGET inline __m512i Load512(const std::uint8_t* p)
{
    constexpr long long kLow = 0x08090A0B0C0D0E0FLL;
    constexpr long long kHigh = 0x0001020304050607LL;
    const __m512i mostSignificantFirst = _mm512_set_epi64(kHigh, kLow, kHigh, kLow, kHigh, kLow, kHigh, kLow);
    return _mm512_shuffle_epi8(_mm512_loadu_si512(p), mostSignificantFirst);
}

CORVANE_WIDE_TARGET inline __m512i Fold512(__m512i values, __m512i factors, __m512i next)
{
    // 0x96: the exclusive or of all three.
    return _mm512_ternarylogic_epi64(
        _mm512_clmulepi64_epi128(values, factors, 0x11), _mm512_clmulepi64_epi128(values, factors, 0x00), next, 0x96);
}

CORVANE_WIDE_TARGET inline __m512i Factors512(FoldFactors factors)
{
    return _mm512_set_epi64(
        factors.high, factors.low, factors.high, factors.low, factors.high, factors.low, factors.high, factors.low);
}

// At least kWideMinimum bytes.
CORVANE_WIDE_TARGET std::uint32_t Crc32UpdateFoldedWide(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
    const __m512i by2048 = Factors512(kFoldBy2048);
    const __m512i by512 = Factors512(kFoldBy512);
    const __m128i by128 = _mm_set_epi64x(kFoldBy128.high, kFoldBy128.low);
    const std::uint8_t* p = bytes.data();
    std::size_t left = bytes.size();
    __m512i v0 = _mm512_xor_si512(Load512(p), _mm512_castsi128_si512(_mm_set_epi32(static_cast<int>(crc), 0, 0, 0)));
    __m512i v1 = Load512(p + 64);
    __m512i v2 = Load512(p + 128);
    __m512i v3 = Load512(p + 192);
    p += 256;
    left -= 256;
    for (; left >= 256; left -= 256, p += 256) {
        v0 = Fold512(v0, by2048, Load512(p));
        v1 = Fold512(v1, by2048, Load512(p + 64));
        v2 = Fold512(v2, by2048, Load512(p + 128));
        v3 = Fold512(v3, by2048, Load512(p + 192));
    }
    __m512i wide = Fold512(Fold512(Fold512(v0, by512, v1), by512, v2), by512, v3);
    for (; left >= 64; left -= 64, p += 64)
        wide = Fold512(wide, by512, Load512(p));
    // The register's first value comes first in the data.
    alignas(64) std::array<std::uint8_t, 64> lanes{};
    _mm512_store_si512(lanes.data(), wide);
    __m128i folded = _mm_load_si128(reinterpret_cast<const __m128i*>(lanes.data()));
    for (std::size_t lane = 16; lane < lanes.size(); lane += 16)
        folded = Fold128(folded, by128, _mm_load_si128(reinterpret_cast<const __m128i*>(lanes.data() + lane)));
    for (; left >= 16; left -= 16, p += 16)
        folded = Fold128(folded, by128, Load128(p));
    return Crc32UpdateBytewise(Reduce128(folded), {p, left});
}

#undef CORVANE_WIDE_TARGET

bool WideAvailable()
{
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")
        && __builtin_cpu_supports("vpclmulqdq");
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

std::optional<std::uint32_t> Crc32UpdateCarrylessWide(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
#ifdef CORVANE_CRC32_CARRYLESS
    if (!CarrylessAvailable() || !WideAvailable())
        return std::nullopt;
    return bytes.size() < kWideMinimum ? Crc32UpdateCarryless(crc, bytes) : Crc32UpdateFoldedWide(crc, bytes);
#else
    (void)crc;
    (void)bytes;
    return std::nullopt;
#endif
}

std::uint32_t Crc32Update(std::uint32_t crc, std::span<const std::uint8_t> bytes)
{
#ifdef CORVANE_CRC32_CARRYLESS
    if (bytes.size() >= kCarrylessMinimum && CarrylessAvailable()) {
        if (bytes.size() >= kWideMinimum && WideAvailable())
            return Crc32UpdateFoldedWide(crc, bytes);
        return Crc32UpdateFolded(crc, bytes);
    }
#endif
    return Crc32UpdateSliced(crc, bytes);
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) { return Crc32Update(kCrc32Start, bytes); }

}  // namespace corvane
