#include "icons/hardware/CExciteIcon.h"

#include "icons/hardware/CExciteDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CExciteIcon::CExciteIcon()
{
    Init();
}

CExciteIcon::CExciteIcon(const Rect& position) : CCorvaneIcon(position)
{
    Init();
}

void CExciteIcon::Init()
{
    SetName("Excitation");
    SetBitmapId(res::kBitmapExcitation);
    InitIcon(Position().left, Position().top, 1, 0, kTypeCode, false, true, false);
}

std::variant<std::size_t, RecordError> CExciteIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CExciteIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CExciteIcon::CreateIconDialog()
{
    return std::make_unique<CExciteDialog>(*this);
}

void CExciteIcon::Layout()
{
    Header().length = kRecordLength;
    logic_ = kOnWhenHigh;
    BuildConnectors();
    CCorvaneIcon::Layout();
}

int CExciteIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, true, false, false, 1, false, false);
}

void CExciteIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(logic_, "logic word");
}

}  // namespace corvane
