#include "icons/reporting/CBigDataIcon.h"

#include "netdoc/CNetDoc.h"
#include "netmodel/RecordTransfer.h"

namespace corvane {

CBigDataIcon::CBigDataIcon(std::size_t capacity) : lists_(capacity)
{
    SetHardwareLayout(true);
}

CBigDataIcon::CBigDataIcon(const Rect& position, std::size_t capacity) : CCorvaneIcon(position), lists_(capacity)
{
    SetHardwareLayout(true);
}

std::variant<std::size_t, RecordError> CBigDataIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    auto loaded = CCorvaneIcon::LoadRecord(record);
    if (std::holds_alternative<std::size_t>(loaded))
        SetName(Header().name);
    return loaded;
}

CNetDoc* CBigDataIcon::NetDocument() const
{
    return dynamic_cast<CNetDoc*>(Owner());
}

void CBigDataIcon::UpdateTagLists(int bit)
{
    if (const CNetDoc* net = NetDocument())
        lists_.UpdateTagLists(bit, net->CollectDataTagIcons());
}

void CBigDataIcon::OnDataTagRemoved(const CCorvaneIcon& tag)
{
    (void)lists_.RemoveTag(tag.UniqueId());
}

void CBigDataIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CCorvaneIcon::Layout();
}

void CBigDataIcon::CopyFixedPart(RecordTransfer& /*transfer*/) {}

std::size_t CBigDataIcon::TailTagCount(const RecordTransfer& t) const
{
    const std::size_t length = Header().length;
    return length > t.Position() ? (length - t.Position()) / kTagIdSize : 0;
}

std::size_t CBigDataIcon::TransferTail(RecordTransfer& t)
{
    if (!t.IsLoading()) {
        std::vector<std::uint32_t> ids = lists_.StoredIds();
        for (std::uint32_t& id : ids)
            t.U32(id, "tag id");
        return ids.size() * kTagIdSize;
    }
    const std::size_t start = t.Position();
    const std::size_t count = TailTagCount(t);
    // More ids than the icon holds: the record is refused, not cut.
    if (count > lists_.Capacity()) {
        t.Fail({RecordErrorKind::BadCount, start, "tag ids"});
        return 0;
    }
    std::vector<std::uint32_t> ids(count);
    for (std::uint32_t& id : ids)
        t.U32(id, "tag id");
    if (t.Failed())
        return 0;
    (void)lists_.SetStoredIds(ids);
    return count * kTagIdSize;
}

}  // namespace corvane
