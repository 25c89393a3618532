#pragma once

#include "netmodel/CHardwareIcon.h"

#include <cstdint>
#include <memory>

namespace corvane {

// The logger's general-purpose digital input (GPDI), its fast digital
// input: an event state, a pulse count or a frequency on its one output.
//
// Fixed part (record offsets): 72 u16 mode word, 74 f32 the minimum
// measurable frequency in Hz (frequency mode); record length 78, no tail.
//
// Mode word: 0x0003 channel (always 0), 0x6000 kind (0x0000 event, 0x2000
// counter, 0x6000 frequency; 0x4000 is invalid), 0x0800 output the count
// on disable, 0x0400 clear the count on enable, 0x0200 clear the count
// after each output, 0x0100 set by every confirmed dialog, 0x0040 debounce
// filtering, 0x0020 pull-up, 0x0010 output LOW when the input is HIGH.
//
// Advisory word bit 0x2: the counter mode's battery question is still to
// be asked.
class CGpdiIcon : public CHardwareIcon {
public:
    static constexpr std::uint16_t kTypeCode = 19;
    static constexpr std::uint16_t kRecordLength = 78;
    static constexpr int kModuleAddress = -17;  // every channel of the logger itself

    static constexpr std::uint16_t kChannelMask = 0x0003;
    static constexpr std::uint16_t kKindMask = 0x6000;
    static constexpr std::uint16_t kKindEvent = 0x0000;
    static constexpr std::uint16_t kKindCounter = 0x2000;
    static constexpr std::uint16_t kKindInvalid = 0x4000;
    static constexpr std::uint16_t kKindFrequency = 0x6000;
    static constexpr std::uint16_t kOutputCountOnDisable = 0x0800;
    static constexpr std::uint16_t kClearCountOnEnable = 0x0400;
    static constexpr std::uint16_t kClearCountAfterOutput = 0x0200;
    static constexpr std::uint16_t kConfirmed = 0x0100;
    static constexpr std::uint16_t kDebounce = 0x0040;
    static constexpr std::uint16_t kPullUp = 0x0020;
    static constexpr std::uint16_t kOutputLowWhenHigh = 0x0010;
    static constexpr std::uint16_t kNewModeWord = kOutputCountOnDisable | kConfirmed | kPullUp;
    static constexpr float kDefaultFrequency = 10.0F;
    static constexpr std::uint16_t kBatteryQuestionPending = 0x0002;

    // For the loader, which fills the icon from a stored record.
    CGpdiIcon();
    // Places the icon of a GPDI channel after a hardware query. The logger
    // has channel 0 only: any other is refused with a message, and no icon
    // is made.
    static std::unique_ptr<CGpdiIcon> Place(const Rect& position, int channel);

    std::string_view ClassName() const override { return "CGpdiIcon"; }

    std::uint16_t ModeWord() const { return mode_; }
    void SetModeWord(std::uint16_t mode) { mode_ = mode; }
    std::uint16_t Kind() const { return static_cast<std::uint16_t>(mode_ & kKindMask); }
    float MinimumFrequency() const { return frequency_; }
    void SetMinimumFrequency(float hz) { frequency_ = hz; }
    // Remakes the output after the dialog changed the kind.
    void RebuildConnectors();

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void ApplySubtype(std::uint16_t mode) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    void LayoutHardware() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

    int GetPinCount() const override { return 2; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override;
    int GetModuleType() const override { return 0; }
    int GetModuleAddress() const override { return kModuleAddress; }

private:
    CGpdiIcon(const Rect& position, std::uint16_t channel);

    std::uint16_t mode_ = 0;
    float frequency_ = 0.0F;
};

}  // namespace corvane
