#pragma once

#include "netmodel/TerminalStripEntry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One hardware module of the wiring list (the logger itself, a 7-channel
// analog module or a 2-channel digital module) and the terminals of its
// strips by index. Index 0 is never listed.
class CHardwareModuleInfo {
public:
    static constexpr int kLogger = 0;
    static constexpr int kAnalogModule = 1;
    static constexpr int kDigitalModule = 2;
    // No module has more terminals; a pin beyond is refused.
    static constexpr int kMaxPinIndex = 255;

    CHardwareModuleInfo(int moduleType, int moduleAddress);

    int ModuleType() const { return moduleType_; }
    int ModuleAddress() const { return moduleAddress_; }
    const std::string& Heading() const { return heading_; }
    const std::vector<std::optional<TerminalStripEntry>>& Pins() const { return pins_; }

    // Stores the pin at its index, replacing an earlier one there; false
    // (and nothing stored) for an index outside 0..kMaxPinIndex.
    bool AddPin(const TerminalStripEntry& pin);
    // The module's own terminals (power, ground, bus, excitation), which
    // take the place of any icon pin at their index.
    void AddFixedPins();
    std::string_view GetStripHeading() const;
    // Appends the module's section of the listing: a line per index from
    // 1 up, "Pin %d is Not Installed" where no pin is.
    void FormatPinList(std::string& out) const;

private:
    int moduleType_;
    int moduleAddress_;
    std::string heading_;
    std::vector<std::optional<TerminalStripEntry>> pins_;
};

}  // namespace corvane
