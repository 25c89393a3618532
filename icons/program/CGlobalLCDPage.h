#pragma once

#include "platform/PropertyPage.h"

#include <cstdint>
#include <string>

namespace corvane {

class CGlobalIcon;

// The Front Panel / LCD page of the Program icon's sheet: the front-panel
// functions, auto-sequencing and its update rate (2 to 60 seconds), and the
// LCD marker texts, which it carries through sorted and without gaps.
class CGlobalLCDPage : public PropertyPage {
public:
    static constexpr std::uint32_t kMinimumRate = 2;
    static constexpr std::uint32_t kMaximumRate = 60;
    static constexpr std::string_view kLeaveRateName = "Message auto-sequence Update Rate";
    static constexpr std::string_view kOkRateName = "Update Rate";

    CGlobalLCDPage();

    void BindRecord(CGlobalIcon& icon);
    // The checks at OK: reads the controls and refuses an update rate out
    // of range (with the range message). Nothing is written.
    bool Validate();
    // Writes the rate, the option bits and the markers into the icon (OK).
    void WriteRecord();

protected:
    bool OnSetActive() override;
    bool OnKillActive() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    void UpdateSystemMessagesCheck();

    CGlobalIcon* icon_ = nullptr;
    bool bound_ = false;
    bool left_ = true;
    std::uint32_t updateRate_ = 2;
    int allowOverride_ = 1;
    int allowErasure_ = 1;
    int sdFormatting_ = 1;
    int probePoints_ = 0;
    int activeMessages_ = 0;
    int systemMessages_ = 0;
    int lockout_ = 0;
};

}  // namespace corvane
