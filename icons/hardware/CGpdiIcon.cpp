#include "icons/hardware/CGpdiIcon.h"

#include "icons/hardware/CGpdiDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netmodel/RecordTransfer.h"
#include "netmodel/TerminalStripEntry.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"

#include <string>

namespace corvane {
namespace {

constexpr int kSignalPinIndex = 20;
constexpr int kGroundPinIndex = 21;
constexpr std::string_view kChannelError = "GPDI channel error: Please contact QZL.";

std::string_view KindText(std::uint16_t kind)
{
    switch (kind) {
    case CGpdiIcon::kKindEvent: return "Event In";
    case CGpdiIcon::kKindCounter: return "Counter In";
    case CGpdiIcon::kKindFrequency: return "Frequency In";
    default: return "*** INVALID ***";
    }
}

}  // namespace

CGpdiIcon::CGpdiIcon()
{
    SetHardwareLayout(true);
    SetDeletable(false);
    SetBitmapId(res::kBitmapGpdiEvent);
    SetMinimumInputs(0);
}

CGpdiIcon::CGpdiIcon(const Rect& position, std::uint16_t channel) : CHardwareIcon(position)
{
    SetHardwareLayout(true);
    SetDeletable(false);
    SetName("GPDI");
    SetBitmapId(res::kBitmapGpdiEvent);
    mode_ = static_cast<std::uint16_t>(kNewModeWord | channel);
    frequency_ = kDefaultFrequency;
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, true, true, false);
}

std::unique_ptr<CGpdiIcon> CGpdiIcon::Place(const Rect& position, int channel)
{
    if (channel != 0) {
        MessageBoxRequest request;
        request.text = std::string(kChannelError);
        request.icon = MessageBoxIcon::Error;
        Application::Instance().Prompts().ShowMessageBox(request);
        return nullptr;
    }
    return std::unique_ptr<CGpdiIcon>(new CGpdiIcon(position, 0));
}

std::variant<std::size_t, RecordError> CGpdiIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CGpdiIcon::ApplySubtype(std::uint16_t mode)
{
    OutputEntry* label = OutputCount() > 0 ? &GetOutputEntries()[0] : nullptr;
    switch (mode & kKindMask) {
    case kKindCounter:
        SetBitmapId(res::kBitmapGpdiCounter);
        if (label != nullptr && label->data[0] == 0)
            SetOutputData(*label, "Counts");
        break;
    case kKindFrequency:
        SetBitmapId(res::kBitmapGpdiFrequency);
        if (label != nullptr)
            SetOutputData(*label, "Hz");
        break;
    default:
        SetBitmapId(res::kBitmapGpdiEvent);
        if (label != nullptr)
            SetOutputData(*label, "Hi/Low");
        break;
    }
}

void CGpdiIcon::BuildConnectors()
{
    const int outputType = Kind() == kKindEvent ? data_type::kLogic : data_type::kData;
    Output(0) = COutput(
        connector_kind::kOutput, true, false, GetConnectorPoint(1, 1, connector_kind::kOutput), outputType, this);
}

void CGpdiIcon::RebuildConnectors()
{
    LayoutHardware();
    LayoutConnectors();
}

std::unique_ptr<IconDialog> CGpdiIcon::CreateIconDialog() { return std::make_unique<CGpdiDialog>(*this); }

void CGpdiIcon::Layout()
{
    BuildConnectors();
    ApplySubtype(Kind());
    if (OutputCount() > 0)
        GetOutputEntries()[0].flags = Kind() != kKindEvent ? kInputLinkPlainFlags : 0;
    Header().length = kRecordLength;
    CHardwareIcon::Layout();
    SetLabelFlags(label_flag::kOwnLabels);
}

void CGpdiIcon::LayoutHardware()
{
    CHardwareIcon::LayoutHardware();
    SetLabelFlags(label_flag::kOwnLabels);
}

int CGpdiIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, true, true);
}

void CGpdiIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
    t.F32(frequency_, "minimum frequency");
}

int CGpdiIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    switch (pin) {
    case 1:
        entry.index = kSignalPinIndex;
        entry.terminalNumber = kSignalPinIndex;
        entry.name = Header().name;
        entry.function = "GPDI: " + std::string(KindText(Kind()));
        entry.polarity = "[+]";
        return 0;
    case 2:
        entry.index = kGroundPinIndex;
        entry.terminalNumber = kGroundPinIndex;
        entry.name = Header().name;
        entry.function = "GPDI: Ground";
        entry.polarity = "[-]";
        entry.blankLineAfter = true;
        return 0;
    default: return -1;
    }
}

}  // namespace corvane
