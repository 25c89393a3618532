#pragma once

#include "icons/common/TwoPointScaling.h"
#include "netmodel/CHardwareIcon.h"

#include <cstdint>
#include <string>

namespace corvane {

// One channel (A to G) or the cold junction of a 7-channel isolated analog
// bus module ("VEXA-7"): no ordinary inputs and one data output carrying the
// reading. The presets (CVLVXM_7Icon, CACVXM_7Icon, CVHVXM_7Icon,
// CTCVXM_7Icon, CJC_VXM_7Icon) place it for one input kind; a stored record
// always loads as this class. The picture doubles as the kind (403 cold
// junction, 408 current, 409 low-level voltage, 410 high voltage, 411
// thermocouple). The user cannot delete it.
//
// Record (offsets from the record start):
//   72 u8  module bus address
//   73 u8  channel 0..6 (A..G); 0xFF for the cold junction
//   74 u16 mode word (bits below)
//   76 f32 x1, x2, y1, y2: the scaling points, -1.0 in all four for none
//   92     the output's entry (its 8 data bytes hold the units)
class CVXM_7inputsIcon : public CHardwareIcon {
public:
    static constexpr std::uint16_t kTypeCode = 32;
    static constexpr std::uint16_t kRecordLength = 92;  // header and fixed part
    static constexpr std::uint8_t kColdJunctionChannel = 0xFF;

    // Mode word bits.
    static constexpr std::uint16_t kRangeMask = 0x0007;  // 7 - range index, thermocouple type, or CJC unit
    static constexpr std::uint16_t kKindMask = 0x0038;
    static constexpr std::uint16_t kKindLowVoltage = 0x00;
    static constexpr std::uint16_t kKindCurrent = 0x08;
    static constexpr std::uint16_t kKindThermocouple = 0x10;  // set in every thermocouple kind
    static constexpr std::uint16_t kKindFahrenheit = 0x08;    // with kKindThermocouple
    static constexpr std::uint16_t kKindLimitedRange = 0x20;  // with kKindThermocouple
    static constexpr std::uint16_t kKindHighVoltage = 0x20;
    static constexpr std::uint16_t kKindColdJunction = 0x28;
    static constexpr std::uint16_t kScaling = 0x0040;
    static constexpr std::uint16_t kExcitation = 0x0080;
    static constexpr std::uint16_t kSamplingMask = 0x0F00;
    static constexpr int kSamplingShift = 8;
    static constexpr std::uint16_t kSettlingMask = 0xF000;
    static constexpr int kSettlingShift = 12;
    static constexpr std::uint16_t kDefaultSampling = 3;
    static constexpr std::uint16_t kNoiseRejectSampling = 6;
    static constexpr std::uint16_t kCelsius = 1;  // cold junction unit codes
    static constexpr std::uint16_t kFahrenheit = 2;

    // Pictures, which are also the input kinds.
    static constexpr int kColdJunctionBitmap = 403;
    static constexpr int kCurrentBitmap = 408;
    static constexpr int kLowVoltageBitmap = 409;
    static constexpr int kHighVoltageBitmap = 410;
    static constexpr int kThermocoupleBitmap = 411;

    static constexpr int kPinCount = 3;
    static constexpr int kModuleType = 1;

    // The factory's form: the record that follows sets everything.
    CVXM_7inputsIcon();

    std::string_view ClassName() const override { return "CVXM_7inputsIcon"; }

    std::uint8_t Address() const { return address_; }
    std::uint8_t Channel() const { return channel_; }
    std::uint16_t ModeWord() const { return mode_; }
    void SetModeWord(std::uint16_t mode) { mode_ = mode; }
    const ScalingPoints& Points() const { return points_; }
    void SetPoints(const ScalingPoints& points) { points_ = points; }

    // The sampling code the mode word selects: three bits read, 0 as 3.
    static std::uint16_t SamplingCode(std::uint16_t mode);

    // The default name of the kind a picture stands for; empty for any
    // other picture.
    std::string GetTerminalChannelName(int bitmapId) const;
    // The default name of a kind (mode bits 0x38), such as "VEXA-7_3E_mA"
    // or, for the cold junction, "VEXA-7_3_CJC".
    std::string GetDefaultChannelName(std::uint16_t kindBits) const;

    void ApplySubtype(std::uint16_t subtype) override;
    void BuildConnectors() override;
    // The dialog of the kind: cold junction, current, high voltage, or
    // low-level voltage and thermocouple in one.
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

    int GetPinCount() const override { return kPinCount; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override;
    int GetModuleType() const override { return kModuleType; }
    int GetModuleAddress() const override { return address_; }

protected:
    // The placing form: the module's bus address and the channel 0..6, or
    // -1 for the cold junction (stored as 0xFF).
    CVXM_7inputsIcon(const Rect& position, int address, int channel);

    // A preset's placing: its picture, default name, mode word and units.
    void PlaceAs(int bitmapId, std::uint16_t mode, std::string_view units);

private:
    void InitMembers();

    std::uint8_t address_ = 0;
    std::uint8_t channel_ = 0;
    std::uint16_t mode_ = 0;
    ScalingPoints points_;
};

}  // namespace corvane
