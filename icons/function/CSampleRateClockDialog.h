#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string>

namespace corvane {

class CSampleRateClockIcon;

// Sets a sample-rate clock's interval and, while its alternate-rate input
// is linked, its alternate interval, each as a value of at most four
// digits and a unit. Changing a unit to or from milliseconds asks the net
// document's question first; OK checks the limits (248 days, 5965 hours,
// not zero) and, on a battery-powered net, shows the one-time battery
// notices before the intervals are written in 5 ms ticks.
class CSampleRateClockDialog : public CIconDialog {
public:
    static constexpr std::string_view kErrorCaption = "Icon Configuration Error";

    explicit CSampleRateClockDialog(CSampleRateClockIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void OnUnitChanged(int comboId, int& unit);
    // Milliseconds when either rate in use is in milliseconds, else seconds.
    int ResolutionUnit() const;
    void OnRateAsName();
    // "<value>-<unit>" from the controls as they stand.
    std::string RateName() const;
    bool Refuse(const std::string& text) const;
    bool CheckLimits(std::uint32_t value, int unit, std::string_view what) const;
    bool ShowBatteryNotices();

    CSampleRateClockIcon& clock_;
    bool alternateLinked_;
    std::uint32_t value_ = 1;
    int unit_ = 1;
    std::uint32_t alternateValue_ = 1;
    int alternateUnit_ = 1;
    bool rateAsName_ = false;
    std::uint32_t ticks_ = 0;
    std::uint32_t alternateTicks_ = 0;
    std::uint16_t clearedNotices_ = 0;
};

}  // namespace corvane
