#include "icons/hardware/CEngInputsIcon.h"

#include "icons/hardware/CEngInputsDialog.h"
#include "netmodel/RecordTransfer.h"
#include "netmodel/TerminalStripEntry.h"

#include <array>

namespace corvane {
namespace {

constexpr std::size_t kScalingTailLength = 16;

// The logger's analog terminal block: three terminals per channel from 4.
constexpr int kFirstTerminal = 4;
constexpr int kTerminalsPerChannel = 3;

struct PinText {
    std::string_view role;
    std::string_view polarity;
    bool blankLineAfter;
};
constexpr std::array<PinText, CEngInputsIcon::kPinCount> kPins{{
    {"Excitation", "[+]", false},
    {"Positive", "[+]", false},
    {"Negative", "[-]", true},
}};

char ChannelLetter(int channel) { return static_cast<char>('A' + channel); }

std::string_view KindWord(std::uint16_t mode)
{
    switch (mode & CEngInputsIcon::kKindMask) {
    case CEngInputsIcon::kKindVoltage: return "Voltage";
    case CEngInputsIcon::kKindCurrent: return "Current";
    default: return "Thermocouple";
    }
}

std::string_view KindText(int kind)
{
    switch (kind) {
    case CEngInputsIcon::kCurrentKind: return "mA Input           ";
    case CEngInputsIcon::kLowVoltageKind: return "VDC Input - Low Level";
    case CEngInputsIcon::kThermocoupleKind: return "Thermocouple Input   ";
    case CEngInputsIcon::kHighVoltageKind: return "VDC Input - High Level";
    default: return "";
    }
}

}  // namespace

CEngInputsIcon::CEngInputsIcon() { InitMembers(); }

CEngInputsIcon::CEngInputsIcon(const Rect& position, int channel) : CHardwareIcon(position)
{
    InitMembers();
    mode_ = static_cast<std::uint16_t>((channel << kChannelShift) & kChannelMask);
    channel_ = mode_ >> kChannelShift;
}

void CEngInputsIcon::InitMembers()
{
    SetDeletable(false);
    SetHardwareLayout(true);
    SetMinimumInputs(0);
}

void CEngInputsIcon::PlaceAs(int kind, std::uint16_t kindBits, std::string_view units)
{
    SetBitmapId(kind);
    SetChannelLabel();
    mode_ = static_cast<std::uint16_t>((mode_ & ~kKindMask) | kindBits);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, true, true, false);
    SetOutputData(GetOutputEntries()[0], units);
}

void CEngInputsIcon::SetChannelLabel() { SetName(std::string("Analog: CH ") + ChannelLetter(channel_)); }

std::string CEngInputsIcon::GetInputTypeText(int kind) const
{
    return std::string(KindText(kind)) + "  Channel " + ChannelLetter(channel_);
}

void CEngInputsIcon::ApplySubtype(std::uint16_t subtype)
{
    switch (subtype) {
    case 0: SetBitmapId(kLowVoltageKind); break;
    case 1: SetBitmapId(kCurrentKind); break;
    case 2: SetBitmapId(kThermocoupleKind); break;
    case 3: SetBitmapId(kHighVoltageKind); break;
    default: break;
    }
}

void CEngInputsIcon::BuildConnectors()
{
    Output(0) = COutput(
        connector_kind::kOutput, true, false, GetConnectorPoint(1, 1, connector_kind::kOutput), data_type::kData, this);
    SetLabelFlags(label_flag::kOwnLabels);
}

std::unique_ptr<IconDialog> CEngInputsIcon::CreateIconDialog() { return std::make_unique<CEngInputsDialog>(*this); }

void CEngInputsIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CHardwareIcon::Layout();
    // The units are the channel's own, never taken from a source.
    SetLabelFlags(label_flag::kOwnLabels);
}

int CEngInputsIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, true, true);
}

void CEngInputsIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
    t.U16(excitationTime_, "excitation time");
    if (t.IsLoading())
        channel_ = mode_ >> kChannelShift;
}

std::size_t CEngInputsIcon::TransferTail(RecordTransfer& t)
{
    if ((mode_ & kScaling) == 0) {
        if (t.IsLoading())
            points_ = ScalingPoints{};
        return 0;
    }
    t.F32(points_.x1, "scaling x1");
    t.F32(points_.x2, "scaling x2");
    t.F32(points_.y1, "scaling y1");
    t.F32(points_.y2, "scaling y2");
    return kScalingTailLength;
}

int CEngInputsIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    if (pin < 1 || pin > kPinCount)
        return -1;
    const PinText& text = kPins[static_cast<std::size_t>(pin - 1)];
    const int terminal = kFirstTerminal + kTerminalsPerChannel * channel_ + pin - 1;
    entry.index = terminal;
    entry.terminalNumber = terminal;
    entry.name = Header().name;
    entry.function = std::string("Analog ") + ChannelLetter(channel_) + ": " + std::string(KindWord(mode_)) + " "
        + std::string(text.role);
    entry.polarity = std::string(text.polarity);
    entry.blankLineAfter = text.blankLineAfter;
    return 0;
}

}  // namespace corvane
