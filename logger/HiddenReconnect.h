#pragma once

#include <memory>

namespace corvane {

class Window;

// The hidden connect dialog as the dialogs that restart the logger (reflash,
// reset) drive it: they ask it to disconnect, later to connect waiting for
// the logger to come back, and poll the handshake's result each tick. The
// Communication Window makes it (a connect dialog created hidden, parented
// to the asking dialog), so this folder needs nothing of the connect dialog.
class HiddenReconnect {
public:
    virtual ~HiddenReconnect() = default;

    // The disconnect command, as if its button was pressed (command 1279).
    virtual void PostDisconnect() = 0;
    // Begin polling for the logger: connect, waiting up to 30 s for it to
    // answer (message 0x4CD with the wait flag).
    virtual void PostConnectWaiting() = 0;
    // The handshake's result: 0 in progress or idle, 1 connected, -1 failed.
    virtual int Result() const = 0;
};

// Makes the hidden connect dialog for a dialog; the Communication Window
// hands one to each dialog it opens that needs it.
class HiddenReconnectMaker {
public:
    virtual ~HiddenReconnectMaker() = default;

    // Null when the hidden dialog cannot be created; the caller treats
    // that as a failed reconnect.
    virtual std::unique_ptr<HiddenReconnect> MakeHiddenReconnect(Window& parent) = 0;
};

}  // namespace corvane
