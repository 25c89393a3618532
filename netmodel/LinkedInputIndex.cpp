#include "netmodel/LinkedInputIndex.h"

#include "netmodel/CCorvaneDoc.h"

namespace corvane {

namespace {

std::uint32_t KeyOf(std::uint16_t sourceId, std::uint8_t output)
{
    return (static_cast<std::uint32_t>(sourceId) << 8) | output;
}

}  // namespace

LinkedInputIndex::LinkedInputIndex(CCorvaneDoc& doc) : doc_(doc), previous_(doc.linkedInputIndex_)
{
    for (CCorvaneIcon* icon : doc_.IconList()) {
        const auto add = [&](int slot) {
            const InputLink* link = icon->RecordLink(slot);
            if (link->sourceId != 0)
                inputs_[KeyOf(link->sourceId, link->sourceOutput)].push_back({icon, slot});
        };
        add(kEnableSlot);
        add(kTriggerSlot);
        for (int i = 0; i < icon->TotalInputs(); ++i)
            add(i);
    }
    doc_.linkedInputIndex_ = this;
}

LinkedInputIndex::~LinkedInputIndex() { doc_.linkedInputIndex_ = previous_; }

std::span<const LinkedInput> LinkedInputIndex::Find(std::uint16_t sourceId, int outputIndex) const
{
    if (sourceId == 0 || outputIndex < 0 || outputIndex > 0xFF)
        return {};
    const auto found = inputs_.find(KeyOf(sourceId, static_cast<std::uint8_t>(outputIndex)));
    if (found == inputs_.end())
        return {};
    return found->second;
}

}  // namespace corvane
