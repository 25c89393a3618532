#include "icons/function/CConstIcon.h"

#include "icons/function/CConstDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <bit>

namespace corvane {
namespace {

constexpr std::uint16_t kKindBits = CConstIcon::kRemoteBit | CConstIcon::kSwitchBit;

struct KindInfo {
    int bitmapId;
    std::string_view name;
    std::uint32_t helpContext;
};

KindInfo InfoOf(CConstIcon::Kind kind)
{
    switch (kind) {
    case CConstIcon::Kind::RemoteConstant: return {res::kBitmapRemoteConstant, "Variable", 711};
    case CConstIcon::Kind::RemoteSwitch: return {res::kBitmapRemoteSwitch, "Switch", 721};
    case CConstIcon::Kind::Constant: break;
    }
    return {res::kBitmapConstant, "Const", 501};
}

}  // namespace

CConstIcon::CConstIcon()
{
    Init(Kind::Constant);
}

CConstIcon::CConstIcon(const Rect& position, int bitmapId) : CFunctionIcon(position)
{
    Init(KindOfBitmap(bitmapId));
}

void CConstIcon::Init(Kind kind)
{
    SetKind(kind);
    SetName(InfoOf(kind).name);
    mode_ = 0;
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, false, kind != Kind::Constant, false);
}

void CConstIcon::SetKind(Kind kind)
{
    kind_ = kind;
    SetBitmapId(InfoOf(kind).bitmapId);
}

CConstIcon::Kind CConstIcon::KindOfMode(std::uint16_t mode)
{
    if ((mode & kRemoteBit) == 0)
        return Kind::Constant;
    return (mode & kSwitchBit) != 0 ? Kind::RemoteSwitch : Kind::RemoteConstant;
}

CConstIcon::Kind CConstIcon::KindOfBitmap(int bitmapId)
{
    switch (bitmapId) {
    case res::kBitmapRemoteConstant: return Kind::RemoteConstant;
    case res::kBitmapRemoteSwitch: return Kind::RemoteSwitch;
    default: return Kind::Constant;
    }
}

std::uint16_t CConstIcon::NormalisedMode(std::uint16_t mode, Kind kind)
{
    mode = static_cast<std::uint16_t>(mode & ~kKindBits);
    switch (kind) {
    case Kind::RemoteConstant: return static_cast<std::uint16_t>(mode | kRemoteBit);
    case Kind::RemoteSwitch: return static_cast<std::uint16_t>(mode | kRemoteBit | kSwitchBit);
    case Kind::Constant: break;
    }
    return mode;
}

float CConstIcon::Value() const
{
    std::uint32_t bits = 0;
    for (std::size_t i = valueBytes_.size(); i-- > 0;)
        bits = (bits << 8) | valueBytes_[i];
    return std::bit_cast<float>(bits);
}

void CConstIcon::SetValue(float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < valueBytes_.size(); ++i)
        valueBytes_[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void CConstIcon::SetSwitchHigh(bool high)
{
    valueBytes_.fill(0);
    valueBytes_[0] = high ? 1 : 0;
}

std::uint32_t CConstIcon::HelpContext() const
{
    return InfoOf(kind_).helpContext;
}

void CConstIcon::ApplySubtype(std::uint16_t mode)
{
    SetKind(KindOfMode(mode));
    mode_ = NormalisedMode(mode, kind_);
    BuildConnectors();
}

void CConstIcon::BuildConnectors()
{
    CreateConnectors(false, kind_ == Kind::RemoteSwitch ? data_type::kLogic : data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CConstIcon::CreateIconDialog()
{
    return std::make_unique<CConstDialog>(*this);
}

void CConstIcon::Layout()
{
    Header().length = kRecordLength;
    SetValue(0.0F);
    mode_ = NormalisedMode(mode_, kind_);
    if (kind_ == Kind::RemoteSwitch)
        SetSwitchHigh(true);
    BuildConnectors();
    CFunctionIcon::Layout();
    SetLabelFlags(LabelFlags() | label_flag::kKeepExisting);
}

int CConstIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, true, false);
}

void CConstIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
    t.Bytes(valueBytes_, "value");
    if (t.IsLoading() && !t.Failed()) {
        SetKind(KindOfMode(mode_));
        mode_ = NormalisedMode(mode_, kind_);
    }
}

}  // namespace corvane
