#pragma once

#include <cstdint>
#include <span>

namespace corvane {

// What the connect dialog tells the Communication Window's view while it
// connects and disconnects. The view implements it.
class CommWindowHooks {
public:
    virtual ~CommWindowHooks() = default;

    // The kind of the link being opened (0 Ethernet .. 4 RS-232): the
    // picture shows that link.
    virtual void SetCommType(int kind) = 0;
    // The handshake ended with the logger's state block (at least 136
    // bytes): mark the connection, check the library version and start
    // the hardware query (whose end closes the connect dialog).
    virtual void CheckCommLibVersion(std::span<const std::uint8_t> stateBlock) = 0;
    // Closes the link (flag 1: disconnect only).
    virtual void Reconnect(int flag) = 0;
};

}  // namespace corvane
