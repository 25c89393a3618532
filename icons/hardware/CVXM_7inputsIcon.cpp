#include "icons/hardware/CVXM_7inputsIcon.h"

#include "icons/hardware/CACVXM_7Dialog.h"
#include "icons/hardware/CJC_VXM_7Dialog.h"
#include "icons/hardware/CVHVXM_7Dialog.h"
#include "icons/hardware/CVL_TC_VXM_7Dialog.h"
#include "netmodel/RecordTransfer.h"
#include "netmodel/TerminalStripEntry.h"

namespace corvane {
namespace {

constexpr std::string_view kPlacedName = "VEXA-7";

// Each pair of channels (A-B, C-D, E-F, G-H) shares a 6-terminal block;
// a channel uses three terminals: positive, negative, shield.
constexpr int kTerminalsPerChannel = 3;
constexpr int kChannelsPerBlock = 2;
constexpr int kLastChannel = 7;

char ChannelLetter(int channel) { return static_cast<char>('A' + channel); }

std::string_view KindText(std::uint16_t mode)
{
    if ((mode & CVXM_7inputsIcon::kKindThermocouple) != 0)
        return "Thermocouple In";
    switch (mode & CVXM_7inputsIcon::kKindMask) {
    case CVXM_7inputsIcon::kKindLowVoltage: return "VDC Low In";
    case CVXM_7inputsIcon::kKindCurrent: return "Current  In";
    case CVXM_7inputsIcon::kKindHighVoltage: return "VDC Hi In";
    default: return "";
    }
}

}  // namespace

CVXM_7inputsIcon::CVXM_7inputsIcon() { InitMembers(); }

CVXM_7inputsIcon::CVXM_7inputsIcon(const Rect& position, int address, int channel) : CHardwareIcon(position)
{
    InitMembers();
    SetName(kPlacedName);
    address_ = static_cast<std::uint8_t>(address);
    channel_ = static_cast<std::uint8_t>(channel);
    mode_ = static_cast<std::uint16_t>(kDefaultSampling << kSamplingShift);
}

void CVXM_7inputsIcon::InitMembers()
{
    SetDeletable(false);
    SetHardwareLayout(true);
    SetMinimumInputs(0);
}

void CVXM_7inputsIcon::PlaceAs(int bitmapId, std::uint16_t mode, std::string_view units)
{
    SetBitmapId(bitmapId);
    SetName(GetTerminalChannelName(bitmapId));
    mode_ = mode;
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, true, true, false);
    SetOutputData(GetOutputEntries()[0], units);
}

std::uint16_t CVXM_7inputsIcon::SamplingCode(std::uint16_t mode)
{
    const auto code = static_cast<std::uint16_t>((mode >> kSamplingShift) & 7);
    return code == 0 ? kDefaultSampling : code;
}

std::string CVXM_7inputsIcon::GetTerminalChannelName(int bitmapId) const
{
    switch (bitmapId) {
    case kColdJunctionBitmap: return GetDefaultChannelName(kKindColdJunction);
    case kCurrentBitmap: return GetDefaultChannelName(kKindCurrent);
    case kLowVoltageBitmap: return GetDefaultChannelName(kKindLowVoltage);
    case kHighVoltageBitmap: return GetDefaultChannelName(kKindHighVoltage);
    case kThermocoupleBitmap: return GetDefaultChannelName(kKindThermocouple);
    default: return {};
    }
}

std::string CVXM_7inputsIcon::GetDefaultChannelName(std::uint16_t kindBits) const
{
    std::string suffix;
    switch (kindBits) {
    case kKindHighVoltage: suffix = "_VHi"; break;
    case kKindCurrent: suffix = "_mA"; break;
    case kKindColdJunction: return std::string(kPlacedName) + "_" + std::to_string(address_) + "_CJC";
    case kKindLowVoltage: suffix = "_VLo"; break;
    default: suffix = "_TC"; break;
    }
    // The letter is 'A' + the channel byte, as the record holds it.
    const auto letter = static_cast<char>('A' + channel_);
    return std::string(kPlacedName) + "_" + std::to_string(address_) + letter + suffix;
}

void CVXM_7inputsIcon::ApplySubtype(std::uint16_t subtype)
{
    switch (subtype & kKindMask) {
    case kKindLowVoltage: SetBitmapId(kLowVoltageBitmap); break;
    case kKindCurrent: SetBitmapId(kCurrentBitmap); break;
    case kKindHighVoltage: SetBitmapId(kHighVoltageBitmap); break;
    case kKindColdJunction: SetBitmapId(kColdJunctionBitmap); break;
    default: SetBitmapId(kThermocoupleBitmap); break;
    }
}

void CVXM_7inputsIcon::BuildConnectors()
{
    Output(0) = COutput(
        connector_kind::kOutput, true, false, GetConnectorPoint(1, 1, connector_kind::kOutput), data_type::kData, this);
    SetLabelFlags(label_flag::kOwnLabels);
}

std::unique_ptr<IconDialog> CVXM_7inputsIcon::CreateIconDialog()
{
    if ((mode_ & kKindThermocouple) != 0)
        SetBitmapId(kThermocoupleBitmap);
    switch (BitmapId()) {
    case kColdJunctionBitmap: return std::make_unique<CJC_VXM_7Dialog>(*this);
    case kCurrentBitmap: return std::make_unique<CACVXM_7Dialog>(*this);
    case kLowVoltageBitmap:
    case kThermocoupleBitmap: return std::make_unique<CVL_TC_VXM_7Dialog>(*this);
    case kHighVoltageBitmap: return std::make_unique<CVHVXM_7Dialog>(*this);
    default: return nullptr;
    }
}

void CVXM_7inputsIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CHardwareIcon::Layout();
    // The units are the channel's own, never taken from a source.
    SetLabelFlags(label_flag::kOwnLabels);
}

int CVXM_7inputsIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, true, true);
}

void CVXM_7inputsIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U8(address_, "module address");
    t.U8(channel_, "channel");
    t.U16(mode_, "mode word");
    t.F32(points_.x1, "scaling x1");
    t.F32(points_.x2, "scaling x2");
    t.F32(points_.y1, "scaling y1");
    t.F32(points_.y2, "scaling y2");
}

int CVXM_7inputsIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    if (pin < 1 || pin > kPinCount || channel_ > kLastChannel)
        return -1;
    const int channel = channel_;
    const char letter = ChannelLetter(channel);
    entry.index = kTerminalsPerChannel * channel + pin;
    entry.terminalNumber = kTerminalsPerChannel * (channel % kChannelsPerBlock) + pin;
    entry.name = Header().name;
    const std::string prefix = std::string("CH ") + letter + "; ";
    entry.blankLineAfter = false;
    entry.moduleHeading = false;
    entry.stripHeading = false;
    switch (pin) {
    case 1:
        entry.function = prefix + std::string(KindText(mode_)) + " Input " + letter;
        entry.polarity = "[+]";
        entry.moduleHeading = channel == 0;
        entry.stripHeading = channel % kChannelsPerBlock == 0;
        break;
    case 2:
        entry.function = prefix + std::string(KindText(mode_)) + " Input " + letter;
        entry.polarity = "[-]";
        break;
    default:
        entry.function = prefix + "Shield/Chassis Gnd";
        entry.polarity = "[SH]";
        entry.blankLineAfter = true;
        break;
    }
    return 0;
}

}  // namespace corvane
