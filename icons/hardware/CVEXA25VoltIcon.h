#pragma once

#include "icons/hardware/CVEXA_2Icon.h"

namespace corvane {

// The +5 V excitation output of the digital I/O module (channel 29): one
// logic data input that switches it, no output, no trigger.
class CVEXA25VoltIcon : public CVEXA_2Icon {
public:
    static constexpr int kChannel = 29;

    CVEXA25VoltIcon();
    CVEXA25VoltIcon(const Rect& position, int address, int channel);

    std::string_view ClassName() const override { return "CVEXA25VoltIcon"; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    void LayoutHardware() override;
    int CheckIconConnections(bool& isolated) const override;

    int GetPinCount() const override { return 3; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override;
};

}  // namespace corvane
