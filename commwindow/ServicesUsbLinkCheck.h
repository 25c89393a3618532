#pragma once

#include "commwindow/CommWindowServices.h"
#include "logger/UsbLinkCheck.h"

namespace corvane {

// The main window's USB link check as the Communication Window's services
// reach it, for the logger dialogs that restart the logger.
class ServicesUsbLinkCheck final : public UsbLinkCheck {
public:
    explicit ServicesUsbLinkCheck(CommWindowServices& services) : services_(services) {}
    void EnableUsbLinkCheck(bool enable) override { services_.EnableUsbLinkCheck(enable); }

private:
    CommWindowServices& services_;
};

}  // namespace corvane
