#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CVEXA2EventCountTTLIcon;

// Configures an event/counter channel of the digital I/O module: event
// input, counter input or (channels 16..23 only) discrete output, chosen
// with the mode radios or the picture buttons. OK checks that every input
// the output feeds takes the new mode's type before anything changes,
// drops the links the new mode cannot keep and rebuilds the channel word;
// Cancel changes nothing.
class CVEXA2EventCountTTLDialog : public CIconDialog {
public:
    enum Mode { kEvent = 0, kCounter = 1, kDiscreteOutput = 2 };

    static constexpr std::string_view kTypeMismatch = "This output type does not match what you are connected to.";

    explicit CVEXA2EventCountTTLDialog(CVEXA2EventCountTTLIcon& icon, Window* parent = nullptr);

    int Mode() const { return mode_; }
    const std::string& Title() const { return title_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void SelectMode(int mode);
    // Shows the controls of the current mode and sets units and title.
    void ShowMode(int previous);
    void ShowControl(int id, bool show);
    std::uint16_t BuildChannelWord() const;

    CVEXA2EventCountTTLIcon& channel_;
    int mode_ = kEvent;
    int openingMode_ = kEvent;
    int logic_ = 0;
    int debounce_ = 0;
    int outputOnDisable_ = 0;
    int clearOnEnable_ = 0;
    int clearAfterOutput_ = 0;
    std::string title_;
};

}  // namespace corvane
