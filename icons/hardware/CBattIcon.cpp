#include "icons/hardware/CBattIcon.h"

#include "icons/hardware/CBattIconDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "res/ResourceIds.h"

namespace corvane {

CBattIcon::CBattIcon()
{
    Init();
}

CBattIcon::CBattIcon(const Rect& position) : CCorvaneIcon(position)
{
    Init();
}

void CBattIcon::Init()
{
    SetName("Supply Voltages");
    SetBitmapId(res::kBitmapSupplyVoltages);
    SetDeletable(false);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 2, kTypeCode, true, true, false);
}

std::variant<std::size_t, RecordError> CBattIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CBattIcon::BuildConnectors()
{
    CreateConnectors(false, data_type::kData, true, false);
}

std::unique_ptr<IconDialog> CBattIcon::CreateIconDialog()
{
    return std::make_unique<CBattIconDialog>(*this);
}

void CBattIcon::Layout()
{
    Header().length = kRecordLength;
    if (OutputCount() == 2) {
        SetOutputData(GetOutputEntries()[0], "Int Vdc");
        SetOutputData(GetOutputEntries()[1], "Ext Vdc");
    }
    BuildConnectors();
    CCorvaneIcon::Layout();
}

int CBattIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, true, true);
}

void CBattIcon::CopyFixedPart(RecordTransfer& /*transfer*/) {}

}  // namespace corvane
