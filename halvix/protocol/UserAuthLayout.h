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

// CxPassMan's request (type 5), 54 bytes, little-endian; the reply to
// operation 0 carries the user's record in the same layout:
//   0 u8 operation | 1 u8 sub-code (the user's index, or 1/0 for passwords
//   on/off) | 2 user name, 24 bytes, NUL-terminated, zero-padded
//   | 26 password, 20 bytes, NUL-terminated, zero-padded
//   | 46 u32 rights bits 0-31 | 50 u32 rights bits 32-63
// Every other reply of type 5 holds at least the operation byte and one
// more.
constexpr std::size_t kUserRecordSize = 54;
constexpr std::size_t kUserRecordOperationOffset = 0;
constexpr std::size_t kUserRecordSubCodeOffset = 1;
constexpr std::size_t kUserRecordNameOffset = 2;
constexpr std::size_t kUserRecordNameSize = 24;
constexpr std::size_t kUserRecordPasswordOffset = 26;
constexpr std::size_t kUserRecordPasswordSize = 20;
constexpr std::size_t kUserRecordRightsOffset = 46;
constexpr std::size_t kPassManReplyMinSize = 2;

// CxPassMan's operations.
constexpr std::uint8_t kPassManRead = 0;
constexpr std::uint8_t kPassManAdd = 1;
constexpr std::uint8_t kPassManChange = 2;
constexpr std::uint8_t kPassManDelete = 3;
constexpr std::uint8_t kPassManDeleteOnly = 4;
constexpr std::uint8_t kPassManSwitch = 5;

// CxPassWd's request travels as type 4, like the login's second stage, and
// is told apart by its stage word: u16 kPasswordChangeStage at 0, then the
// user name, the current and the new password, each NUL-terminated, with
// at most 23, 19 and 19 bytes before the NUL. Success answers 2 bytes; a
// wrong current password is error 16905.
constexpr std::uint16_t kPasswordChangeStage = 2;
constexpr std::size_t kPasswordChangeTextsOffset = 2;
constexpr std::size_t kMaxUserNameBytes = 23;
constexpr std::size_t kMaxPasswordBytes = 19;
// A logger keeps at most this many users.
constexpr std::size_t kMaxLoggerUsers = 101;
// Error code of an add or change whose name another user has.
constexpr std::uint16_t kCodeUserExists = 525;

}  // namespace corvane
