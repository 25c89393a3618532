#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CSSClockIcon;
class DateTimeControl;

// Sets a start/stop clock: in local-time mode a start and a stop date and
// time (or no stop), in delayed mode a delay from enabling and a HIGH time
// (or HIGH for ever) typed as hh:mm:ss, and the options for disabling and
// logger resets. OK refuses a stop that is not later than the start,
// dates the logger's calendar does not take and durations past 32 bits
// of seconds; nothing reaches the icon before every check has passed.
class CSSClockDialog : public CIconDialog {
public:
    static constexpr std::string_view kErrorCaption = "Error";

    explicit CSSClockDialog(CSSClockIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    bool LocalMode() const { return mode_ == 1; }
    DateTimeControl* Picker(int id) const;
    void OnModeClicked();
    void OnNow();
    void OnAmPm(int timeId, bool afternoon);
    void DeriveAmPm();
    void OnDurationChanged(int id);
    void NormaliseDurations();
    void UpdateControls();
    bool Refuse(const std::string& text) const;

    CSSClockIcon& clock_;
    int mode_ = 1;  // radio index: 0 delayed start, 1 local time
    int resetOnDisable_ = 0;
    int suspend_ = 0;
    int resetOnLoggerReset_ = 0;
    int doNotStop_ = 0;
    int highForever_ = 0;
    std::uint64_t delay_ = 0;
    std::uint64_t high_ = 0;
    std::uint16_t modeWord_ = 0;
    std::uint32_t first_ = 0;
    std::uint32_t second_ = 0;
};

}  // namespace corvane
