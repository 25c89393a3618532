#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// CxUserAuth's request buffer, 35 bytes, little-endian. The stage word
// chooses the request type on the wire: stage 0 travels as
// kRequestUserAuth (16), stage 1 as kRequestPassWd (4), and each is
// answered with a reply of its type.
//   stage 0: 0 u16 stage | 2 user name, 24 bytes, NUL-terminated, zero-padded
//            | 26 client nonce, 8 lowercase hex digits and NUL
//   stage 1: 0 u16 stage | 2 response, 32 lowercase hex digits and NUL
constexpr std::size_t kUserAuthBufferSize = 35;
constexpr std::size_t kUserAuthStageOffset = 0;
constexpr std::size_t kUserAuthUserNameOffset = 2;
constexpr std::size_t kUserAuthUserNameSize = 24;
constexpr std::size_t kUserAuthClientNonceOffset = 26;
constexpr std::size_t kUserAuthClientNonceSize = 9;
constexpr std::size_t kUserAuthResponseOffset = 2;
constexpr std::size_t kUserAuthResponseSize = 33;
constexpr std::uint16_t kUserAuthStageChallenge = 0;
constexpr std::uint16_t kUserAuthStageResponse = 1;

// The challenge reply (type 16): u16 result at 0; result 0: the nonce and
// then the realm, each NUL-terminated, from byte 2; non-zero (logged in
// without a challenge): u32 rights bits 0-31 at 2, bits 32-63 at 6.
// The result reply (type 4): u32 rights bits 0-31 at 0, bits 32-63 at 4.
constexpr std::size_t kChallengeResultOffset = 0;
constexpr std::size_t kChallengeTextOffset = 2;
constexpr std::size_t kChallengeRightsOffset = 2;
constexpr std::size_t kLoginRightsSize = 8;
constexpr std::size_t kMaxNonceLength = 32;

}  // namespace corvane
