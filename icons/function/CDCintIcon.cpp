#include "icons/function/CDCintIcon.h"

#include "icons/function/CDutyCycleDialog.h"
#include "icons/function/CIntegratorDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CDCintIcon::CDCintIcon()
{
    Init(false);
}

CDCintIcon::CDCintIcon(const Rect& position, int paletteBitmap) : CFunctionIcon(position)
{
    Init(paletteBitmap == res::kBitmapTimeIntegral);
}

void CDCintIcon::Init(bool integral)
{
    SetBitmapId(integral ? res::kBitmapTimeIntegral : res::kBitmapDutyCycle);
    SetName(integral ? "Integ" : "Duty");
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, true, true, false);
}

bool CDCintIcon::IsIntegral() const
{
    return BitmapId() == res::kBitmapTimeIntegral;
}

void CDCintIcon::ApplySubtype(std::uint16_t subtype)
{
    SetBitmapId((subtype & kIntegralBit) != 0 ? res::kBitmapTimeIntegral : res::kBitmapDutyCycle);
}

void CDCintIcon::BuildConnectors()
{
    // The duty cycle watches an on/off state; the integral a value.
    CreateConnectors(true, IsIntegral() ? data_type::kData : data_type::kLogic, false, false);
    CreateConnectors(false, data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CDCintIcon::CreateIconDialog()
{
    if (IsIntegral())
        return std::make_unique<CIntegratorDialog>(*this);
    return std::make_unique<CDutyCycleDialog>(*this);
}

void CDCintIcon::Layout()
{
    options_ = IsIntegral() ? kIntegralBit : 0;
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
    SetLabelFlags(LabelFlags() | label_flag::kKeepExisting);
}

int CDCintIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 1, true, false);
}

void CDCintIcon::CopyFixedPart(RecordTransfer& transfer)
{
    transfer.U16(options_, "duty cycle or integral options");
}

}  // namespace corvane
