#include "icons/function/CFunctionIcon.h"

#include "netdoc/CGlobalIcon.h"
#include "netdoc/CNetDoc.h"

namespace corvane {
namespace {

constexpr std::uint8_t kPowerSourceBits = 0x07;  // all clear: battery powered

}  // namespace

std::variant<std::size_t, RecordError> CFunctionIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    auto loaded = CCorvaneIcon::LoadRecord(record);
    if (std::holds_alternative<std::size_t>(loaded))
        SetName(Header().name);
    return loaded;
}

CNetDoc* CFunctionIcon::NetDocument() const
{
    return dynamic_cast<CNetDoc*>(Owner());
}

bool CFunctionIcon::IsBatteryPoweredNet() const
{
    const CNetDoc* net = NetDocument();
    const CGlobalIcon* program = net != nullptr ? net->ProgramIcon() : nullptr;
    return program != nullptr && (program->GetNetOptionByte() & kPowerSourceBits) == 0;
}

}  // namespace corvane
