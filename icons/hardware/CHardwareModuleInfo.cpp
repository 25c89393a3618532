#include "icons/hardware/CHardwareModuleInfo.h"

#include <array>
#include <cstdio>
#include <span>

namespace corvane {
namespace {

// Column widths of a pin line: terminal, name, function, polarity. Longer
// texts are written whole.
constexpr std::size_t kTerminalWidth = 10;
constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kFunctionWidth = 35;
constexpr std::size_t kPolarityWidth = 10;
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLoggerStripHeading = "\r\n\r\nQUV Terminal Strip (Left to right listing):\r\n";

struct FixedPin {
    int index;
    int terminalNumber;
    std::string_view function;
    std::string_view polarity;
    bool blankLineAfter;
    bool headings;  // module and strip heading
};

// In the order they are added.
constexpr std::array kLoggerPins{
    FixedPin{24, 24, "ChGnd: Chassis Ground ", "", false, false},
    FixedPin{2, 2, "GND: System Ground", "[-]", false, false},
    FixedPin{1, 1, "Vdc+: Ext DC Power In", "[+]", false, true},
    FixedPin{3, 3, "Vbatt: Ext Battery Pwr In", "[+]", true, false},
    FixedPin{18, 18, "Modbus B", "[-]", false, false},
    FixedPin{19, 19, "Modbus A ", "[+]", true, false},
};
constexpr std::array kAnalogModulePins{
    FixedPin{25, 7, "EXC; 5Vdc Excitation Output", "[+]", false, false},
    FixedPin{26, 8, "EXC; 5Vdc Excitation Output", "[-]", false, false},
};

void AppendPadded(std::string& out, std::string_view text, std::size_t width)
{
    out += text;
    if (text.size() < width)
        out.append(width - text.size(), ' ');
}

std::string HeadingOf(int moduleType, int moduleAddress)
{
    std::array<char, 128> text{};
    switch (moduleType) {
    case CHardwareModuleInfo::kLogger: return "QUV Logger";
    case CHardwareModuleInfo::kAnalogModule:
        std::snprintf(text.data(), text.size(),
            "VEXA-7 Analog Input Module Address %d; Left side Terminal Strips (top to bottom listing)", moduleAddress);
        return text.data();
    case CHardwareModuleInfo::kDigitalModule:
        std::snprintf(text.data(), text.size(), "VEXA-2 Digital I/O Module Address %d; ", moduleAddress);
        return text.data();
    default: return "ERROR: Unknown Module Type";
    }
}

}  // namespace

CHardwareModuleInfo::CHardwareModuleInfo(int moduleType, int moduleAddress)
    : moduleType_(moduleType), moduleAddress_(moduleAddress), heading_(HeadingOf(moduleType, moduleAddress))
{}

bool CHardwareModuleInfo::AddPin(const TerminalStripEntry& pin)
{
    if (pin.index < 0 || pin.index > kMaxPinIndex)
        return false;
    const auto at = static_cast<std::size_t>(pin.index);
    if (pins_.size() <= at)
        pins_.resize(at + 1);
    pins_[at] = pin;
    return true;
}

void CHardwareModuleInfo::AddFixedPins()
{
    std::span<const FixedPin> fixed;
    if (moduleType_ == kLogger)
        fixed = kLoggerPins;
    else if (moduleType_ == kAnalogModule)
        fixed = kAnalogModulePins;
    for (const FixedPin& f : fixed) {
        TerminalStripEntry pin;
        pin.index = f.index;
        pin.terminalNumber = f.terminalNumber;
        pin.function = std::string(f.function);
        pin.polarity = std::string(f.polarity);
        pin.blankLineAfter = f.blankLineAfter;
        pin.moduleHeading = f.headings;
        pin.stripHeading = f.headings;
        AddPin(pin);
    }
}

std::string_view CHardwareModuleInfo::GetStripHeading() const
{
    return moduleType_ == kLogger ? kLoggerStripHeading : std::string_view{};
}

void CHardwareModuleInfo::FormatPinList(std::string& out) const
{
    for (std::size_t i = 1; i < pins_.size(); ++i) {
        const std::optional<TerminalStripEntry>& pin = pins_[i];
        if (!pin) {
            out += "Pin " + std::to_string(i) + " is Not Installed\r\n\r\n";
            continue;
        }
        if (pin->moduleHeading)
            out.append(kCrLf).append(heading_).append(" ").append(kCrLf);
        if (pin->stripHeading)
            out.append(kCrLf).append(GetStripHeading()).append(kCrLf);
        if (i == 1) {
            AppendPadded(out, "Terminal", kTerminalWidth);
            AppendPadded(out, "Name", kNameWidth);
            AppendPadded(out, "Function", kFunctionWidth);
            AppendPadded(out, "Polarity", kPolarityWidth);
            out.append(kCrLf).append(kCrLf);
        }
        AppendPadded(out, std::to_string(pin->terminalNumber), kTerminalWidth);
        AppendPadded(out, pin->name, kNameWidth);
        AppendPadded(out, pin->function, kFunctionWidth);
        AppendPadded(out, pin->polarity, kPolarityWidth);
        out.append(kCrLf);
        if (pin->blankLineAfter)
            out.append(kCrLf);
    }
}

}  // namespace corvane
