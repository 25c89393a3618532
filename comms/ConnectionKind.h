#pragma once

#include <cstdint>

namespace corvane {

// How a saved connection reaches its logger. Stored as a number in saved
// connections and settings, so other values can occur and mean "unknown".
enum class ConnectionKind : std::int32_t {
    Ethernet = 0,
    WiFi = 1,
    Cellular = 2,
    Usb = 3,
    Rs232 = 4,
};

}  // namespace corvane
