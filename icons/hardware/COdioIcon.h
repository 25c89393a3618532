#pragma once

#include "netmodel/CHardwareIcon.h"

#include <cstdint>

namespace corvane {

// The logger's own digital I/O line: an event input, a counter input, an
// open-drain discrete output ("Switched Output") or, in its relay form,
// the logger's second, unlatched relay ("Relay 2"). Inputs have one output
// and no data input; outputs have one logic data input and no output.
//
// Fixed part (record offsets): 72 u16 mode word; record length 74, no tail.
//
// Mode word: 0xC000 kind (0x0000 event, 0x4000 counter, 0x8000 open-drain
// output, 0xC000 relay), 0x2000 pull-up, 0x1000 output LOW (relay open)
// when the input is HIGH, 0x0C00 output state while the logger is stopped
// (0x0400 retain, 0x0C00 close, else open), 0x0080 output the count on
// disable, 0x0040 clear the count on enable, 0x0020 clear the count after
// each output.
//
// Advisory word bit 0x1: the counter mode's battery question is still to
// be asked.
class COdioIcon : public CHardwareIcon {
public:
    static constexpr std::uint16_t kTypeCode = 23;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr int kModuleAddress = -17;  // every channel of the logger itself

    static constexpr std::uint16_t kKindMask = 0xC000;
    static constexpr std::uint16_t kKindEvent = 0x0000;
    static constexpr std::uint16_t kKindCounter = 0x4000;
    static constexpr std::uint16_t kKindOutput = 0x8000;
    static constexpr std::uint16_t kKindRelay = 0xC000;
    static constexpr std::uint16_t kPullUp = 0x2000;
    static constexpr std::uint16_t kOutputLowWhenHigh = 0x1000;
    static constexpr std::uint16_t kStoppedStateMask = 0x0C00;
    static constexpr std::uint16_t kStoppedRetain = 0x0400;
    static constexpr std::uint16_t kStoppedClose = 0x0C00;
    static constexpr std::uint16_t kOutputCountOnDisable = 0x0080;
    static constexpr std::uint16_t kClearCountOnEnable = 0x0040;
    static constexpr std::uint16_t kClearCountAfterOutput = 0x0020;
    static constexpr std::uint16_t kBatteryQuestionPending = 0x0001;

    // For the loader, which fills the icon from a stored record.
    COdioIcon();
    // For placing after a hardware query; the channel is not used (the
    // logger has one such line).
    COdioIcon(const Rect& position, int channel);

    std::string_view ClassName() const override { return "COdioIcon"; }

    std::uint16_t ModeWord() const { return mode_; }
    void SetModeWord(std::uint16_t mode) { mode_ = mode; }
    std::uint16_t Kind() const { return static_cast<std::uint16_t>(mode_ & kKindMask); }
    // The dialog's counts: inputs have one output, outputs one data input.
    void SetChannelCounts(int inputCount, int outputCount) { SetCounts(inputCount, outputCount); }
    // Lays the connectors out again after the dialog changed the kind or
    // the counts.
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
    std::uint16_t mode_ = 0;
};

}  // namespace corvane
