#pragma once

#include "halvix/SerialSettings.h"
#include "base/UniqueFd.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Opens the descriptor of a link, non-blocking. On failure the result is
// not valid and error says why, for the user.
struct OpenedLink {
    UniqueFd fd;
    std::string error;
};

OpenedLink OpenTcpLink(std::string_view host, std::uint16_t port, std::uint32_t timeoutMs);
OpenedLink OpenSerialLink(const std::string& devicePath, const SerialSettings& settings);

// Whether a serial device can be driven with these settings on this system.
bool SerialSettingsSupported(const SerialSettings& settings);

}  // namespace corvane
