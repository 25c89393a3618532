#pragma once

#include "icons/hardware/CVEXA_2Icon.h"

namespace corvane {

// A frequency or open-collector discrete output of the digital I/O module
// (channels 26..28): one data input (a value for a frequency output, a
// logic state for the open-collector output), no output, no trigger.
class CVEXA2FreqOutIcon : public CVEXA_2Icon {
public:
    CVEXA2FreqOutIcon();
    CVEXA2FreqOutIcon(const Rect& position, int address, int channel);

    std::string_view ClassName() const override { return "CVEXA2FreqOutIcon"; }

    // Bitmap and output label of the kind in the word given.
    void ApplySubtype(std::uint16_t word) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    void LayoutHardware() override;
    int CheckIconConnections(bool& isolated) const override;

    int GetPinCount() const override { return 2; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override;
};

}  // namespace corvane
