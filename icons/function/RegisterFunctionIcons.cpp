#include "icons/function/RegisterFunctionIcons.h"

#include "icons/function/CAndIcon.h"
#include "icons/function/CComparatorIcon.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CCountIcon.h"
#include "icons/function/CDCintIcon.h"
#include "icons/function/CDeltaIcon.h"
#include "icons/function/CFlipFlopIcon.h"
#include "icons/function/CLatchIcon.h"
#include "icons/function/CMathIcon.h"
#include "icons/function/CMultiplexIcon.h"
#include "icons/function/CNotIcon.h"
#include "icons/function/COrIcon.h"
#include "icons/function/CRateOfChangeIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "icons/function/CStopIcon.h"
#include "icons/function/CTaccumIcon.h"
#include "icons/function/CTnoteIcon.h"
#include "icons/function/CXorIcon.h"
#include "icons/function/CAvgIcon.h"
#include "icons/function/CDataBufferIcon.h"
#include "icons/function/CFilterIcon.h"
#include "icons/function/CMinMaxIcon.h"
#include "icons/function/CScratchPadIcon.h"
#include "icons/function/CSpikeBlockerIcon.h"
#include "icons/function/CSumIcon.h"
#include "icons/function/CWarmupIcon.h"
#include "icons/function/CDelayIcon.h"
#include "icons/function/COneShotIcon.h"
#include "icons/function/CPeriodicOutputIcon.h"
#include "icons/function/CSSClockIcon.h"
#include "icons/function/CSchedIcon.h"
#include "icons/function/CLCDtextIcon.h"
#include "icons/function/CWarningIcon.h"
#include "netdoc/IconFactory.h"

#include <memory>

namespace corvane {

void RegisterFunctionIcons(IconFactory& factory)
{
    // The LCD message's variant is its subtype (mode bit 0), applied on loading.
    factory.Register(CLCDtextIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CLCDtextIcon>(); });
    factory.Register(CWarningIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CWarningIcon>(); });
    factory.Register(
        CSampleRateClockIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CSampleRateClockIcon>(); });
    factory.Register(CStopIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CStopIcon>(); });
    factory.Register(CConstIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CConstIcon>(); });
    factory.Register(CMultiplexIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CMultiplexIcon>(); });
    factory.Register(CTnoteIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CTnoteIcon>(); });
    factory.Register(CMathIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CMathIcon>(); });
    factory.Register(CSchedIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CSchedIcon>(); });
    factory.Register(CSSClockIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CSSClockIcon>(); });
    factory.Register(
        CPeriodicOutputIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CPeriodicOutputIcon>(); });
    factory.Register(COneShotIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<COneShotIcon>(); });
    factory.Register(CDelayIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CDelayIcon>(); });
    // The count and duty-cycle/integral icons take their variant from the subtype (ApplySubtype).
    factory.Register(CCountIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CCountIcon>(); });
    factory.Register(CDeltaIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CDeltaIcon>(); });
    factory.Register(
        CRateOfChangeIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CRateOfChangeIcon>(); });
    factory.Register(CDCintIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CDCintIcon>(); });
    factory.Register(CTaccumIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CTaccumIcon>(); });
    // Gates by the gate code in the mode byte's low three bits.
    factory.Register(CLogicIcon::kTypeCode, [](std::uint16_t subtype) -> std::unique_ptr<CCorvaneIcon> {
        switch (static_cast<CLogicIcon::Gate>(subtype & CLogicIcon::kGateMask)) {
        case CLogicIcon::Gate::And: return std::make_unique<CAndIcon>();
        case CLogicIcon::Gate::Or: return std::make_unique<COrIcon>();
        case CLogicIcon::Gate::Xor: return std::make_unique<CXorIcon>();
        case CLogicIcon::Gate::Not: return std::make_unique<CNotIcon>();
        }
        return nullptr;
    });
    // The latch has bit 0x1000 of its mode word set, the flip-flop not.
    factory.Register(CLatchIcon::kTypeCode, [](std::uint16_t subtype) -> std::unique_ptr<CCorvaneIcon> {
        if ((subtype & CLatchIcon::kLatchBit) != 0)
            return std::make_unique<CLatchIcon>();
        return std::make_unique<CFlipFlopIcon>();
    });
    // Subtype 1: the window comparator (a record with three inputs).
    factory.Register(CComparatorIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CComparatorIcon>(); });
    // Statistics by the kind bits of the option word, the first that matches.
    factory.Register(CMaxMinAvgSumIcon::kTypeCode, [](std::uint16_t subtype) -> std::unique_ptr<CCorvaneIcon> {
        const auto kind = CMaxMinAvgSumIcon::KindOfOptions(subtype);
        if (!kind)
            return nullptr;
        switch (*kind) {
        case CMaxMinAvgSumIcon::Kind::Sum: return std::make_unique<CSumIcon>();
        case CMaxMinAvgSumIcon::Kind::Average: return std::make_unique<CAvgIcon>();
        case CMaxMinAvgSumIcon::Kind::MinMax: break;
        }
        return std::make_unique<CMinMaxIcon>();
    });
    factory.Register(CDataBufferIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CDataBufferIcon>(); });
    factory.Register(CScratchPadIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CScratchPadIcon>(); });
    factory.Register(CFilterIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CFilterIcon>(); });
    factory.Register(
        CSpikeBlockerIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CSpikeBlockerIcon>(); });
    factory.Register(CWarmupIcon::kTypeCode, [](std::uint16_t) { return std::make_unique<CWarmupIcon>(); });
}

}  // namespace corvane
