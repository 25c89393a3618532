#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// The login digest both ends of CxUserAuth compute: the HTTP digest access
// response (RFC 2617) with MD5, method "GET", quality of protection "auth",
// request count "00000001" and the realm standing as the digest URI:
//   HA1 = MD5(user ":" realm ":" password)
//   HA2 = MD5("GET" ":" realm)
//   response = MD5(hex(HA1) ":" nonce ":" "00000001" ":" cnonce ":" "auth" ":" hex(HA2))
// Texts are the bytes as sent (Windows-1252). The result is 32 lowercase
// hexadecimal digits.
std::string LoginDigestResponse(std::string_view userName, std::string_view realm, std::string_view password,
    std::string_view nonce, std::string_view clientNonce);

// Two lowercase hexadecimal digits per byte.
std::string HexEncode(std::span<const std::uint8_t> bytes);

}  // namespace corvane
