#pragma once

namespace corvane {

// The main window's one-second check that a USB logger is still plugged in.
// Dialogs that restart the logger switch it off while the logger is away,
// so its going is not reported as a lost link.
class UsbLinkCheck {
public:
    virtual ~UsbLinkCheck() = default;
    virtual void EnableUsbLinkCheck(bool enable) = 0;
};

}  // namespace corvane
