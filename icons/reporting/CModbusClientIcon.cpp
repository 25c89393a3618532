#include "icons/reporting/CModbusClientIcon.h"

#include "base/Cp1252.h"
#include "icons/function/CConstIcon.h"
#include "icons/reporting/CDataTagIcon.h"
#include "icons/reporting/CModbusProperties.h"
#include "icons/reporting/ModbusRegisterCheck.h"
#include "netmodel/CCorvaneDoc.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <numeric>

namespace corvane {
namespace {

constexpr std::string_view kDefaultName = "Modbus Reg List";
constexpr std::size_t kPairSize = 4;

// Where each kind's count sits among the three counts (record order).
constexpr std::array<std::size_t, 3> kCountSlotOfKind{0, 2, 1};

}  // namespace

CModbusClientIcon::CModbusClientIcon() { SetBitmapId(res::kBitmapModbusMap); }

CModbusClientIcon::CModbusClientIcon(const Rect& position) : CCorvaneIcon(position) { Init(); }

void CModbusClientIcon::Init()
{
    SetBitmapId(res::kBitmapModbusMap);
    SetName(kDefaultName);
    InitIcon(Position().left, Position().top, 0, 0, kTypeCode, false, false, false);
}

std::uint16_t CModbusClientIcon::RegisterOf(std::uint16_t sourceId) const
{
    for (const CModbusClientPair& pair : pairs_)
        if (pair.sourceId == sourceId)
            return pair.registerNumber;
    return 0;
}

std::vector<CModbusItem> CModbusClientIcon::CollectItems() const
{
    std::vector<CModbusItem> items;
    if (Owner() == nullptr)
        return items;
    for (const auto& object : Owner()->GetObjects()) {
        CModbusItem item;
        if (const auto* constant = dynamic_cast<const CConstIcon*>(object.get())) {
            if ((constant->ModeWord() & CConstIcon::kRemoteBit) == 0)
                continue;
            item.kind = (constant->ModeWord() & CConstIcon::kSwitchBit) != 0 ? CModbusItem::kRemoteSwitch
                                                                             : CModbusItem::kRemoteVariable;
            item.sourceId = constant->UniqueId();
            item.name = Cp1252ToUtf8(constant->Name());
        } else if (const auto* tag = dynamic_cast<const CDataTagIcon*>(object.get())) {
            item.kind = CModbusItem::kDataTag;
            item.sourceId = tag->UniqueId();
            item.name = Cp1252ToUtf8(tag->Name());
        } else {
            continue;
        }
        item.registerText = std::to_string(RegisterOf(item.sourceId));
        items.push_back(std::move(item));
    }
    return items;
}

void CModbusClientIcon::RebuildPairs(std::span<const CModbusItem> items)
{
    std::array<std::vector<CModbusClientPair>, 3> groups;
    for (const CModbusItem& item : items) {
        const std::uint32_t number = RegisterNumberOf(item.registerText);
        const auto kind = static_cast<std::size_t>(item.kind);
        if (number == 0 || number > 0xFFFF || kind >= groups.size())
            continue;
        groups[kCountSlotOfKind[kind]].push_back({static_cast<std::uint16_t>(number), item.sourceId});
    }
    pairs_.clear();
    for (std::size_t slot = 0; slot < groups.size(); ++slot) {
        // The checks allow at most 255 of a kind; a count never wraps.
        if (groups[slot].size() > kMaxModbusPairsPerKind)
            groups[slot].resize(kMaxModbusPairsPerKind);
        counts_[slot] = static_cast<std::uint8_t>(groups[slot].size());
        pairs_.insert(pairs_.end(), groups[slot].begin(), groups[slot].end());
    }
}

std::unique_ptr<IconDialog> CModbusClientIcon::CreateIconDialog() { return std::make_unique<CModbusProperties>(*this); }

void CModbusClientIcon::Layout()
{
    Header().length = kRecordLength;
    CCorvaneIcon::Layout();
}

int CModbusClientIcon::CheckIconConnections(bool& isolated) const
{
    // The register map has no connectors and never takes part in the
    // connection warnings.
    isolated = false;
    return 0;
}

void CModbusClientIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U8(counts_[0], "data tag pair count");
    t.U8(counts_[1], "switch pair count");
    t.U8(counts_[2], "variable pair count");
    t.U8(reserved_, "reserved");
}

std::size_t CModbusClientIcon::TransferTail(RecordTransfer& t)
{
    if (!t.IsLoading()) {
        for (CModbusClientPair& pair : pairs_) {
            t.U16(pair.registerNumber, "register number");
            t.U16(pair.sourceId, "source id");
        }
        return pairs_.size() * kPairSize;
    }
    const std::size_t count = std::accumulate(counts_.begin(), counts_.end(), std::size_t{0});
    std::vector<CModbusClientPair> loaded(count);
    for (CModbusClientPair& pair : loaded) {
        t.U16(pair.registerNumber, "register number");
        t.U16(pair.sourceId, "source id");
    }
    if (t.Failed())
        return 0;
    pairs_ = std::move(loaded);
    return count * kPairSize;
}

}  // namespace corvane
