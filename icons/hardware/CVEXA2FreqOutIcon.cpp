#include "icons/hardware/CVEXA2FreqOutIcon.h"

#include "icons/hardware/CVEXA2FreqOutDialog.h"
#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

#include <string>

namespace corvane {
namespace {

constexpr int kFirstChannel = 26;
constexpr int kFirstIndex = 37;  // channel 26's signal pin

// The picture of an output used as kind (the channel word's kind bits).
int KindBitmap(std::uint16_t kind)
{
    switch (kind & CVEXA_2Icon::kKindMask) {
    case CVEXA_2Icon::kKindOpenCollectorOut:
        return res::kBitmapDigitalOutput;
    case CVEXA_2Icon::kKindFrequencyOut:
        return res::kBitmapFrequencyOutput;
    default:
        return res::kBitmapGpdiEvent;
    }
}

}  // namespace

CVEXA2FreqOutIcon::CVEXA2FreqOutIcon() : CVEXA_2Icon(res::kBitmapDigitalOutput) {}

CVEXA2FreqOutIcon::CVEXA2FreqOutIcon(const Rect& position, int address, int channel)
    : CVEXA_2Icon(position, address, channel, kKindOpenCollectorOut)
{
    SetBitmapId(res::kBitmapDigitalOutput);
    SetName(std::string("VEXA2 Freq/OC ") + HardwareLetter());
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, true, false);
}

void CVEXA2FreqOutIcon::ApplySubtype(std::uint16_t word)
{
    OutputEntry* label = OutputCount() > 0 ? &GetOutputEntries()[0] : nullptr;
    SetBitmapId(KindBitmap(word));
    switch (word & kKindMask) {
    case kKindOpenCollectorOut:
        if (label != nullptr && label->data[0] == 0)
            SetOutputData(*label, "s");
        break;
    case kKindFrequencyOut:
        if (label != nullptr)
            SetOutputData(*label, "Hz");
        break;
    default:
        if (label != nullptr)
            SetOutputData(*label, "Hi/Low");
        break;
    }
}

void CVEXA2FreqOutIcon::BuildConnectors()
{
    const int type = Kind() == kKindFrequencyOut ? data_type::kData : data_type::kLogic;
    Input(0) = CInput(
        connector_kind::kDataInput, true, false, GetConnectorPoint(1, 1, connector_kind::kDataInput), type, this);
}

std::unique_ptr<IconDialog> CVEXA2FreqOutIcon::CreateIconDialog()
{
    return std::make_unique<CVEXA2FreqOutDialog>(*this);
}

void CVEXA2FreqOutIcon::Layout()
{
    BuildConnectors();
    if (InputCount() > 0)
        GetInputLinks()[0].flags = 0;
    FinishLayout();
}

void CVEXA2FreqOutIcon::LayoutHardware()
{
    CVEXA_2Icon::LayoutHardware();
    // A stored icon is made with the open-collector picture; its channel
    // word says which picture it shows.
    SetBitmapId(KindBitmap(ChannelWord()));
    TriggerInput().SetActive(false);
    if (InputCount() > 0)
        GetInputLinks()[0].flags = Kind() == kKindFrequencyOut ? kInputLinkPlainFlags : 0;
    LayoutConnectors();
    SetLabelFlags(label_flag::kOwnLabels);
}

int CVEXA2FreqOutIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, false, true);
}

int CVEXA2FreqOutIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    const int place = Channel() - kFirstChannel;
    if (place < 0 || place > 2 || pin < 1 || pin > 2)
        return -1;
    FillPin(entry, kFirstIndex + 2 * place + pin - 1,
        std::string("DO-") + HardwareLetter() + "; " + std::string(KindText(Kind())), pin == 1 ? "[+]" : "[-]");
    entry.blankLineAfter = pin == 2;
    return 0;
}

}  // namespace corvane
