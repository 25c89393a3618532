#pragma once

#include "icons/reporting/ModbusTestSettings.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace corvane {

class CReplyMessage;
class StatusSink;

// "Modbus Register Access Test": the connected logger performs one Modbus
// transaction with the remote device that a remote-register icon's
// settings name (CxMbTran), and the dialog shows the value of the answer
// with the time it came. In read mode the request goes as the dialog
// opens; in write mode the user types the value and presses the button.
// The dialog takes its own replies and time-outs.
class CModbusTestDialog : public Dialog {
public:
    static constexpr std::uint32_t kHelpContext = 2221;
    static constexpr std::string_view kWriteNote
        = "Enter the value to be written in the box below and click the button to write a new value to the device.";

    CModbusTestDialog(const ModbusTestSettings& settings, StatusSink& status, Window* parent = nullptr);
    ~CModbusTestDialog() override;

    const ModbusTestSettings& Settings() const { return settings_; }

    // Builds the request from the settings and the value box and sends it;
    // a refusal is shown in a box and, except for a value the user may
    // correct, closes the dialog.
    void SendTestRequest();

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;

private:
    void OnReply(std::unique_ptr<CReplyMessage> reply);
    void OnTimeout();
    void SetResult(std::string_view text);
    void ShowBox(std::string_view text);

    ModbusTestSettings settings_;
    StatusSink& status_;
};

}  // namespace corvane
