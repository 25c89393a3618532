#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// Copies its input to its output, with one delay for the rising edge and
// another for the falling edge.
//
// Fixed part (record offsets): 72 u32 ON delay, 76 u32 OFF delay, both in
// 5 ms ticks.
//
// Advisory word bit 0x1: the millisecond-timing notice is still to be shown.
class CDelayIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 264;
    static constexpr std::uint16_t kRecordLength = 80;
    static constexpr std::uint32_t kDefaultTicks = 2000;  // 10 seconds
    static constexpr std::uint16_t kMillisecondNoticePending = 0x1;

    CDelayIcon();
    explicit CDelayIcon(const Rect& position);

    std::string_view ClassName() const override { return "CDelayIcon"; }

    std::uint32_t OnTicks() const { return on_; }
    void SetOnTicks(std::uint32_t ticks) { on_ = ticks; }
    std::uint32_t OffTicks() const { return off_; }
    void SetOffTicks(std::uint32_t ticks) { off_ = ticks; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint32_t on_ = kDefaultTicks;
    std::uint32_t off_ = kDefaultTicks;
};

}  // namespace corvane
