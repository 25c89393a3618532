#pragma once

#include "icons/function/CFunctionIcon.h"
#include "netdoc/NetIconRoles.h"

namespace corvane {

// Gives sensors time to settle: upon a trigger pulse its logic output goes
// HIGH at once and the pulse is passed on to its trigger output after the
// delay. The net numbers warm-up icons early, by their priority: the
// delay, shortest first.
//
// Fixed part (record offsets):
//   72 u32 delay in 5 ms ticks
// then the trigger output's entry at 76 and the logic output's at 88,
// whose 8 data bytes hold the name of the delay's unit.
class CWarmupIcon : public CFunctionIcon, public PrioritisedIcon {
public:
    static constexpr std::uint16_t kTypeCode = 266;
    static constexpr std::uint16_t kRecordLength = 76;
    static constexpr std::uint32_t kDefaultDelay = 2000;  // 10 seconds
    static constexpr int kTriggerOutput = 0;
    static constexpr int kLogicOutput = 1;

    CWarmupIcon();
    explicit CWarmupIcon(const Rect& position);

    std::string_view ClassName() const override { return "CWarmupIcon"; }

    std::uint32_t Delay() const { return delay_; }
    void SetDelay(std::uint32_t ticks) { delay_ = ticks; }
    // The unit's name in the logic output's entry (at most 8 bytes).
    void SetUnitsText(std::string_view text);

    std::int64_t ExecutionPriority() const override { return delay_; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint32_t delay_ = kDefaultDelay;
};

}  // namespace corvane
