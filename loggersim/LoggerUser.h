#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// A user of the simulated logger's password system. Texts are
// Windows-1252 bytes; a name has at most kMaxLoggerUserName bytes and a
// password at most kMaxLoggerPassword, as the login buffers carry them.
struct LoggerUser {
    std::string password;
    std::uint64_t rights = 0;  // bit n: right n of the 64
    // false: the user is logged in on the first stage, without a challenge.
    bool challenge = true;
};

constexpr std::size_t kMaxLoggerUserName = 23;
constexpr std::size_t kMaxLoggerPassword = 19;

}  // namespace corvane
