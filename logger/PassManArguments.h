#pragma once

#include "comms/RightsMask.h"

#include <cstdint>
#include <string>

namespace corvane {

// The arguments of one CxPassMan request after the window: operation,
// sub-code, user name, password and rights.
struct PassManArguments {
    std::uint8_t operation = 0;
    std::uint8_t subCode = 0;
    std::string name;
    std::string password;
    RightsMask rights;

    friend bool operator==(const PassManArguments&, const PassManArguments&) = default;
};

}  // namespace corvane
