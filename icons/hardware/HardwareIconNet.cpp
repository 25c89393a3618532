#include "icons/hardware/HardwareIconNet.h"

#include "netdoc/CGlobalIcon.h"
#include "netdoc/CNetDoc.h"
#include "netmodel/CCorvaneIcon.h"

namespace corvane {
namespace {

constexpr std::uint8_t kPowerSourceBits = 0x07;  // all clear: battery powered

}  // namespace

CNetDoc* NetDocumentOf(const CCorvaneIcon& icon)
{
    return dynamic_cast<CNetDoc*>(icon.Owner());
}

bool IsBatteryPoweredNet(const CCorvaneIcon& icon)
{
    const CNetDoc* net = NetDocumentOf(icon);
    const CGlobalIcon* program = net != nullptr ? net->ProgramIcon() : nullptr;
    return program != nullptr && (program->GetNetOptionByte() & kPowerSourceBits) == 0;
}

std::variant<std::size_t, RecordError> LoadNamedRecord(CCorvaneIcon& icon, std::span<const std::uint8_t> record)
{
    auto loaded = icon.CCorvaneIcon::LoadRecord(record);
    if (std::holds_alternative<std::size_t>(loaded))
        icon.SetName(icon.Header().name);
    return loaded;
}

}  // namespace corvane
