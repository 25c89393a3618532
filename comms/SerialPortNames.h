#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class HalvixLibrary;

// One serial device offered for RS-232 links.
struct SerialPortChoice {
    std::string name;                          // the node's name in the device folder: "ttyS0"
    std::filesystem::path path;                // the node: "/dev/ttyS0"
    int port = 0;                              // the communications library's port number
    int ComIndex() const { return port - 1; }  // what "dir.bin" keeps
};

// The RS-232 choices: the serial device nodes present in the device folder
// (normally "/dev"), by name. Each name has a fixed port number, the same
// in every run, so a saved COM index (port - 1) finds its device again:
//   ttyS<n>   -> n + 1      (the library's own default for unlisted ports)
//   ttyUSB<n> -> 1001 + n   (USB serial adapters)
//   ttyACM<n> -> 2001 + n   (USB loggers, see CUSBManager)
// Names of other forms have no port number and are not offered. A test
// points a port at a pseudo-terminal with a symbolic link of such a name in
// a scratch device folder (for example "ttyS7" -> "/dev/pts/3").
class SerialPortNames {
public:
    static constexpr int kTtySBase = 1;
    static constexpr int kTtyUsbBase = 1001;
    static constexpr int kTtyAcmBase = 2001;
    // The largest device number a name may carry; keeps every range apart.
    static constexpr int kMaxDeviceNumber = 999;

    explicit SerialPortNames(std::filesystem::path deviceFolder = "/dev");

    // The port number of a node name; 0 when the name has no number.
    static int PortNumberForName(std::string_view name);

    // Rebuilds the choices from the device folder: ttyS* and ttyUSB* nodes
    // (and links) that exist, in port-number order.
    void Scan();
    const std::vector<SerialPortChoice>& Choices() const { return choices_; }

    // The row of the choice with this COM index; -1 when none.
    int RowForComIndex(int comIndex) const;
    // The name shown for a COM index; empty when no device has it.
    std::string NameForComIndex(int comIndex) const;

    // Tells the communications library which device each listed port opens,
    // so that CxSetComPort(port) reaches it.
    void RegisterAll(HalvixLibrary& library) const;
    // The same for the one device of a COM index; false when none is listed.
    bool Register(int comIndex, HalvixLibrary& library) const;

private:
    std::filesystem::path deviceFolder_;
    std::vector<SerialPortChoice> choices_;
};

}  // namespace corvane
