#pragma once

#include "comms/RightsMask.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace corvane {

// One permission a logger user can be given, as the user dialogs list it.
struct UserPermission {
    std::string_view name;
    RightsMask bits;
};

namespace user_permission {

constexpr UserPermission Bit(std::string_view name, unsigned bit)
{
    return bit < 32 ? UserPermission{name, {std::uint32_t{1} << bit, 0}}
                    : UserPermission{name, {0, std::uint32_t{1} << (bit - 32)}};
}

}  // namespace user_permission

// The permissions in the order of the user dialogs' check list.
inline constexpr std::array<UserPermission, 20> kUserPermissionTable = [] {
    using user_permission::Bit;
    return std::array<UserPermission, 20>{
        Bit("Password Management", 31),
        Bit("Flash Programming and Debug", 29),
        Bit("Read Configuration Info", 28),
        Bit("Write Configuration Info", 27),
        Bit("Set Date and Time", 26),
        Bit("Net Program Download", 25),
        Bit("Net Program Upload", 24),
        Bit("Probe Point View", 23),
        Bit("Data Download", 22),
        Bit("Memory Clear", 21),
        Bit("Logger Enable/Stop", 20),
        Bit("Active Message View", 19),
        Bit("Active Message Clear", 18),
        Bit("Remote Control Access", 17),
        Bit("Corvane Access", 16),
        Bit("Real-Time Trending", 15),
        Bit("Get Status", 13),
        Bit("Status Web Page", 5),
        Bit("Current Values and Remote Control", 4),
        Bit("Logged Data Review", 3),
    };
}();

}  // namespace corvane
