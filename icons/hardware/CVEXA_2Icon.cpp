#include "icons/hardware/CVEXA_2Icon.h"

#include "icons/hardware/HardwareIconNet.h"
#include "netmodel/RecordTransfer.h"
#include "netmodel/TerminalStripEntry.h"

#include <string>
#include <utility>

namespace corvane {
namespace {

constexpr int kTerminalsPerPlug = 8;

}  // namespace

CVEXA_2Icon::CVEXA_2Icon(int bitmapId)
{
    SetHardwareLayout(true);
    SetDeletable(false);
    SetMinimumInputs(0);
    SetBitmapId(bitmapId);
}

CVEXA_2Icon::CVEXA_2Icon(const Rect& position, int address, int channel, std::uint16_t kind)
    : CHardwareIcon(position), address_(static_cast<std::uint8_t>(address)),
      channel_(static_cast<std::uint8_t>(channel)), word_(kind)
{
    SetHardwareLayout(true);
    SetDeletable(false);
    SetMinimumInputs(0);
}

char CVEXA_2Icon::HardwareLetter() const { return static_cast<char>(channel_ < 16 ? 'A' + channel_ : channel_ + 57); }

void CVEXA_2Icon::RebuildConnectors()
{
    LayoutHardware();
    LayoutConnectors();
}

std::variant<std::size_t, RecordError> CVEXA_2Icon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CVEXA_2Icon::Layout()
{
    BuildConnectors();
    FinishLayout();
}

void CVEXA_2Icon::FinishLayout()
{
    Header().length = kRecordLength;
    CHardwareIcon::Layout();
    SetLabelFlags(label_flag::kOwnLabels);
}

int CVEXA_2Icon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, true, true);
}

void CVEXA_2Icon::CopyFixedPart(RecordTransfer& t)
{
    t.U8(address_, "module address");
    t.U8(channel_, "channel");
    t.U16(word_, "channel word");
}

void CVEXA_2Icon::FillPin(TerminalStripEntry& entry, int index, std::string function, std::string_view polarity) const
{
    entry.index = index;
    entry.terminalNumber = (index - 1) % kTerminalsPerPlug + 1;
    entry.name = Header().name;
    entry.function = std::move(function);
    entry.polarity = polarity;
}

std::string_view CVEXA_2Icon::KindText(std::uint16_t kind)
{
    switch (kind & kKindMask) {
    case kKindEventIn: return "Event In";
    case kKindEventOut: return "Event Out";
    case kKindCounterIn: return "Counter In";
    case kKindFrequencyIn: return "Frequency In";
    case kKindFrequencyOut: return "Frequency Out";
    case kKindOpenCollectorOut: return "Open Collector Output";
    case kKindFiveVoltOut: return "+ 5VDC Out";
    default: return "";
    }
}

}  // namespace corvane
