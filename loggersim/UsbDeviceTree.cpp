#include "loggersim/UsbDeviceTree.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace corvane {
namespace {

std::string HexId(std::uint16_t id)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", id);
    return text;
}

bool WriteText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text << '\n';
    return static_cast<bool>(out);
}

}  // namespace

std::string UsbDeviceTree::Write(const std::filesystem::path& ptyPath) const
{
    namespace fs = std::filesystem;
    std::error_code error;
    // sys/devices/usb1/1-1 is the USB device, 1-1:1.0 its serial interface.
    const fs::path device = SysRoot() / "devices" / "usb1" / "1-1";
    const fs::path interface = device / "1-1:1.0";
    const fs::path ttyEntry = SysRoot() / "class" / "tty" / kTtyName;
    const fs::path node = DeviceFolder() / kTtyName;
    fs::create_directories(interface, error);
    if (!error)
        fs::create_directories(ttyEntry, error);
    if (!error)
        fs::create_directories(DeviceFolder(), error);
    if (error)
        return "cannot make " + root.string() + ": " + error.message();
    if (!WriteText(device / "idVendor", HexId(kVendorId)) || !WriteText(device / "idProduct", HexId(kProductId))
        || !WriteText(device / "serial", serial))
        return "cannot write the USB device's attributes under " + device.string();
    fs::remove(ttyEntry / "device", error);
    fs::create_directory_symlink(interface, ttyEntry / "device", error);
    if (error)
        return "cannot link " + (ttyEntry / "device").string() + ": " + error.message();
    fs::remove(node, error);
    fs::create_symlink(ptyPath, node, error);
    if (error)
        return "cannot link " + node.string() + ": " + error.message();
    return {};
}

}  // namespace corvane
