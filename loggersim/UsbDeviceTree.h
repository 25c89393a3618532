#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

// A USB logger as the program's USB discovery sees it, for a serial link
// on a pseudo-terminal: under root, "sys/class/tty/<tty>/device" leads to
// a USB device folder with idVendor, idProduct and serial, and
// "dev/<tty>" is a link to the pseudo-terminal. Point the program at
// root/sys and root/dev and it finds the simulated logger on USB.
struct UsbDeviceTree {
    static constexpr std::uint16_t kVendorId = 0x1209;
    static constexpr std::uint16_t kProductId = 0xC0A7;
    static constexpr std::string_view kTtyName = "ttyACM0";

    std::filesystem::path root;
    std::string serial;  // the USB serial number (the logger's)

    std::filesystem::path SysRoot() const { return root / "sys"; }
    std::filesystem::path DeviceFolder() const { return root / "dev"; }

    // Writes the tree (again) with the device node linked to ptyPath;
    // empty, or why it could not be written.
    std::string Write(const std::filesystem::path& ptyPath) const;
};

}  // namespace corvane
