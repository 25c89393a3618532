#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string_view>

namespace corvane {

class CWarmupIcon;

// Sets a warm-up icon's delay as a whole number and a unit (milliseconds,
// seconds, minutes or hours). A delay of whole days opens in hours. A
// change of unit to or from milliseconds shows the net document's notice.
// OK refuses a delay of zero or one that does not fit the 32-bit tick
// count, then writes the ticks and the unit's name as the logic output's
// units.
class CWarmupDialog : public CIconDialog {
public:
    static constexpr std::string_view kErrorCaption = "Icon Configuration Error";

    explicit CWarmupDialog(CWarmupIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void OnUnitChanged();
    bool Refuse(const std::string& text) const;

    CWarmupIcon& warmup_;
    std::uint32_t value_ = 0;
    int unit_ = 1;
    std::uint32_t ticks_ = 0;
};

}  // namespace corvane
