#pragma once

#include "netmodel/CCorvaneIcon.h"

namespace corvane {

// The logger's switched sensor-excitation output driven from the net: its
// one on/off input switches the output. It excludes the analog inputs'
// own excitation time (ExcitationCheck finds the conflict). The only
// hardware icon on the palette, and the only one the user may delete.
//
// Fixed part (record offsets):
//   72 u16 logic word: 0 on while the input is high, 1 on while it is low
// then the input link at 74.
class CExciteIcon : public CCorvaneIcon {
public:
    static constexpr std::uint16_t kTypeCode = 26;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kOnWhenHigh = 0;
    static constexpr std::uint16_t kOnWhenLow = 1;

    CExciteIcon();
    explicit CExciteIcon(const Rect& position);

    std::string_view ClassName() const override { return "CExciteIcon"; }

    std::uint16_t LogicWord() const { return logic_; }
    void SetLogicWord(std::uint16_t logic) { logic_ = logic; }

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t logic_ = kOnWhenHigh;
};

}  // namespace corvane
