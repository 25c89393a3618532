#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string_view>

namespace corvane {

class CDelayIcon;

// Sets a delay icon's ON and OFF delays, each as a value and a unit.
// Choosing another unit keeps the number. OK refuses a delay whose ticks
// would not fit in 32 bits and, on a battery-powered net, asks once
// before millisecond timing is used.
class CDelayDialog : public CIconDialog {
public:
    static constexpr std::string_view kErrorCaption = "Icon Configuration Error";

    explicit CDelayDialog(CDelayIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    bool Refuse(const std::string& text) const;

    CDelayIcon& delay_;
    std::uint32_t onValue_ = 0;
    std::uint32_t offValue_ = 0;
    int onUnit_ = 1;
    int offUnit_ = 1;
    std::uint32_t onTicks_ = 0;
    std::uint32_t offTicks_ = 0;
    bool noticeAccepted_ = false;
};

}  // namespace corvane
