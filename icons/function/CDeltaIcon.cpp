#include "icons/function/CDeltaIcon.h"

#include "icons/function/CDeltaDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CDeltaIcon::CDeltaIcon()
{
    Init();
}

CDeltaIcon::CDeltaIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CDeltaIcon::Init()
{
    SetName("Delta");
    SetBitmapId(res::kBitmapDelta);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, true, false);
}

void CDeltaIcon::SetPassWhenDisabled(bool pass)
{
    options_ = static_cast<std::uint16_t>(pass ? (options_ | kPassWhenDisabled) : (options_ & ~kPassWhenDisabled));
}

void CDeltaIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, false, false);
    CreateConnectors(false, data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CDeltaIcon::CreateIconDialog()
{
    return std::make_unique<CDeltaDialog>(*this);
}

void CDeltaIcon::Layout()
{
    Header().length = kRecordLength;
    options_ = 0;
    samples_ = kDefaultSamples;
    change_ = kDefaultChange;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CDeltaIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, true, false);
}

void CDeltaIcon::CopyFixedPart(RecordTransfer& transfer)
{
    transfer.U16(options_, "delta options");
    transfer.U16(samples_, "sample count");
    transfer.F32(change_, "minimum change");
}

}  // namespace corvane
