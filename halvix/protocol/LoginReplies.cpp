#include "halvix/protocol/LoginReplies.h"

#include "base/ByteReader.h"
#include "halvix/protocol/UserAuthLayout.h"

#include <string_view>

namespace corvane {

namespace {

constexpr std::size_t kMaxRealmLength = 64;

std::optional<LoginRights> RightsAt(std::span<const std::uint8_t> data, std::size_t offset)
{
    ByteReader reader(data);
    reader.Seek(offset);
    LoginRights rights;
    rights.low = reader.U32LE("rights low");
    rights.high = reader.U32LE("rights high");
    if (reader.Failed())
        return std::nullopt;
    return rights;
}

// The text at offset, ending with its NUL within maxLength bytes and within
// the data; nothing when the NUL is missing.
std::optional<std::string> TerminatedText(std::span<const std::uint8_t> data, std::size_t offset, std::size_t maxLength)
{
    if (offset >= data.size())
        return std::nullopt;
    const std::span<const std::uint8_t> rest = data.subspan(offset);
    std::size_t length = 0;
    while (length < rest.size() && length <= maxLength && rest[length] != 0)
        ++length;
    if (length > maxLength || length == rest.size())
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(rest.data()), length);
}

}  // namespace

LoginChallenge ParseLoginChallenge(std::span<const std::uint8_t> data)
{
    LoginChallenge challenge;
    ByteReader reader(data);
    const std::uint16_t result = reader.U16LE("challenge result");
    if (result != 0) {
        if (const std::optional<LoginRights> rights = RightsAt(data, kChallengeRightsOffset)) {
            challenge.kind = LoginChallenge::Kind::Granted;
            challenge.rights = *rights;
        }
        return challenge;
    }
    if (reader.Failed())
        return challenge;
    std::optional<std::string> nonce = TerminatedText(data, kChallengeTextOffset, kMaxNonceLength);
    if (!nonce)
        return challenge;
    std::optional<std::string> realm = TerminatedText(data, kChallengeTextOffset + nonce->size() + 1, kMaxRealmLength);
    if (!realm)
        return challenge;
    challenge.kind = LoginChallenge::Kind::Challenge;
    challenge.nonce = std::move(*nonce);
    challenge.realm = std::move(*realm);
    return challenge;
}

std::optional<LoginRights> ParseLoginRights(std::span<const std::uint8_t> data) { return RightsAt(data, 0); }

}  // namespace corvane
