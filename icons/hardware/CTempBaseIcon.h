#pragma once

#include "netmodel/CCorvaneIcon.h"

namespace corvane {

// The temperature of the logger's own terminal block (cold junction) as
// one numeric output; the unit word chooses Celsius or Fahrenheit, which
// is also the output's unit text. Placed from the logger's hardware; the
// user cannot delete it.
//
// Fixed part (record offsets):
//   72 u16 unit word: 0 Celsius, 1 Fahrenheit
// then the output entry at 74 (its text "'C" or "'F").
class CTempBaseIcon : public CCorvaneIcon {
public:
    static constexpr std::uint16_t kTypeCode = 16;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kCelsius = 0;
    static constexpr std::uint16_t kFahrenheit = 1;

    CTempBaseIcon();
    explicit CTempBaseIcon(const Rect& position);

    std::string_view ClassName() const override { return "CTempBaseIcon"; }

    std::uint16_t UnitWord() const { return unitWord_; }
    // Stores the unit and the output's matching unit text.
    void SetUnit(std::uint16_t unitWord);
    static std::string_view UnitText(std::uint16_t unitWord) { return unitWord == kFahrenheit ? "'F" : "'C"; }

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t unitWord_ = kCelsius;
};

}  // namespace corvane
