#pragma once

#include "logger/HiddenReconnect.h"

#include <memory>

namespace corvane {

class CConnectDialog;
class CommWindowHooks;
class CommWindowServices;

// The connect dialog created hidden under a logger dialog that restarts
// the logger: the disconnect and the waiting connect are posted to it, as
// its buttons would run them, and its handshake result is read back.
class HiddenConnectDialog final : public HiddenReconnect {
public:
    HiddenConnectDialog(std::unique_ptr<CConnectDialog> dialog);
    ~HiddenConnectDialog() override;

    // Null when the hidden window cannot be created.
    static std::unique_ptr<HiddenConnectDialog> Create(
        CommWindowServices& services, CommWindowHooks* hooks, Window& parent);

    void PostDisconnect() override;
    void PostConnectWaiting() override;
    int Result() const override;

    CConnectDialog& Dialog() const { return *dialog_; }

private:
    std::unique_ptr<CConnectDialog> dialog_;
};

// The maker the Communication Window hands to the reflash and reset
// dialogs: each hidden dialog reports to the window's hooks as the modal
// connect dialog does.
class HiddenConnectDialogMaker final : public HiddenReconnectMaker {
public:
    HiddenConnectDialogMaker(CommWindowServices& services, CommWindowHooks* hooks);

    std::unique_ptr<HiddenReconnect> MakeHiddenReconnect(Window& parent) override;

private:
    CommWindowServices& services_;
    CommWindowHooks* hooks_;
};

}  // namespace corvane
