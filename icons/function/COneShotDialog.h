#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class COneShotIcon;

// Sets a one-shot's triggering edge, trigger delay and output duration
// (each a value of at most four digits and a unit) and its two retrigger
// options, of which at most one may be chosen. On a battery-powered net
// OK asks once before millisecond timing is used.
class COneShotDialog : public CIconDialog {
public:
    static constexpr std::string_view kErrorCaption = "Icon Configuration Error";
    static constexpr std::uint32_t kHelpContext = 12405;

    explicit COneShotDialog(COneShotIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    bool Refuse(const std::string& text) const;

    COneShotIcon& oneShot_;
    int edge_ = 0;  // 0 low to high, 1 high to low
    std::uint32_t delayValue_ = 0;
    int delayUnit_ = 1;
    std::uint32_t durationValue_ = 0;
    int durationUnit_ = 1;
    int retriggerDelay_ = 0;
    int retriggerExtension_ = 0;
    std::uint32_t delayTicks_ = 0;
    std::uint32_t durationTicks_ = 0;
    bool noticeAccepted_ = false;
};

}  // namespace corvane
