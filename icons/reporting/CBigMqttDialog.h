#pragma once

#include "icons/reporting/CBigDataIconDialog.h"

#include <string>

namespace corvane {

class CBigMqttIcon;

// "MQTT Report": the MQTT icon's data tags, its session series name and
// whether the logger stays connected during the session. Changing the
// series name is confirmed when the name edit loses the focus (or on OK),
// since it starts a new data series in the cloud portal.
class CBigMqttDialog : public CBigDataIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 8;
    static constexpr std::string_view kSeriesChangeText =
        "Changing the series name starts a new data series in the cloud portal's data archive.\n\n"
        "Continue and start a new data series?";

    explicit CBigMqttDialog(CBigMqttIcon& icon, Window* parent = nullptr);

    // The series name confirmed so far (UTF-8).
    const std::string& CurrentSeries() const { return currentSeries_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    // Asks before a typed series name replaces the current one; false
    // when the user declined (the edit then shows the current name again).
    bool ConfirmSeriesChange();

    CBigMqttIcon& mqtt_;
    std::string currentSeries_;
    int remainConnected_ = 0;
};

}  // namespace corvane
