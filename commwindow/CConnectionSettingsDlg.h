#pragma once

#include "comms/CUSBManager.h"
#include "comms/ConnectionDirectory.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

class SerialPortNames;

// "Connection Settings": edits one saved connection. The dialog works on a
// copy and writes it back to the entry only when OK succeeds. The COM port
// combo offers the serial devices present by name; the RS-232 choice, the
// combo and its label are shown only with the ShowProduction setting on.
// The USB list comes from a fresh scan as the dialog opens.
class CConnectionSettingsDlg : public Dialog {
public:
    CConnectionSettingsDlg(OM_DIRECTORY_ENTRY& entry, CUSBManager& usb, SerialPortNames& serialPorts,
        bool showProduction, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnOK() override;

private:
    void FillComPorts();
    void FillUsbList();
    void ShowKindControls(int kind);
    // Reads and checks the controls; on success writes the entry and ends.
    void Accept();

    OM_DIRECTORY_ENTRY& entry_;
    CUSBManager& usb_;
    SerialPortNames& serialPorts_;
    bool showProduction_;
    std::vector<_usbInfoStruct> usbRows_;
    std::string name_;
    std::string address_;
    int kind_ = 0;
    std::uint32_t ipPort_ = 0;
};

}  // namespace corvane
