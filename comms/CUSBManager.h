#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class HalvixLibrary;

// One USB logger instance.
struct _usbInfoStruct {
    static constexpr std::size_t kMaxNameBytes = 15;  // a 16-byte field less its terminator

    std::int32_t active = 0;      // 1 when its device node exists now
    std::string instanceName;     // the USB serial number, at most 15 characters
    std::string portName;         // the tty name, "ttyACM0"
    std::int32_t portNumber = 0;  // the communications library's port number
};

// Finds the loggers on USB through sysfs. A logger is a tty whose USB
// device carries the logger's vendor and product id: each entry of
// <sysRoot>/class/tty is followed through its "device" link up to the USB
// device folder holding idVendor, idProduct and serial. Port name = the tty
// name, instance name = the serial number (cut to 15 characters), active =
// the node <deviceFolder>/<tty name> exists. A device whose attributes
// cannot be read, or whose tty name is longer than 15 characters, is left
// out. Port numbers are those of SerialPortNames (ttyACM<n> -> 2001 + n);
// a tty name without one is left out. Each scan tells the communications
// library, when one is given, which device every found port opens.
class CUSBManager {
public:
    // The logger's USB ids (the pid.codes vendor; product "Corvane logger").
    static constexpr std::uint16_t kLoggerVendorId = 0x1209;
    static constexpr std::uint16_t kLoggerProductId = 0xC0A7;

    CUSBManager(std::filesystem::path sysRoot, std::filesystem::path deviceFolder, HalvixLibrary* library);
    virtual ~CUSBManager() = default;

    // Rebuilds the list, in tty-name order.
    void Scan();
    int GetCount() const { return static_cast<int>(entries_.size()); }
    // False when the index is out of range; else copies the entry.
    bool GetEntry(int index, _usbInfoStruct& entry) const;
    // The first entry with the port name, active or not; false when none.
    bool FindEntry(std::string_view portName, _usbInfoStruct& entry) const;
    // The index of the first active entry with the port name, else -1.
    int FindActivePort(std::string_view portName) const;
    bool IsPortActive(std::string_view portName) const { return FindActivePort(portName) >= 0; }
    // 1 when the index is out of range, else 0 and the port name.
    int GetPortName(int index, std::string& portName) const;
    // The port number; 0 when the index is out of range.
    int GetPortNumber(int index) const;

    // The port number of the USB link in use (0: none).
    void SetComPort(int port) { comPort_ = port; }
    int GetComPort() const { return comPort_; }

private:
    std::filesystem::path sysRoot_;
    std::filesystem::path deviceFolder_;
    HalvixLibrary* library_;
    std::vector<_usbInfoStruct> entries_;
    int comPort_ = 0;
};

}  // namespace corvane
