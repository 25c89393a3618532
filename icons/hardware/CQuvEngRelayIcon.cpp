#include "icons/hardware/CQuvEngRelayIcon.h"

#include "icons/hardware/CEngRelayDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netmodel/RecordTransfer.h"
#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

namespace corvane {

CQuvEngRelayIcon::CQuvEngRelayIcon()
{
    Init();
}

CQuvEngRelayIcon::CQuvEngRelayIcon(const Rect& position) : CHardwareIcon(position)
{
    Init();
}

void CQuvEngRelayIcon::Init()
{
    SetName("Relay");
    SetBitmapId(res::kBitmapRelay);
    SetDeletable(false);
    SetHardwareLayout(true);
    SetMinimumInputs(1);
    InitIcon(Position().left, Position().top, 1, 0, kTypeCode, false, true, false);
}

std::variant<std::size_t, RecordError> CQuvEngRelayIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CQuvEngRelayIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CQuvEngRelayIcon::CreateIconDialog()
{
    return std::make_unique<CEngRelayDialog>(*this);
}

void CQuvEngRelayIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    mode_ = 0;
    CHardwareIcon::Layout();
}

int CQuvEngRelayIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, false, true);
}

void CQuvEngRelayIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
}

int CQuvEngRelayIcon::GetPinInfo(int pin, TerminalStripEntry& entry) const
{
    if (pin != 1 && pin != 2)
        return -1;
    const bool common = pin == 1;
    entry.index = common ? kCommonTerminal : kNormallyOpenTerminal;
    entry.terminalNumber = entry.index;
    entry.name = Header().name;
    entry.function = common ? "Relay Common" : "Relay Normally Open";
    entry.polarity = common ? "[-]" : "[+]";
    entry.blankLineAfter = !common;
    return 0;
}

}  // namespace corvane
