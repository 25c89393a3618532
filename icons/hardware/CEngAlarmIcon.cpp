#include "icons/hardware/CEngAlarmIcon.h"

#include "icons/hardware/CEngAlarmDialog.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CEngAlarmIcon::CEngAlarmIcon()
{
    Init();
}

CEngAlarmIcon::CEngAlarmIcon(const Rect& position, int /*unused*/) : CCorvaneIcon(position)
{
    Init();
}

void CEngAlarmIcon::Init()
{
    SetName("Audible Alarm");
    SetBitmapId(res::kBitmapAudibleAlarm);
    SetDeletable(false);
    SetMinimumInputs(1);
    InitIcon(Position().left, Position().top, 1, 0, kTypeCode, false, true, false);
}

void CEngAlarmIcon::SetSound(int sound)
{
    mode_ = static_cast<std::uint16_t>((mode_ & ~kSoundMask) | ((sound << kSoundShift) & kSoundMask));
}

std::variant<std::size_t, RecordError> CEngAlarmIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    return LoadNamedRecord(*this, record);
}

void CEngAlarmIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CEngAlarmIcon::CreateIconDialog()
{
    return std::make_unique<CEngAlarmDialog>(*this);
}

void CEngAlarmIcon::Layout()
{
    Header().length = kRecordLength;
    mode_ = kNewModeWord;
    BuildConnectors();
    CCorvaneIcon::Layout();
}

int CEngAlarmIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, false, true);
}

void CEngAlarmIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
}

}  // namespace corvane
