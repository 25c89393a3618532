#include "icons/function/CCountIcon.h"

#include "icons/function/CCountDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::uint32_t kTimedCounterHelp = 131386;
constexpr std::uint32_t kAccumulatorHelp = 511;
constexpr std::uint8_t kDataOutputFlags = 0x02;  // byte 11 of a data output's entry

}  // namespace

CCountIcon::CCountIcon()
{
    Init(false);
}

CCountIcon::CCountIcon(const Rect& position, int paletteBitmap) : CFunctionIcon(position)
{
    Init(paletteBitmap == res::kBitmapCountAccumulator);
}

void CCountIcon::Init(bool accumulator)
{
    SetVariant(accumulator);
    SetName(accumulator ? "Count" : "Timed Count");
    sampleCount_ = kDefaultSampleCount;
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, !accumulator, true, false);
}

void CCountIcon::SetVariant(bool accumulator)
{
    SetBitmapId(accumulator ? res::kBitmapCountAccumulator : res::kBitmapTimedCounter);
    options_ = static_cast<std::uint16_t>(accumulator ? (options_ | kAccumulatorBit) : (options_ & ~kAccumulatorBit));
}

bool CCountIcon::IsAccumulator() const
{
    return BitmapId() == res::kBitmapCountAccumulator;
}

void CCountIcon::SetOptions(std::uint16_t options)
{
    options_ = static_cast<std::uint16_t>((options & ~kAccumulatorBit) | (options_ & kAccumulatorBit));
}

std::uint32_t CCountIcon::HelpContext() const
{
    return IsAccumulator() ? kAccumulatorHelp : kTimedCounterHelp;
}

void CCountIcon::ApplySubtype(std::uint16_t subtype)
{
    SetVariant((subtype & kAccumulatorBit) != 0);
}

void CCountIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
    CreateConnectors(false, data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CCountIcon::CreateIconDialog()
{
    return std::make_unique<CCountDialog>(*this);
}

void CCountIcon::Layout()
{
    Header().length = kRecordLength;
    options_ |= kRisingEdges;
    SetVariant(IsAccumulator());
    BuildConnectors();
    CFunctionIcon::Layout();
    if (OutputCount() > 0)
        GetOutputEntries()[0].flags = kDataOutputFlags;
    SetLabelFlags(LabelFlags() | label_flag::kKeepExisting);
}

int CCountIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, true, false);
}

void CCountIcon::CopyFixedPart(RecordTransfer& transfer)
{
    transfer.U16(options_, "count options");
    transfer.U32(sampleCount_, "sample count");
}

}  // namespace corvane
