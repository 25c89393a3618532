#include "icons/function/CTaccumIcon.h"

#include "icons/function/CTaccumDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::uint16_t kOptionBits =
    CTaccumIcon::kClearOnOutput | CTaccumIcon::kClearOnEnable | CTaccumIcon::kOutputOnDisable;

}  // namespace

CTaccumIcon::CTaccumIcon()
{
    Init();
}

CTaccumIcon::CTaccumIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CTaccumIcon::Init()
{
    SetName("Stopwatch");
    SetBitmapId(res::kBitmapStopwatch);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, true, false);
}

CTaccumIcon::Unit CTaccumIcon::UnitOf(std::uint16_t options)
{
    if (options >= kHours)
        return Unit::Hours;
    if (options >= kMinutes)
        return Unit::Minutes;
    return Unit::Seconds;
}

std::string_view CTaccumIcon::UnitLabel(Unit unit)
{
    switch (unit) {
    case Unit::Minutes: return "min";
    case Unit::Hours: return "hr";
    case Unit::Seconds: break;
    }
    return "sec";
}

void CTaccumIcon::SetOptions(Unit unit, std::uint16_t optionBits)
{
    std::uint16_t unitBits = kSeconds;
    if (unit == Unit::Minutes)
        unitBits = kMinutes;
    else if (unit == Unit::Hours)
        unitBits = kHours;
    options_ = static_cast<std::uint16_t>(unitBits | (optionBits & kOptionBits) | kAlwaysSet);
    LabelOutput();
}

void CTaccumIcon::LabelOutput()
{
    if (OutputCount() > 0)
        SetOutputData(GetOutputEntries()[0], UnitLabel(GetUnit()));
}

void CTaccumIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
    CreateConnectors(false, data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CTaccumIcon::CreateIconDialog()
{
    return std::make_unique<CTaccumDialog>(*this);
}

void CTaccumIcon::Layout()
{
    Header().length = kRecordLength;
    options_ = kPlacedOptions;
    BuildConnectors();
    CFunctionIcon::Layout();
    LabelOutput();
}

int CTaccumIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, true, false);
}

void CTaccumIcon::CopyFixedPart(RecordTransfer& transfer)
{
    transfer.U16(options_, "stop-watch options");
}

}  // namespace corvane
