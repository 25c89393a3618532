#include "base/Md5.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace md5_test {
namespace {

std::string Hex(const Md5Digest& digest)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : digest) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

struct Vector {
    const char* input;
    const char* digest;
};

// The test suite of RFC 1321, appendix A.5.
constexpr Vector kRfc1321Vectors[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
        "57edf4a22be3c955ac49da2e2107b67a"},
};

TEST(Md5Test, MatchesTheRfc1321TestSuite)
{
    for (const Vector& vector : kRfc1321Vectors)
        EXPECT_EQ(Hex(ComputeMd5(std::string_view(vector.input))), vector.digest) << '"' << vector.input << '"';
}

TEST(Md5Test, PiecesGiveTheSameDigestAsTheWhole)
{
    // Lengths around the block and padding boundaries (55, 56, 63, 64, 65).
    for (const std::size_t length : {55u, 56u, 63u, 64u, 65u, 200u}) {
        std::vector<std::uint8_t> bytes(length);
        for (std::size_t i = 0; i < length; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
        const Md5Digest whole = ComputeMd5(bytes);
        for (std::size_t split = 0; split <= length; split += 13) {
            Md5 md5;
            md5.Update(std::span(bytes).first(split));
            md5.Update(std::span(bytes).subspan(split));
            EXPECT_EQ(md5.Finish(), whole) << "length " << length << " split " << split;
        }
    }
}

TEST(Md5Test, HandlesBlockBoundaryLengths)
{
    // Independently computed (python3 hashlib) for 'a' repeated.
    EXPECT_EQ(Hex(ComputeMd5(std::string(56, 'a'))), "3b0c8ac703f828b04c6c197006d17218");
    EXPECT_EQ(Hex(ComputeMd5(std::string(64, 'a'))), "014842d480b571495a4a0363793f7367");
}

}  // namespace
}  // namespace md5_test
}  // namespace corvane
