#pragma once

#include "icons/reporting/DataTagLists.h"
#include "netdoc/NetIconRoles.h"
#include "netmodel/CCorvaneIcon.h"

#include <cstddef>
#include <cstdint>

namespace corvane {

class CNetDoc;

// The base of the Memory, Probe and MQTT icons: icons that report a list
// of the net's data tags, by tag id (the Data Tag icon's unique id). The
// icons draw 32 x 64, are numbered after all other icons and are never
// walked into. The Memory and Probe records are the header alone (no
// connectors, no fixed part) and a tail of the stored tag ids, u32
// little-endian each, in selected order, as many as the record length
// leaves room for; the MQTT icon counts them in its fixed part.
class CBigDataIcon : public CCorvaneIcon, public TagListRole {
public:
    static constexpr std::size_t kTagIdSize = 4;
    static constexpr std::uint16_t kRecordLength = 72;

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;

    // The icon's bit in a Data Tag icon's assignment word.
    virtual int AssignmentBit() const = 0;

    DataTagLists& Lists() { return lists_; }
    const DataTagLists& Lists() const { return lists_; }
    const std::vector<std::uint32_t>& TagIds() const { return lists_.StoredIds(); }
    // The net document holding the icon, or null while it is in none.
    CNetDoc* NetDocument() const;

    // TagListRole: takes the net's tags marked with the bit into the
    // selection and stores it.
    void UpdateTagLists(int bit) override;
    void OnDataTagRemoved(const CCorvaneIcon& tag) override;
    void Layout() override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

protected:
    explicit CBigDataIcon(std::size_t capacity);
    CBigDataIcon(const Rect& position, std::size_t capacity);

    // The number of ids the tail of a record being read holds: what the
    // stored record length leaves after the fixed part and connectors.
    virtual std::size_t TailTagCount(const RecordTransfer& transfer) const;

private:
    DataTagLists lists_;
};

}  // namespace corvane
