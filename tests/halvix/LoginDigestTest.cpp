#include "halvix/protocol/LoginDigest.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane {
namespace login_digest_test {
namespace {

struct DigestCase {
    const char* user;
    const char* realm;
    const char* password;
    const char* nonce;
    const char* clientNonce;
    const char* response;
};

// Responses computed independently (python3 hashlib) from the RFC 2617
// formula with method "GET", qop "auth", nc "00000001" and the realm as URI.
constexpr DigestCase kCases[] = {
    {"admin", "Simulated Logger", "admin", "0123456789abcdef0123456789abcdef", "1a2b3c4d",
        "7a8f2df006b338ec15a84934529188d2"},
    {"operator", "SIM-0001", "s3cret!", "dcd98b7102dd2f0e8b11d0f600bfb0c0", "0a4f113b",
        "1178ca2075b60d030ba772913a7b1622"},
    {"", "", "", "", "", "5087cbabd046d19ce00065549290061b"},
};

TEST(LoginDigestTest, MatchesTheHttpDigestResponse)
{
    for (const DigestCase& c : kCases)
        EXPECT_EQ(LoginDigestResponse(c.user, c.realm, c.password, c.nonce, c.clientNonce), c.response) << c.user;
}

TEST(LoginDigestTest, HexEncodesEachByteAsTwoLowercaseDigits)
{
    constexpr std::array<std::uint8_t, 4> kBytes = {0x00, 0x0A, 0xBC, 0xFF};
    EXPECT_EQ(HexEncode(kBytes), "000abcff");
    EXPECT_EQ(HexEncode({}), "");
}

}  // namespace
}  // namespace login_digest_test
}  // namespace corvane
