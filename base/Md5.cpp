#include "base/Md5.h"

#include <bit>

namespace corvane {

namespace {

// The shift amounts of each round (four per round, repeated) and the
// sine-derived constants of RFC 1321.
constexpr std::array<std::array<int, 4>, 4> kShifts = {{
    {7, 12, 17, 22},
    {5, 9, 14, 20},
    {4, 11, 16, 23},
    {6, 10, 15, 21},
}};

constexpr std::array<std::array<std::uint32_t, 4>, 16> kSines = {{
    {0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee},
    {0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501},
    {0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be},
    {0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821},
    {0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa},
    {0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8},
    {0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed},
    {0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a},
    {0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c},
    {0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70},
    {0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05},
    {0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665},
    {0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039},
    {0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1},
    {0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1},
    {0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391},
}};

constexpr std::size_t kBlockBytes = 64;
constexpr std::size_t kLengthOffset = 56;  // the bit count's place in the last block

}  // namespace

Md5::Md5() : state_{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476} {}

void Md5::Block(const std::uint8_t* block)
{
    std::array<std::uint32_t, 16> words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint32_t>(block[4 * i]) | static_cast<std::uint32_t>(block[4 * i + 1]) << 8
            | static_cast<std::uint32_t>(block[4 * i + 2]) << 16 | static_cast<std::uint32_t>(block[4 * i + 3]) << 24;
    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    for (std::size_t i = 0; i < 64; ++i) {
        std::uint32_t f = 0;
        std::size_t g = 0;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const std::uint32_t rotated = std::rotl(a + f + kSines[i / 4][i % 4] + words[g], kShifts[i / 16][i % 4]);
        a = d;
        d = c;
        c = b;
        b = b + rotated;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
}

void Md5::Update(std::span<const std::uint8_t> bytes)
{
    std::size_t used = static_cast<std::size_t>(length_ % kBlockBytes);
    length_ += bytes.size();
    for (const std::uint8_t byte : bytes) {
        buffer_[used++] = byte;
        if (used == kBlockBytes) {
            Block(buffer_.data());
            used = 0;
        }
    }
}

void Md5::Update(std::string_view text)
{
    Update(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

Md5Digest Md5::Finish()
{
    const std::uint64_t bits = length_ * 8;
    const std::array<std::uint8_t, 1> marker = {0x80};
    Update(marker);
    const std::array<std::uint8_t, 1> zero = {0};
    while (length_ % kBlockBytes != kLengthOffset)
        Update(zero);
    std::array<std::uint8_t, 8> count{};
    for (std::size_t i = 0; i < count.size(); ++i)
        count[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    Update(count);
    Md5Digest digest{};
    for (std::size_t i = 0; i < digest.size(); ++i)
        digest[i] = static_cast<std::uint8_t>(state_[i / 4] >> (8 * (i % 4)));
    return digest;
}

Md5Digest ComputeMd5(std::span<const std::uint8_t> bytes)
{
    Md5 md5;
    md5.Update(bytes);
    return md5.Finish();
}

Md5Digest ComputeMd5(std::string_view text)
{
    Md5 md5;
    md5.Update(text);
    return md5.Finish();
}

}  // namespace corvane
