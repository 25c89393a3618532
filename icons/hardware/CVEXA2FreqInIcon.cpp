#include "icons/hardware/CVEXA2FreqInIcon.h"

#include "icons/hardware/CVEXA2FreqInDialog.h"
#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

#include <string>

namespace corvane {
namespace {

constexpr int kFirstChannel = 24;
constexpr int kFirstIndex = 33;  // channel 24's signal pin

}  // namespace

CVEXA2FreqInIcon::CVEXA2FreqInIcon() : CVEXA_2Icon(res::kBitmapFrequencyInput) {}

CVEXA2FreqInIcon::CVEXA2FreqInIcon(const Rect& position, int address, int channel)
    : CVEXA_2Icon(position, address, channel, kKindFrequencyIn)
{
    SetBitmapId(res::kBitmapFrequencyInput);
    SetName(std::string("VEXA2 Freq In ") + HardwareLetter());
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, true, true, false);
}

void CVEXA2FreqInIcon::BuildConnectors()
{
    Output(0) = COutput(
        connector_kind::kOutput, true, false, GetConnectorPoint(1, 1, connector_kind::kOutput), data_type::kData, this);
}

std::unique_ptr<IconDialog> CVEXA2FreqInIcon::CreateIconDialog() { return std::make_unique<CVEXA2FreqInDialog>(*this); }

void CVEXA2FreqInIcon::Layout()
{
    BuildConnectors();
    if (OutputCount() > 0) {
        GetOutputEntries()[0].flags = kInputLinkPlainFlags;
        SetOutputData(GetOutputEntries()[0], "Hz");
    }
    FinishLayout();
}

void CVEXA2FreqInIcon::LayoutHardware()
{
    CVEXA_2Icon::LayoutHardware();
    SetLabelFlags(label_flag::kOwnLabels);
}

int CVEXA2FreqInIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    const int place = Channel() - kFirstChannel;
    if (place < 0 || place > 1 || pin < 1 || pin > 2)
        return -1;
    const int index = kFirstIndex + 2 * place + pin - 1;
    FillPin(entry, index, std::string("FI-") + HardwareLetter() + "; " + std::string(KindText(Kind())),
        pin == 1 ? "[+]" : "[-]");
    entry.stripHeading = index == kFirstIndex;
    entry.blankLineAfter = pin == 2;
    return 0;
}

}  // namespace corvane
