#include "comms/SerialPortNames.h"

#include "halvix/HalvixLibrary.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>
#include <utility>

namespace corvane {

namespace {

struct NameRange {
    std::string_view prefix;
    int base;
};

// The name forms that have port numbers, and the first number of each.
constexpr std::array kNameRanges = {
    NameRange{"ttyUSB", SerialPortNames::kTtyUsbBase},
    NameRange{"ttyACM", SerialPortNames::kTtyAcmBase},
    NameRange{"ttyS", SerialPortNames::kTtySBase},
};

// The device number after the prefix: decimal digits only, no leading
// zero except "0" itself, at most kMaxDeviceNumber; -1 otherwise.
int DeviceNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits.front() == '0'))
        return -1;
    int number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || number > SerialPortNames::kMaxDeviceNumber)
        return -1;
    return number;
}

}  // namespace

SerialPortNames::SerialPortNames(std::filesystem::path deviceFolder) : deviceFolder_(std::move(deviceFolder)) {}

int SerialPortNames::PortNumberForName(std::string_view name)
{
    for (const NameRange& range : kNameRanges) {
        if (name.starts_with(range.prefix)) {
            int number = DeviceNumber(name.substr(range.prefix.size()));
            return number < 0 ? 0 : range.base + number;
        }
    }
    return 0;
}

void SerialPortNames::Scan()
{
    choices_.clear();
    std::error_code error;
    std::filesystem::directory_iterator it(deviceFolder_, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        int port = PortNumberForName(name);
        // USB loggers (ttyACM) are offered by the USB list, not here.
        if (port == 0 || name.starts_with("ttyACM"))
            continue;
        std::error_code existsError;
        if (!std::filesystem::exists(it->path(), existsError))
            continue;  // a link to nothing
        choices_.push_back(SerialPortChoice{std::move(name), it->path(), port});
    }
    std::sort(choices_.begin(), choices_.end(), [](const auto& a, const auto& b) { return a.port < b.port; });
}

int SerialPortNames::RowForComIndex(int comIndex) const
{
    auto found = std::find_if(
        choices_.begin(), choices_.end(), [&](const SerialPortChoice& c) { return c.ComIndex() == comIndex; });
    return found == choices_.end() ? -1 : static_cast<int>(found - choices_.begin());
}

std::string SerialPortNames::NameForComIndex(int comIndex) const
{
    int row = RowForComIndex(comIndex);
    return row < 0 ? std::string() : choices_[static_cast<std::size_t>(row)].name;
}

void SerialPortNames::RegisterAll(HalvixLibrary& library) const
{
    for (const SerialPortChoice& choice : choices_)
        library.SetSerialDevice(choice.port, choice.path.string());
}

bool SerialPortNames::Register(int comIndex, HalvixLibrary& library) const
{
    int row = RowForComIndex(comIndex);
    if (row < 0)
        return false;
    const SerialPortChoice& choice = choices_[static_cast<std::size_t>(row)];
    library.SetSerialDevice(choice.port, choice.path.string());
    return true;
}

}  // namespace corvane
