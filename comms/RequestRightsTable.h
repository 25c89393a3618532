#pragma once

#include "comms/RightsMask.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace corvane {

// The rights a logger request needs: any one of the required bits, or
// nothing when both words are 0.
struct RequestRights {
    std::uint32_t code = 0;  // the request type
    RightsMask required;
};

namespace request_rights {

constexpr RequestRights AnyOf(std::uint32_t code, std::initializer_list<unsigned> bits)
{
    RequestRights row{code, {}};
    for (unsigned bit : bits) {
        if (bit < 32)
            row.required.low |= std::uint32_t{1} << bit;
        else
            row.required.high |= std::uint32_t{1} << (bit - 32);
    }
    return row;
}
constexpr RequestRights All(std::uint32_t code) { return {code, {0xFFFFFFFFu, 0xFFFFFFFFu}}; }
constexpr RequestRights None(std::uint32_t code) { return {code, {0, 0}}; }

}  // namespace request_rights

// The code of the closing row, which answers every request not listed.
inline constexpr std::uint32_t kUnlistedRequestCode = 0xFFFFFFFFu;

// The rights each request needs, in lookup order: the first row with the
// request's code applies, and the closing row answers every other code.
inline constexpr std::array<RequestRights, 55> kRequestRightsTable = [] {
    using namespace request_rights;
    return std::array<RequestRights, 55>{
        AnyOf(0, {13, 15, 16, 20, 22, 23}),  // state
        AnyOf(2, {26}),                      // set the logger clock
        AnyOf(3, {18}),                      // clear status flags
        All(4),                              // log in
        AnyOf(5, {31}),                      // manage users and passwords
        None(7),
        AnyOf(8, {20}),  // enable or stop logging
        All(9),          // base configuration
        AnyOf(10, {16}),
        AnyOf(11, {16, 28}),  // read a configuration item
        AnyOf(12, {27}),      // write a configuration item
        AnyOf(13, {27, 28}),  // list configuration items
        AnyOf(14, {19}),
        AnyOf(15, {18}),
        All(26),
        AnyOf(27, {27}),  // reset
        All(29),
        All(31),
        All(4064),  // ping
        AnyOf(4086, {31, 62}),
        All(4065),
        None(4066),
        None(4067),
        None(4068),
        AnyOf(4069, {29}),  // firmware reflash: start, data, run
        AnyOf(4070, {29}),
        AnyOf(4071, {29}),
        AnyOf(4075, {24}),
        AnyOf(4076, {24}),
        AnyOf(4077, {24}),
        All(4079),
        All(4080),
        All(4081),
        All(4082),
        AnyOf(128, {17}),  // remote control messages
        AnyOf(129, {17}),
        None(130),
        None(64),
        None(65),
        None(66),
        None(67),
        AnyOf(68, {15, 23}),           // real-time point list
        AnyOf(69, {23}),               // real-time values
        AnyOf(70, {0, 1, 2, 15, 16}),  // real-time stream
        AnyOf(71, {0, 1, 2, 15}),
        AnyOf(96, {22}),  // list logged sessions
        AnyOf(100, {22}),
        AnyOf(102, {21}),  // erase all sessions
        AnyOf(103, {21}),  // erase one session
        AnyOf(32, {25}),   // read the program net
        AnyOf(33, {24}),   // send the program net
        AnyOf(34, {25}),
        AnyOf(35, {20, 24}),
        None(28),
        None(kUnlistedRequestCode),
    };
}();

}  // namespace corvane
