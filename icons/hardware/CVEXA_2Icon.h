#pragma once

#include "netmodel/CHardwareIcon.h"

#include <array>
#include <cstdint>

namespace corvane {

// The common base of the digital I/O bus module's channel icons (type 33).
// Channels 0..7 and 16..23 are event/counter inputs (16..23 can also be
// discrete outputs), 24 and 25 frequency inputs, 26..28 frequency or
// open-collector outputs, 29 the +5 V excitation output; 8..15 do not exist.
//
// Fixed part (record offsets): 72 u8 module bus address, 73 u8 channel,
// 74 u16 channel word; record length 76, no tail.
//
// Channel word: 0xE000 kind (see below), 0x0800 output the count on
// disable, 0x0400 clear the count on enable, 0x0200 clear the count after
// each output, 0x0040 debounce, 0x0020 pull-up, 0x0010 output LOW when the
// input is HIGH.
class CVEXA_2Icon : public CHardwareIcon {
public:
    static constexpr std::uint16_t kTypeCode = 33;
    static constexpr std::uint16_t kRecordLength = 76;

    static constexpr std::uint16_t kKindMask = 0xE000;
    static constexpr std::uint16_t kKindEventIn = 0x0000;
    static constexpr std::uint16_t kKindEventOut = 0x2000;
    static constexpr std::uint16_t kKindCounterIn = 0x4000;
    static constexpr std::uint16_t kKindFrequencyIn = 0x6000;
    static constexpr std::uint16_t kKindFrequencyOut = 0x8000;
    static constexpr std::uint16_t kKindOpenCollectorOut = 0xA000;
    static constexpr std::uint16_t kKindFiveVoltOut = 0xC000;
    static constexpr std::uint16_t kOutputCountOnDisable = 0x0800;
    static constexpr std::uint16_t kClearCountOnEnable = 0x0400;
    static constexpr std::uint16_t kClearCountAfterOutput = 0x0200;
    static constexpr std::uint16_t kDebounce = 0x0040;
    static constexpr std::uint16_t kPullUp = 0x0020;
    static constexpr std::uint16_t kOutputLowWhenHigh = 0x0010;

    static constexpr int kModuleType = 2;
    // The channels of one module in the order they are placed after a
    // hardware query.
    static constexpr std::array<int, 22> kPlacedChannels{
        0, 1, 2, 3, 4, 5, 6, 7, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29};

    std::string_view ClassName() const override { return "CVEXA_2Icon"; }

    int Address() const { return address_; }
    int Channel() const { return channel_; }
    std::uint16_t ChannelWord() const { return word_; }
    void SetChannelWord(std::uint16_t word) { word_ = word; }
    std::uint16_t Kind() const { return static_cast<std::uint16_t>(word_ & kKindMask); }
    // The channel's letter on the module: 'A' + channel below 16, else
    // channel + 57 ('I' for 16, 'Q' for 24).
    char HardwareLetter() const;
    // The dialogs' counts.
    void SetChannelCounts(int inputCount, int outputCount) { SetCounts(inputCount, outputCount); }
    // Lays the connectors out again after a dialog changed kind or counts.
    void RebuildConnectors();

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

    int GetModuleType() const override { return kModuleType; }
    int GetModuleAddress() const override { return address_; }

protected:
    // For the loader: the bitmap only, the rest comes from the record.
    explicit CVEXA_2Icon(int bitmapId);
    // For placing: stores address and channel; the class then calls InitIcon.
    CVEXA_2Icon(const Rect& position, int address, int channel, std::uint16_t kind);

    // Finishes a new icon's layout: length, own labels.
    void FinishLayout();
    // One terminal of the module's pin list, its terminal number from the
    // index (1..8 per plug).
    void FillPin(TerminalStripEntry& entry, int index, std::string function, std::string_view polarity) const;
    // The kind's text in the wiring list.
    static std::string_view KindText(std::uint16_t kind);

private:
    std::uint8_t address_ = 0;
    std::uint8_t channel_ = 0;
    std::uint16_t word_ = 0;
};

}  // namespace corvane
