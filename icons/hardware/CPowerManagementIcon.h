#pragma once

#include "netmodel/CCorvaneIcon.h"

namespace corvane {

// The logger's power-up behaviour: an optional on/off input that allows
// scheduled power-up operation, and an output that goes high while the
// logger sends an e-mail or FTP transfer, for a delay before it. The
// output exists only in nets for logger type 1.
//
// Fixed part (record offsets):
//   72 u16 power word: bits 0-7 the delay, bit 8 scheduled operation
// then the input link (only while bit 8 is set) and the output entry
// (only for logger type 1).
class CPowerManagementIcon : public CCorvaneIcon {
public:
    static constexpr std::uint16_t kTypeCode = 6;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kDelayMask = 0x00FF;
    static constexpr std::uint16_t kScheduled = 0x0100;
    static constexpr std::uint16_t kNewPowerWord = 5;
    static constexpr int kOutputLoggerType = 1;

    CPowerManagementIcon();
    explicit CPowerManagementIcon(const Rect& position);

    std::string_view ClassName() const override { return "CPowerManagementIcon"; }

    std::uint16_t PowerWord() const { return powerWord_; }
    void SetPowerWord(std::uint16_t word) { powerWord_ = word & (kDelayMask | kScheduled); }
    // Input present while scheduled operation is on; output present when
    // the net's Program icon names logger type 1 (kept as is outside a net).
    void UpdateConnectors();

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    void OnDialogOk() override { UpdateConnectors(); }

private:
    void Init();

    std::uint16_t powerWord_ = kNewPowerWord;
};

}  // namespace corvane
