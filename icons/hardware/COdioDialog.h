#pragma once

#include "icons/common/CIconDialog.h"
#include "netmodel/IconWarnings.h"

#include <cstdint>
#include <string>

namespace corvane {

class COdioIcon;

// Configures the logger's digital I/O line: event input, counter input or
// switched (open-drain) output, chosen with the mode radios or the picture
// buttons; a relay-kind line (the logger's second relay) keeps its kind and
// offers only the relay's logic and its state while the logger is stopped.
// Entering counter mode on a battery-powered net asks once whether the
// logger may stay awake. OK checks that the inputs the output feeds take
// its type, drops the links the new mode cannot keep and rebuilds the mode
// word; Cancel changes nothing.
class COdioDialog : public CIconDialog {
public:
    enum Mode { kEvent = 0, kCounter = 1, kSwitchedOutput = 2, kRelay = 3 };
    enum RelayState { kRetain = 0, kClose = 1, kOpen = 2 };

    static constexpr std::string_view kTypeMismatch = "This output type does not match what you are connected to.";
    static constexpr std::string_view kBatteryQuestion = icon_warning::kDioCounter;

    explicit COdioDialog(COdioIcon& icon, Window* parent = nullptr);

    int Mode() const { return mode_; }
    // "Digital I/O: " and the mode's text.
    const std::string& Title() const { return title_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void SelectMode(int mode);
    // Shows the controls of the current mode; entering counter mode from
    // another asks the battery question first, and a refusal goes back.
    void ShowMode(int previous);
    bool ConfirmCounterMode();
    void CheckModeRadio();
    void ShowControl(int id, bool show);
    void SetUnitsText(std::string_view text);
    std::uint16_t BuildModeWord() const;

    COdioIcon& odio_;
    int mode_ = kEvent;
    int openingMode_ = kEvent;
    int logic_ = 0;
    int relayState_ = kOpen;
    int outputOnDisable_ = 0;
    int clearOnEnable_ = 0;
    int clearAfterOutput_ = 0;
    int pullUp_ = 0;
    bool batteryAccepted_ = false;
    std::string title_;
};

}  // namespace corvane
