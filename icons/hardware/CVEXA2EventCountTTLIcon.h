#pragma once

#include "icons/hardware/CVEXA_2Icon.h"

namespace corvane {

// An event/counter channel of the digital I/O module (channels 0..7 and
// 16..23): an event input (logic output), a counter input (value output)
// or, on 16..23, a discrete output (one logic data input, no output).
class CVEXA2EventCountTTLIcon : public CVEXA_2Icon {
public:
    CVEXA2EventCountTTLIcon();
    CVEXA2EventCountTTLIcon(const Rect& position, int address, int channel);

    std::string_view ClassName() const override { return "CVEXA2EventCountTTLIcon"; }

    // Bitmap and output label of a kind on a channel.
    void ApplyChannelKind(std::uint16_t kind, int channel);

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    void LayoutHardware() override;
    int CheckIconConnections(bool& isolated) const override;

    int GetPinCount() const override { return 2; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override;
};

}  // namespace corvane
