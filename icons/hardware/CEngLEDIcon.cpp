#include "icons/hardware/CEngLEDIcon.h"

#include "icons/hardware/CEngLEDDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CEngLEDIcon::CEngLEDIcon()
{
    Init();
}

CEngLEDIcon::CEngLEDIcon(const Rect& position, int /*unused*/) : CCorvaneIcon(position)
{
    Init();
}

void CEngLEDIcon::Init()
{
    SetName("Blue LED");
    SetBitmapId(res::kBitmapLed);
    SetDeletable(false);
    SetMinimumInputs(1);
    InitIcon(Position().left, Position().top, 1, 0, kTypeCode, false, true, false);
}

std::variant<std::size_t, RecordError> CEngLEDIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CEngLEDIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CEngLEDIcon::CreateIconDialog()
{
    return std::make_unique<CEngLEDDialog>(*this);
}

void CEngLEDIcon::Layout()
{
    Header().length = kRecordLength;
    mode_ = static_cast<std::uint16_t>(mode_ & ~kKindMask);
    BuildConnectors();
    CCorvaneIcon::Layout();
}

int CEngLEDIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, false, true);
}

void CEngLEDIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
}

}  // namespace corvane
