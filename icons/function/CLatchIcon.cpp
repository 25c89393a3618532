#include "icons/function/CLatchIcon.h"

#include "icons/function/CLatchDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CLatchIcon::CLatchIcon()
{
    SetBitmapId(res::kBitmapLatch);
}

CLatchIcon::CLatchIcon(const Rect& position) : CFunctionIcon(position), mode_(kPlacedMode)
{
    SetBitmapId(res::kBitmapLatch);
    SetName("Latch");
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, true, false, false);
}

void CLatchIcon::SetOffChosen(bool off)
{
    mode_ = static_cast<std::uint16_t>(off ? (mode_ | kOffChosen) : (mode_ & ~kOffChosen));
}

void CLatchIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
    CreateConnectors(false, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CLatchIcon::CreateIconDialog()
{
    return std::make_unique<CLatchDialog>(*this);
}

void CLatchIcon::Layout()
{
    Header().length = kFixedLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CLatchIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 1, true, false);
}

void CLatchIcon::CopyFixedPart(RecordTransfer& transfer)
{
    transfer.U16(mode_, "latch mode");
}

}  // namespace corvane
