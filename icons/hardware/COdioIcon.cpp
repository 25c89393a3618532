#include "icons/hardware/COdioIcon.h"

#include "icons/hardware/COdioDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netmodel/RecordTransfer.h"
#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

#include <string>

namespace corvane {
namespace {

constexpr int kGroundPinIndex = 16;
constexpr int kSignalPinIndex = 17;

std::string_view KindText(std::uint16_t kind)
{
    switch (kind) {
    case COdioIcon::kKindCounter: return "Counter In";
    case COdioIcon::kKindOutput: return "Open-drain Out";
    case COdioIcon::kKindRelay: return "Contact";
    default: return "Event In";
    }
}

}  // namespace

COdioIcon::COdioIcon()
{
    SetHardwareLayout(true);
    SetDeletable(false);
    SetBitmapId(res::kBitmapDigitalIo);
    SetMinimumInputs(0);
    SetCounts(0, OutputCount());
}

COdioIcon::COdioIcon(const Rect& position, int /*channel*/) : CHardwareIcon(position)
{
    SetHardwareLayout(true);
    SetDeletable(false);
    SetMinimumInputs(0);
    SetBitmapId(res::kBitmapDigitalEvent);
    SetName("DI/O");
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, true, true, false);
}

std::variant<std::size_t, RecordError> COdioIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void COdioIcon::ApplySubtype(std::uint16_t mode)
{
    OutputEntry* label = OutputCount() > 0 ? &GetOutputEntries()[0] : nullptr;
    switch (mode & kKindMask) {
    case kKindOutput:
        SetBitmapId(res::kBitmapDigitalOutput);
        if (label != nullptr)
            SetOutputData(*label, "Digital Out");
        break;
    case kKindCounter:
        SetBitmapId(res::kBitmapCounterInput);
        if (label != nullptr)
            SetOutputData(*label, "Count");
        break;
    case kKindRelay:
        SetBitmapId(res::kBitmapUnlatchedRelay);
        if (label != nullptr)
            SetOutputData(*label, "Unlatched Relay");
        break;
    default:
        SetBitmapId(res::kBitmapDigitalEvent);
        if (label != nullptr && label->data[0] == 0)
            SetOutputData(*label, "Hi/Low");
        break;
    }
}

void COdioIcon::BuildConnectors()
{
    const std::uint16_t kind = Kind();
    const int outputType = kind == kKindEvent || kind == kKindRelay ? data_type::kLogic : data_type::kData;
    Output(0) = COutput(
        connector_kind::kOutput, true, false, GetConnectorPoint(1, 1, connector_kind::kOutput), outputType, this);
    Input(0) = CInput(connector_kind::kDataInput, true, false, GetConnectorPoint(1, 1, connector_kind::kDataInput),
        data_type::kLogic, this);
}

void COdioIcon::RebuildConnectors()
{
    LayoutHardware();
    LayoutConnectors();
}

std::unique_ptr<IconDialog> COdioIcon::CreateIconDialog() { return std::make_unique<COdioDialog>(*this); }

void COdioIcon::Layout()
{
    // A new icon is an event input without a data input.
    SetCounts(0, OutputCount());
    BuildConnectors();
    ApplySubtype(Kind());
    if (OutputCount() > 0)
        GetOutputEntries()[0].flags = mode_ >= kKindCounter ? kInputLinkPlainFlags : 0;
    Header().length = kRecordLength;
    CHardwareIcon::Layout();
    SetLabelFlags(label_flag::kOwnLabels);
}

void COdioIcon::LayoutHardware()
{
    CHardwareIcon::LayoutHardware();
    TriggerInput().SetActive(Kind() == kKindEvent || Kind() == kKindCounter);
    SetLabelFlags(label_flag::kOwnLabels);
}

int COdioIcon::CheckIconConnections(bool& isolated) const
{
    if (mode_ < kKindOutput)
        return CheckConnections(isolated, false, true, false, 0, true, true);
    return CheckConnections(isolated, false, false, false, 1, false, true);
}

void COdioIcon::CopyFixedPart(RecordTransfer& t) { t.U16(mode_, "mode word"); }

int COdioIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    const bool relay = Kind() == kKindRelay;
    switch (pin) {
    case 1:
        entry.index = kGroundPinIndex;
        entry.terminalNumber = kGroundPinIndex;
        entry.name = Header().name;
        entry.function = relay ? "Relay 2: Contact" : "Digital I/O: Ground";
        entry.polarity = "[-]";
        return 0;
    case 2:
        entry.index = kSignalPinIndex;
        entry.terminalNumber = kSignalPinIndex;
        entry.name = Header().name;
        entry.function = std::string(relay ? "Relay 2" : "Digital I/O") + ": " + std::string(KindText(Kind()));
        entry.polarity = "[+]";
        entry.blankLineAfter = true;
        return 0;
    default: return -1;
    }
}

}  // namespace corvane
