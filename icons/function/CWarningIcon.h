#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// Turns logger conditions into a logic signal: its one output is forced
// high when any condition the user selected is detected (memory filling,
// the net falling behind, power failures, resets, errors, module-bus
// faults, batteries). No inputs besides the enable input.
//
// Fixed part (record offsets):
//   72 u16 condition word, one bit per condition (bit 15 unused)
//   74 u8  memory percentage 1..100 (used with kMemoryFull)
//   75 u8  reserved, kept as read
// then the output entry at 76.
class CWarningIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 65;
    static constexpr std::uint16_t kRecordLength = 76;
    static constexpr std::uint16_t kMemoryFull = 0x2000;
    static constexpr std::uint8_t kDefaultPercentage = 50;
    static constexpr std::uint8_t kMaxPercentage = 100;

    CWarningIcon();
    explicit CWarningIcon(const Rect& position);

    std::string_view ClassName() const override { return "CWarningIcon"; }

    std::uint16_t Conditions() const { return conditions_; }
    void SetConditions(std::uint16_t conditions) { conditions_ = conditions; }
    std::uint8_t MemoryPercentage() const { return percentage_; }
    void SetMemoryPercentage(std::uint8_t percentage) { percentage_ = percentage; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t conditions_ = 0;
    std::uint8_t percentage_ = kDefaultPercentage;
    std::uint8_t reserved_ = 0;
};

}  // namespace corvane
