#pragma once

#include "icons/common/TwoPointScaling.h"
#include "netdoc/NetIconRoles.h"
#include "netmodel/CHardwareIcon.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// One of the logger's own analog input channels A to D: no ordinary inputs
// and one data output carrying the channel's reading. The presets
// (CVLEngIcon, CACEngIcon, CTCEngIcon, CVHEngIcon) place it for one input
// kind; the picture doubles as the kind (404 high-level voltage, 405
// low-level voltage, 406 current, 407 thermocouple). The user cannot
// delete it.
//
// Record (offsets from the record start):
//   72 u16 mode word (bits below)
//   74 u16 sensor excitation time in ms, 0..990 (0: none)
//   76     the output's entry (its 8 data bytes hold the units)
//   88 f32 x1, x2, y1, y2: the scaling points, present only while the
//          mode word has kScaling (record 104 bytes long, else 88)
class CEngInputsIcon : public CHardwareIcon, public PrioritisedIcon {
public:
    static constexpr std::uint16_t kTypeCode = 22;
    static constexpr std::uint16_t kRecordLength = 76;  // header and fixed part
    static constexpr int kChannelCount = 4;

    // Mode word bits.
    static constexpr std::uint16_t kRangeMask = 0x0007;  // range or thermocouple type index
    static constexpr std::uint16_t kNoRange = 7;         // no range chosen
    static constexpr std::uint16_t kKindMask = 0x0018;
    static constexpr std::uint16_t kKindVoltage = 0x0000;
    static constexpr std::uint16_t kKindCurrent = 0x0008;
    static constexpr std::uint16_t kKindCelsius = 0x0010;
    static constexpr std::uint16_t kKindFahrenheit = 0x0018;
    static constexpr std::uint16_t kReject50Hz = 0x0020;
    static constexpr std::uint16_t kReject60Hz = 0x0040;
    static constexpr std::uint16_t kSettlingMask = 0x0780;  // 100 % plus 20 % per step
    static constexpr int kSettlingShift = 7;
    static constexpr std::uint16_t kScaling = 0x0800;
    static constexpr std::uint16_t kAutoRange = 0x1000;
    static constexpr std::uint16_t kHighLevel = 0x2000;
    static constexpr std::uint16_t kChannelMask = 0xC000;
    static constexpr int kChannelShift = 14;

    // Pictures, which are also the input kinds.
    static constexpr int kHighVoltageKind = 404;
    static constexpr int kLowVoltageKind = 405;
    static constexpr int kCurrentKind = 406;
    static constexpr int kThermocoupleKind = 407;

    // Advisory word bits: the battery notices of the dialog still due.
    static constexpr std::uint16_t kSettlingNoticePending = 0x0001;
    static constexpr std::uint16_t kExcitationNoticePending = 0x0002;

    static constexpr int kPinCount = 3;
    static constexpr int kLoggerModuleType = 0;
    static constexpr int kLoggerModuleAddress = -17;

    std::string_view ClassName() const override { return "CEngInputsIcon"; }

    int Channel() const { return channel_; }
    std::uint16_t ModeWord() const { return mode_; }
    void SetModeWord(std::uint16_t mode) { mode_ = mode; }
    std::uint16_t ExcitationTime() const { return excitationTime_; }
    void SetExcitationTime(std::uint16_t milliseconds) { excitationTime_ = milliseconds; }
    const ScalingPoints& Points() const { return points_; }
    void SetPoints(const ScalingPoints& points) { points_ = points; }

    // Names the icon "Analog: CH A" to "Analog: CH D" after its channel.
    void SetChannelLabel();
    // The caption of the channel's dialog for an input kind, such as
    // "mA Input             Channel B".
    std::string GetInputTypeText(int kind) const;

    // The logger's inputs carry no ordering priority of their own (0), so
    // the net numbers them in its general pass.
    std::int64_t ExecutionPriority() const override { return priority_; }

    void ApplySubtype(std::uint16_t subtype) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

    int GetPinCount() const override { return kPinCount; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override;
    int GetModuleType() const override { return kLoggerModuleType; }
    int GetModuleAddress() const override { return kLoggerModuleAddress; }

protected:
    // The factory's form: the record that follows sets everything.
    CEngInputsIcon();
    // The placing form for channel 0..3 (A..D); the mode word holds the
    // channel in its top two bits, so other numbers wrap into them.
    CEngInputsIcon(const Rect& position, int channel);

    // A preset's placing: its picture, name, kind bits and units.
    void PlaceAs(int kind, std::uint16_t kindBits, std::string_view units);

private:
    void InitMembers();

    std::uint16_t mode_ = 0;
    std::uint16_t excitationTime_ = 0;
    int channel_ = 0;
    ScalingPoints points_;
    std::int16_t priority_ = 0;
};

}  // namespace corvane
