#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// The transient reject filter: an input that moves further than the
// magnitude from the last accepted value (the baseline) is rejected and
// the prior reading output instead; after the step-change count of
// rejections in a row the next input becomes the new baseline.
//
// Fixed part (record offsets):
//   72 u16 step-change count (2..999)
//   74 f32 transient magnitude
// then the input link at 78 and the output entry.
class CSpikeBlockerIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 276;
    static constexpr std::uint16_t kRecordLength = 78;
    static constexpr std::uint16_t kDefaultStepCount = 3;
    static constexpr float kDefaultMagnitude = 10.0F;

    CSpikeBlockerIcon();
    explicit CSpikeBlockerIcon(const Rect& position);

    std::string_view ClassName() const override { return "CSpikeBlockerIcon"; }

    std::uint16_t StepCount() const { return stepCount_; }
    void SetStepCount(std::uint16_t count) { stepCount_ = count; }
    float Magnitude() const { return magnitude_; }
    void SetMagnitude(float magnitude) { magnitude_ = magnitude; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t stepCount_ = kDefaultStepCount;
    float magnitude_ = kDefaultMagnitude;
};

}  // namespace corvane
