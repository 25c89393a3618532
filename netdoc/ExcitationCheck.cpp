#include "netdoc/ExcitationCheck.h"

#include "netdoc/RecordFields.h"
#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"

namespace corvane {
namespace {

constexpr std::uint16_t kTypeAnalogInput = 22;
constexpr std::uint16_t kTypeExcitation = 26;
constexpr std::size_t kExcitationTimeOffset = 74;  // signed 16 bits

}  // namespace

void ExcitationCheck::Scan(const CCorvaneDoc& net)
{
    analogExcitation_ = false;
    excitationIcon_ = false;
    for (CCorvaneIcon* icon : net.Icons()) {
        if (icon->TypeCode() == kTypeExcitation) {
            excitationIcon_ = true;
        } else if (icon->TypeCode() == kTypeAnalogInput) {
            const auto time = RecordU16(SavedRecordOf(*icon), kExcitationTimeOffset);
            if (time && static_cast<std::int16_t>(*time) >= 1)
                analogExcitation_ = true;
        }
    }
}

}  // namespace corvane
