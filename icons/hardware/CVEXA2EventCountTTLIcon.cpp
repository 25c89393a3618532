#include "icons/hardware/CVEXA2EventCountTTLIcon.h"

#include "icons/hardware/CVEXA2EventCountTTLDialog.h"
#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

#include <array>
#include <cstdio>
#include <string>

namespace corvane {
namespace {

constexpr int kFirstUpperChannel = 16;
constexpr int kUpperChannelIndexShift = 8;  // channels 16..23 follow 0..7 in the pin list
constexpr int kStripHeadingIndex = 9;
constexpr int kUpperStripHeadingIndex = 17;

int ChannelBitmap(int channel)
{
    return channel < kFirstUpperChannel ? res::kBitmapDigitalEvent : res::kBitmapDigitalEventIo;
}

// The picture of a channel used as kind (the channel word's kind bits).
int KindBitmap(std::uint16_t kind, int channel)
{
    switch (kind & CVEXA2EventCountTTLIcon::kKindMask) {
    case CVEXA2EventCountTTLIcon::kKindEventIn:
        return ChannelBitmap(channel);
    case CVEXA2EventCountTTLIcon::kKindEventOut:
        return res::kBitmapDigitalOutput;
    default:
        return res::kBitmapCounterInput;
    }
}

}  // namespace

CVEXA2EventCountTTLIcon::CVEXA2EventCountTTLIcon() : CVEXA_2Icon(res::kBitmapDigitalEvent) {}

CVEXA2EventCountTTLIcon::CVEXA2EventCountTTLIcon(const Rect& position, int address, int channel)
    : CVEXA_2Icon(position, address, channel, kKindEventIn)
{
    SetBitmapId(ChannelBitmap(channel));
    std::array<char, 32> name{};
    if (channel < kFirstUpperChannel)
        std::snprintf(name.data(), name.size(), "VEXA-2_%d%c In", address, HardwareLetter());
    else
        std::snprintf(name.data(), name.size(), "VEXA-2_%d%c I/O", address, HardwareLetter());
    SetName(name.data());
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, true, true, false);
}

void CVEXA2EventCountTTLIcon::ApplyChannelKind(std::uint16_t kind, int channel)
{
    OutputEntry* label = OutputCount() > 0 ? &GetOutputEntries()[0] : nullptr;
    SetBitmapId(KindBitmap(kind, channel));
    switch (kind & kKindMask) {
    case kKindEventIn:
        if (label != nullptr && label->data[0] == 0)
            SetOutputData(*label, "Hi/Low");
        break;
    case kKindEventOut:
        if (label != nullptr)
            SetOutputData(*label, "Digital Out");
        break;
    default:
        if (label != nullptr)
            SetOutputData(*label, "Hi/Low");
        break;
    }
}

void CVEXA2EventCountTTLIcon::BuildConnectors()
{
    const int outputType = Kind() == kKindEventIn ? data_type::kLogic : data_type::kData;
    Output(0) = COutput(
        connector_kind::kOutput, true, false, GetConnectorPoint(1, 1, connector_kind::kOutput), outputType, this);
    Input(0) = CInput(connector_kind::kDataInput, true, false, GetConnectorPoint(1, 1, connector_kind::kDataInput),
        data_type::kLogic, this);
}

std::unique_ptr<IconDialog> CVEXA2EventCountTTLIcon::CreateIconDialog()
{
    return std::make_unique<CVEXA2EventCountTTLDialog>(*this);
}

void CVEXA2EventCountTTLIcon::Layout()
{
    // A new icon is an event input without a data input.
    SetCounts(0, OutputCount());
    BuildConnectors();
    const auto kind = static_cast<std::uint16_t>(ChannelWord() & 0x6000);
    ApplyChannelKind(kind, Channel());
    if (OutputCount() > 0)
        GetOutputEntries()[0].flags = kind == 0 ? 0 : kInputLinkPlainFlags;
    FinishLayout();
}

void CVEXA2EventCountTTLIcon::LayoutHardware()
{
    CVEXA_2Icon::LayoutHardware();
    // A stored icon is made with the event picture; its channel word says
    // which picture it shows.
    SetBitmapId(KindBitmap(ChannelWord(), Channel()));
    TriggerInput().SetActive(Kind() != kKindEventOut);
    SetLabelFlags(label_flag::kOwnLabels);
}

int CVEXA2EventCountTTLIcon::CheckIconConnections(bool& isolated) const
{
    if ((ChannelWord() & kKindEventOut) != 0)
        return CheckConnections(isolated, false, false, false, 1, false, true);
    return CheckConnections(isolated, false, true, false, 0, true, true);
}

int CVEXA2EventCountTTLIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    const int channel = Channel();
    const bool lower = channel < 8;
    const bool upper = channel >= kFirstUpperChannel && channel < kFirstUpperChannel + 8;
    if (!lower && !upper)
        return -1;
    const int place = lower ? channel : channel - kUpperChannelIndexShift;
    const std::string kind(KindText(Kind()));
    switch (pin) {
    case 1: {
        const int index = 2 * place + 1;
        FillPin(entry, index, std::string("DI-") + HardwareLetter() + "; " + kind, "[+]");
        entry.moduleHeading = index == 1;
        entry.stripHeading = index == 1 || index == kStripHeadingIndex || index == kUpperStripHeadingIndex;
        return 0;
    }
    case 2:
        // Channel 1's ground line has always carried a second blank.
        FillPin(entry, 2 * place + 2, (channel == 1 ? "GND;  " : "GND; ") + kind, "[-]");
        entry.blankLineAfter = true;
        return 0;
    default: return -1;
    }
}

}  // namespace corvane
