#pragma once

#include "icons/hardware/CVEXA_2Icon.h"

namespace corvane {

// A frequency input of the digital I/O module (channels 24 and 25): one
// value output in Hz, no data input.
class CVEXA2FreqInIcon : public CVEXA_2Icon {
public:
    CVEXA2FreqInIcon();
    CVEXA2FreqInIcon(const Rect& position, int address, int channel);

    std::string_view ClassName() const override { return "CVEXA2FreqInIcon"; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    void LayoutHardware() override;

    int GetPinCount() const override { return 2; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override;
};

}  // namespace corvane
