#include "icons/hardware/CPowerManagementIcon.h"

#include "icons/hardware/CPowerManagementDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netdoc/CNetDoc.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CPowerManagementIcon::CPowerManagementIcon()
{
    Init();
}

CPowerManagementIcon::CPowerManagementIcon(const Rect& position) : CCorvaneIcon(position)
{
    Init();
}

void CPowerManagementIcon::Init()
{
    SetName("Power Management");
    SetBitmapId(res::kBitmapPowerManagement);
    SetDeletable(false);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, false, false);
}

void CPowerManagementIcon::UpdateConnectors()
{
    // Both connectors carry on/off states, whose link and entry flags are clear.
    const bool scheduled = (powerWord_ & kScheduled) != 0;
    if (scheduled != (InputCount() > 0)) {
        SetOptionalConnector(ConnectorSide::Input, 0, scheduled, false);
        if (scheduled)
            GetInputLinks()[0].flags = 0;
    }
    if (const CNetDoc* net = NetDocumentOf(*this)) {
        const bool output = net->GetProgramLoggerType() == kOutputLoggerType;
        if (output != (OutputCount() > 0)) {
            SetOptionalConnector(ConnectorSide::Output, 0, output, false);
            if (output)
                GetOutputEntries()[0].flags = 0;
        }
    }
    BuildConnectors();
    LayoutConnectors();
}

std::variant<std::size_t, RecordError> CPowerManagementIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CPowerManagementIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
    CreateConnectors(false, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CPowerManagementIcon::CreateIconDialog()
{
    return std::make_unique<CPowerManagementDialog>(*this);
}

void CPowerManagementIcon::Layout()
{
    Header().length = kRecordLength;
    powerWord_ = kNewPowerWord;
    BuildConnectors();
    CCorvaneIcon::Layout();
    UpdateConnectors();
}

int CPowerManagementIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, false, true);
}

void CPowerManagementIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(powerWord_, "power word");
}

}  // namespace corvane
