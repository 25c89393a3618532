#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CSchedIcon;
class DateTimeControl;

// Edits a scheduler: the start and stop date and time (or no stop), the
// HIGH time of each cycle, and the schedule in one of three views:
// monthly (on a day of the chosen months, or on a weekday of a week of
// the month), weekly (on chosen weekdays of every Nth week) or periodic
// (every N seconds, minutes, hours or days). The check boxes 21..32 serve
// as months or weekdays by view; the choices of a view that is left are
// kept and stored with the rest on OK. Nothing reaches the icon before
// every check has passed.
class CSchedDialog : public CIconDialog {
public:
    static constexpr std::string_view kErrorCaption = "Scheduler Icon";
    enum View : int { kMonthlyView = 0, kWeeklyView = 1, kPeriodicView = 2 };

    explicit CSchedDialog(CSchedIcon& icon, Window* parent = nullptr);

    // The largest of seconds (0), minutes, hours and days (3) that divides
    // a number of seconds, climbing while it divides.
    static int BestUnit(std::uint32_t seconds);
    // "st", "nd", "rd" or "th" for the number at a list index (0 is 1).
    static std::string_view OrdinalSuffix(int index);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    View CurrentView() const;
    DateTimeControl* Picker(int id) const;
    void ShowView();
    void UpdateSuffix();
    void ReadCombos();
    // The check boxes as weekday bits (weekly view) or month bits (monthly).
    std::uint16_t CollectBits() const;
    void FoldLeavingView();
    void OnViewClicked(View view);
    void OnKindChanged();
    void OnNow();
    void OnAmPm(int timeId, bool afternoon);
    void DeriveAmPm();
    void UpdateStopControls();
    bool Refuse(const std::string& text) const;

    CSchedIcon& sched_;
    std::uint8_t kind_;
    std::uint8_t weekdays_;
    std::uint16_t months_;
    int everyIndex_ = 0;  // combo 1049: the number less one
    int kindIndex_ = 0;   // combo 1050: "Day" or a weekday, or a period unit
    int highValue_ = 0;
    int highUnit_ = 0;
    int maintain_ = 0;
    int doNotStop_ = 0;
    // What OK stores.
    std::uint32_t start_ = 0;
    std::uint32_t stop_ = 0;
    std::uint32_t high_ = 0;
    std::uint32_t cycle_ = 0;
    std::uint8_t kindByte_ = 0;
    std::uint8_t storedWeekdays_ = 0;
    std::uint16_t storedMonths_ = 0;
};

}  // namespace corvane
