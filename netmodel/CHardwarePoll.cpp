#include "netmodel/CHardwarePoll.h"

namespace corvane {
namespace {

// An empty slot's record: every byte 0xFF, as the bus reports no module.
CHardwarePoll::ModuleRecord EmptyRecord()
{
    CHardwarePoll::ModuleRecord record;
    record.fill(0xFF);
    return record;
}

}  // namespace

CHardwarePoll::CHardwarePoll() : empty_(EmptyRecord())
{
    Reset();
}

void CHardwarePoll::Reset()
{
    moduleMask_ = 0;
    values_.fill(0);
    records_.fill(EmptyRecord());
    inputSwitches_ = 0;
    pollState_ = 0;
    currentSlot_ = -1;
}

std::uint16_t CHardwarePoll::GetModuleValue(int slot) const
{
    return InRange(slot) ? values_[static_cast<std::size_t>(slot)] : 0;
}

void CHardwarePoll::SetModuleValue(int slot, std::uint16_t value)
{
    if (InRange(slot))
        values_[static_cast<std::size_t>(slot)] = value;
}

std::span<const std::uint8_t, CHardwarePoll::kModuleRecordSize> CHardwarePoll::GetModuleRecord(int slot) const
{
    return InRange(slot) ? records_[static_cast<std::size_t>(slot)] : empty_;
}

void CHardwarePoll::SetModuleRecord(int slot, const ModuleRecord& record)
{
    if (InRange(slot))
        records_[static_cast<std::size_t>(slot)] = record;
}

bool CHardwarePoll::IsModulePresent(int slot) const
{
    return InRange(slot) && (moduleMask_ & (1u << slot)) != 0;
}

bool CHardwarePoll::HasModuleRecord(int slot) const
{
    if (!InRange(slot))
        return false;
    const ModuleRecord& r = records_[static_cast<std::size_t>(slot)];
    return !(r[1] == 0xFF && r[2] == 0xFF && r[3] == 0xFF);
}

}  // namespace corvane
