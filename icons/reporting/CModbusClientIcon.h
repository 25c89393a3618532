#pragma once

#include "icons/reporting/CModbusClientPair.h"
#include "icons/reporting/CModbusItem.h"
#include "netdoc/NetIconRoles.h"
#include "netmodel/CCorvaneIcon.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

class CNetDoc;

// "Modbus Reg List": the logger's own Modbus register map. It gives a
// holding register to each Data Tag icon and each remote-control constant
// or switch of the net, so that remote Modbus masters and clients can read
// or write those values. It has no connectors.
//
// Fixed part (record offsets), then the pairs:
//   72 u8 data-tag pair count   73 u8 remote-switch pair count
//   74 u8 remote-variable pair count   75 u8 reserved (kept as read)
//   76 the pairs, 4 bytes each (u16 register number, u16 source icon id):
//      all data-tag pairs, then the switch pairs, then the variable pairs
class CModbusClientIcon : public CCorvaneIcon, public ModbusClientRole {
public:
    static constexpr std::uint16_t kTypeCode = 5;
    static constexpr std::uint16_t kRecordLength = 76;
    static constexpr std::uint16_t kAdvisoryPending = 0x0001;  // header warning flag of a placed icon

    // For the loader.
    CModbusClientIcon();
    // Placing from the palette.
    explicit CModbusClientIcon(const Rect& position);

    std::string_view ClassName() const override { return "CModbusClientIcon"; }

    // The pairs in record order.
    const std::vector<CModbusClientPair>& Pairs() const { return pairs_; }
    // The pair counts in record order: data tags, switches, variables.
    const std::array<std::uint8_t, 3>& Counts() const { return counts_; }
    // The register of the first pair naming the source, or 0.
    std::uint16_t RegisterOf(std::uint16_t sourceId) const;
    // One row per Data Tag icon and per remote constant or switch of the
    // net the icon is in, in the net's order, each with its register text.
    std::vector<CModbusItem> CollectItems() const;
    // Makes the pairs again from accepted rows: one per row with a register,
    // grouped by kind in record order. The rows must have passed
    // CheckModbusItems (at most 255 of a kind).
    void RebuildPairs(std::span<const CModbusItem> items);

    // ModbusClientRole.
    int RegisterCount() const override { return static_cast<int>(pairs_.size()); }

    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

private:
    void Init();

    std::array<std::uint8_t, 3> counts_{};
    std::uint8_t reserved_ = 0;
    std::vector<CModbusClientPair> pairs_;
};

}  // namespace corvane
