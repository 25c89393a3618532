#include "comms/CUSBManager.h"

#include "base/AtomicFile.h"
#include "comms/SerialPortNames.h"
#include "halvix/HalvixLibrary.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <system_error>
#include <utility>

namespace corvane {

namespace {

// sysfs attribute files are short texts; anything longer is not one.
constexpr std::size_t kMaxAttributeBytes = 256;
// How far above a tty's "device" the USB device folder may lie (the
// interface, then for USB serial adapters the port, then the device).
constexpr int kMaxLevelsUp = 4;

// The text of a sysfs attribute without its line end; nothing when it
// cannot be read.
std::optional<std::string> ReadAttribute(const std::filesystem::path& path)
{
    FileContents contents = ReadWholeFile(path, kMaxAttributeBytes);
    if (contents.error)
        return std::nullopt;
    std::string text(contents.bytes.begin(), contents.bytes.end());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::optional<std::uint16_t> ReadHexId(const std::filesystem::path& path)
{
    std::optional<std::string> text = ReadAttribute(path);
    if (!text || text->empty() || text->size() > 4)
        return std::nullopt;
    std::uint16_t value = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value, 16);
    if (error != std::errc{} || end != text->data() + text->size())
        return std::nullopt;
    return value;
}

bool IsInside(const std::filesystem::path& folder, const std::filesystem::path& root)
{
    auto [rootEnd, folderEnd] = std::mismatch(root.begin(), root.end(), folder.begin(), folder.end());
    return rootEnd == root.end() && folderEnd != folder.end();
}

// The USB device folder above a tty's "device" link, kept inside sysRoot.
std::optional<std::filesystem::path> FindUsbDevice(
    const std::filesystem::path& ttyEntry, const std::filesystem::path& sysRoot)
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::canonical(ttyEntry / "device", error);
    if (error)
        return std::nullopt;
    for (int level = 0; level <= kMaxLevelsUp; ++level) {
        if (!IsInside(folder, sysRoot))
            return std::nullopt;
        if (std::filesystem::exists(folder / "idVendor", error))
            return folder;
        folder = folder.parent_path();
    }
    return std::nullopt;
}

// Cuts UTF-8 text to at most maxBytes without splitting a character.
std::string CutUtf8(std::string text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t length = maxBytes;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    text.resize(length);
    return text;
}

}  // namespace

CUSBManager::CUSBManager(std::filesystem::path sysRoot, std::filesystem::path deviceFolder, HalvixLibrary* library)
    : sysRoot_(std::move(sysRoot)), deviceFolder_(std::move(deviceFolder)), library_(library)
{}

void CUSBManager::Scan()
{
    entries_.clear();
    std::error_code error;
    std::filesystem::path root = std::filesystem::weakly_canonical(sysRoot_, error);
    if (error)
        return;
    std::filesystem::directory_iterator it(root / "class" / "tty", error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string ttyName = it->path().filename().string();
        int port = SerialPortNames::PortNumberForName(ttyName);
        if (port == 0 || ttyName.size() > _usbInfoStruct::kMaxNameBytes)
            continue;
        std::optional<std::filesystem::path> device = FindUsbDevice(it->path(), root);
        if (!device)
            continue;
        std::optional<std::uint16_t> vendor = ReadHexId(*device / "idVendor");
        std::optional<std::uint16_t> product = ReadHexId(*device / "idProduct");
        std::optional<std::string> serial = ReadAttribute(*device / "serial");
        if (!vendor || !product || !serial)
            continue;  // a device we cannot read is no stopper
        if (*vendor != kLoggerVendorId || *product != kLoggerProductId)
            continue;
        std::error_code existsError;
        bool active = std::filesystem::exists(deviceFolder_ / ttyName, existsError);
        entries_.push_back(
            _usbInfoStruct{active ? 1 : 0, CutUtf8(*serial, _usbInfoStruct::kMaxNameBytes), std::move(ttyName), port});
    }
    std::sort(
        entries_.begin(), entries_.end(), [](const auto& a, const auto& b) { return a.portNumber < b.portNumber; });
    if (library_ != nullptr) {
        for (const _usbInfoStruct& entry : entries_)
            library_->SetSerialDevice(entry.portNumber, (deviceFolder_ / entry.portName).string());
    }
}

bool CUSBManager::GetEntry(int index, _usbInfoStruct& entry) const
{
    if (index < 0 || index >= GetCount())
        return false;
    entry = entries_[static_cast<std::size_t>(index)];
    return true;
}

bool CUSBManager::FindEntry(std::string_view portName, _usbInfoStruct& entry) const
{
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.portName == portName; });
    if (found == entries_.end())
        return false;
    entry = *found;
    return true;
}

int CUSBManager::FindActivePort(std::string_view portName) const
{
    auto found = std::find_if(
        entries_.begin(), entries_.end(), [&](const auto& e) { return e.active != 0 && e.portName == portName; });
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

int CUSBManager::GetPortName(int index, std::string& portName) const
{
    if (index < 0 || index >= GetCount())
        return 1;
    portName = entries_[static_cast<std::size_t>(index)].portName;
    return 0;
}

int CUSBManager::GetPortNumber(int index) const
{
    if (index < 0 || index >= GetCount())
        return 0;
    return entries_[static_cast<std::size_t>(index)].portNumber;
}

}  // namespace corvane
