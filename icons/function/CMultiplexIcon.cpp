#include "icons/function/CMultiplexIcon.h"

#include "icons/function/CMultiplexDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr int kDataInputs = 2;

}  // namespace

CMultiplexIcon::CMultiplexIcon()
{
    Init();
}

CMultiplexIcon::CMultiplexIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CMultiplexIcon::Init()
{
    SetName("Mux");
    SetBitmapId(res::kBitmapMultiplexer);
    SetMinimumInputs(kDataInputs);
    InitIcon(Position().left, Position().top, kDataInputs, 1, kTypeCode, false, true, true);
}

void CMultiplexIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, true, false);
    CreateConnectors(false, data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CMultiplexIcon::CreateIconDialog()
{
    return std::make_unique<CMultiplexDialog>(*this);
}

void CMultiplexIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
    SetLabelFlags(LabelFlags() | label_flag::kKeepExisting);
}

int CMultiplexIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, true, kDataInputs, true, false);
}

void CMultiplexIcon::CopyFixedPart(RecordTransfer& /*transfer*/) {}

}  // namespace corvane
