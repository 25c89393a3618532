#pragma once

#include <cstdint>

namespace corvane {

// The settings the connection state reads from the application.
class CommsSettings {
public:
    static constexpr std::uint32_t kDefaultLoggerRetryTime = 5000;

    virtual ~CommsSettings() = default;
    // "LoggerRetryTime": the message time-out in ms (the shell reads it at
    // start-up, kDefaultLoggerRetryTime when unset).
    virtual std::uint32_t LoggerRetryTime() const = 0;
};

}  // namespace corvane
