#pragma once

#include "comms/RightsMask.h"

#include <string>

namespace corvane {

// One user of the logger's password system as the user dialogs list it.
// Texts are UTF-8; they become Windows-1252 at the request.
struct CUserInfo {
    RightsMask rights;
    std::string password;
    std::string name;

    friend bool operator==(const CUserInfo&, const CUserInfo&) = default;
};

}  // namespace corvane
