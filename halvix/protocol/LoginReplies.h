#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

// The rights a login grants: bits 0-31 and 32-63.
struct LoginRights {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    friend bool operator==(const LoginRights&, const LoginRights&) = default;
};

// What a challenge reply's data says (layout in UserAuthLayout.h).
struct LoginChallenge {
    enum class Kind {
        Challenge,  // answer with the digest of nonce and realm
        Granted,    // logged in without a challenge, with rights
        Malformed,  // too short, or a text does not end inside its limit and the data
    };
    Kind kind = Kind::Malformed;
    std::string nonce;  // bytes as sent
    std::string realm;
    LoginRights rights;
};

LoginChallenge ParseLoginChallenge(std::span<const std::uint8_t> data);
// The result reply's rights; nothing when the data is too short to carry them.
std::optional<LoginRights> ParseLoginRights(std::span<const std::uint8_t> data);

}  // namespace corvane
