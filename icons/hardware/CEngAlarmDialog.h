#pragma once

#include "icons/common/CIconDialog.h"
#include "netmodel/IconWarnings.h"

#include <array>
#include <string_view>

namespace corvane {

class CEngAlarmIcon;

// Chooses the audible alarm's sound. Chirping keeps the logger awake, so
// in a battery-powered net choosing it asks once per icon before OK.
class CEngAlarmDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 1611;
    static constexpr std::array<std::string_view, 3> kSoundTexts{
        "Sound when input HI", "Beep when input HI", "Chirp when input HI"};
    static constexpr std::string_view kChirpNotice = icon_warning::kChirpMode;

    explicit CEngAlarmDialog(CEngAlarmIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    CEngAlarmIcon& alarm_;
    int sound_ = 0;
    bool chirpAccepted_ = false;
};

}  // namespace corvane
