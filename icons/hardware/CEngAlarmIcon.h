#pragma once

#include "netmodel/CCorvaneIcon.h"

namespace corvane {

// The logger's audible alarm, sounding while its one on/off input is
// high. It shares type code 25 with the LED: mode bits 0-1 are not 0.
//
// Fixed part (record offsets):
//   72 u16 mode word: bits 0-1 = 1 (alarm), bits 2-3 the sound
//          (0 continuous, 1 beep, 2 chirp)
// then the input link at 74.
class CEngAlarmIcon : public CCorvaneIcon {
public:
    static constexpr std::uint16_t kTypeCode = 25;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kNewModeWord = 5;  // alarm, beep
    static constexpr std::uint16_t kSoundMask = 0x000C;
    static constexpr int kSoundShift = 2;
    static constexpr int kChirp = 2;
    // Advisory bit of the record: the chirp question is still to be asked.
    static constexpr std::uint16_t kChirpNoticePending = 0x0001;

    CEngAlarmIcon();
    CEngAlarmIcon(const Rect& position, int unused);

    std::string_view ClassName() const override { return "CEngAlarmIcon"; }

    std::uint16_t ModeWord() const { return mode_; }
    void SetModeWord(std::uint16_t mode) { mode_ = mode; }
    int Sound() const { return (mode_ & kSoundMask) >> kSoundShift; }
    void SetSound(int sound);

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t mode_ = kNewModeWord;
};

}  // namespace corvane
