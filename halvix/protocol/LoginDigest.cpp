#include "halvix/protocol/LoginDigest.h"

#include "base/Md5.h"

namespace corvane {

std::string HexEncode(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * bytes.size());
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string LoginDigestResponse(std::string_view userName, std::string_view realm, std::string_view password,
    std::string_view nonce, std::string_view clientNonce)
{
    Md5 ha1;
    ha1.Update(userName);
    ha1.Update(":");
    ha1.Update(realm);
    ha1.Update(":");
    ha1.Update(password);
    Md5 ha2;
    ha2.Update("GET:");
    ha2.Update(realm);
    Md5 response;
    response.Update(HexEncode(ha1.Finish()));
    response.Update(":");
    response.Update(nonce);
    response.Update(":00000001:");
    response.Update(clientNonce);
    response.Update(":auth:");
    response.Update(HexEncode(ha2.Finish()));
    return HexEncode(response.Finish());
}

}  // namespace corvane
