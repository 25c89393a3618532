#include "icons/hardware/CTempBaseIcon.h"

#include "icons/hardware/CTempBaseDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CTempBaseIcon::CTempBaseIcon()
{
    Init();
}

CTempBaseIcon::CTempBaseIcon(const Rect& position) : CCorvaneIcon(position)
{
    Init();
}

void CTempBaseIcon::Init()
{
    SetName("CJC Temperature");
    SetBitmapId(res::kBitmapColdJunction);
    SetDeletable(false);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, true, true, false);
}

void CTempBaseIcon::SetUnit(std::uint16_t unitWord)
{
    unitWord_ = unitWord == kFahrenheit ? kFahrenheit : kCelsius;
    if (OutputCount() > 0)
        SetOutputData(GetOutputEntries()[0], UnitText(unitWord_));
}

std::variant<std::size_t, RecordError> CTempBaseIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CTempBaseIcon::BuildConnectors()
{
    CreateConnectors(false, data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CTempBaseIcon::CreateIconDialog()
{
    return std::make_unique<CTempBaseDialog>(*this);
}

void CTempBaseIcon::Layout()
{
    Header().length = kRecordLength;
    SetUnit(kCelsius);
    BuildConnectors();
    CCorvaneIcon::Layout();
}

int CTempBaseIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, true, true);
}

void CTempBaseIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(unitWord_, "unit word");
}

}  // namespace corvane
