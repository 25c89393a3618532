#pragma once

#include "icons/function/CFunctionIcon.h"

#include <string_view>

namespace corvane {

// The statistics icons: one data input reduced to its minimum and maximum,
// its sum or its average, output after a number of samples or, with a
// sample count of 0, upon a pulse on the trigger input (which exists only
// then). The kind is carried by the high bits of the option word; the
// record has four outputs for the minimum and maximum and three for the
// others, of which two and one are offered for links.
//
// Fixed part (record offsets):
//   72 u16 option word: bits 12-15 the kind (0x6000 min/max, 0x1000 sum,
//      0x8000 average, tested in that order); 0x0001 clear the value after
//      each output, 0x0002 output the value upon DISABLE, 0x0004 clear the
//      sample count and value upon ENABLE, 0x0008 clear after a logger reset
//   74 u16 sample count: 1..65535, or 0 to output upon the trigger
// then the input link at 76 and the output entries.
class CMaxMinAvgSumIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 258;
    static constexpr std::uint16_t kRecordLength = 76;
    static constexpr std::uint16_t kMinMaxBits = 0x6000;
    static constexpr std::uint16_t kSumBits = 0x1000;
    static constexpr std::uint16_t kAverageBits = 0x8000;
    static constexpr std::uint16_t kKindBits = 0xF000;
    static constexpr std::uint16_t kClearAfterOutput = 0x0001;
    static constexpr std::uint16_t kOutputOnDisable = 0x0002;
    static constexpr std::uint16_t kClearOnEnable = 0x0004;
    static constexpr std::uint16_t kClearAfterReset = 0x0008;
    static constexpr std::uint16_t kDefaultOptions = kClearAfterOutput | kOutputOnDisable | kClearOnEnable;
    static constexpr std::uint16_t kDefaultSampleCount = 10;

    enum class Kind { MinMax, Sum, Average };

    // The kind of an option word (first match: min/max, sum, average), or
    // none when no kind bit is set.
    static std::optional<Kind> KindOfOptions(std::uint16_t options);
    static std::uint16_t KindBits(Kind kind);

    Kind GetKind() const { return kind_; }
    std::uint16_t OptionWord() const { return options_; }
    void SetOptionWord(std::uint16_t options) { options_ = options; }
    std::uint16_t SampleCount() const { return sampleCount_; }
    // A count of 0 makes the trigger input present; any other count
    // removes it and the link it had.
    void SetSampleCount(std::uint16_t count);
    // The outputs offered for links: two for the minimum and maximum.
    int OfferedOutputs() const { return kind_ == Kind::MinMax ? 2 : 1; }
    std::uint32_t HelpContext() const;
    // "Min/Max", "Sum" or "Avg".
    std::string_view KindCaption() const;

    int HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon) override;
    void ApplySubtype(std::uint16_t subtype) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

protected:
    explicit CMaxMinAvgSumIcon(Kind kind);
    CMaxMinAvgSumIcon(const Rect& position, Kind kind);

private:
    void Init();
    void SetKind(Kind kind);

    Kind kind_;
    std::uint16_t options_ = 0;
    std::uint16_t sampleCount_ = kDefaultSampleCount;
};

}  // namespace corvane
