#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>
#include <string>

namespace corvane {

class CGpdiIcon;

// Configures the general-purpose digital input: event, counter or
// frequency mode, its logic, debounce, pull-up and count options, and in
// frequency mode the minimum measurable frequency on a logarithmic slider
// (with the worst-case sampling delay it implies). Entering counter mode
// on a battery-powered net asks once whether the logger may stay awake.
// OK checks that the inputs the output feeds take its type; Cancel
// changes nothing.
class CGpdiDialog : public CIconDialog {
public:
    enum Mode { kEvent = 0, kCounter = 1, kFrequency = 2 };

    static constexpr int kSliderMinimum = 6505;   // about 4.00 Hz
    static constexpr int kSliderMaximum = 10000;  // 100 Hz
    static constexpr std::string_view kTypeMismatch = "This output type does not match what you are connected to.";
    static constexpr std::string_view kBatteryQuestion
        = "A GPDI in Counter mode requires the logger to remain active during a logging session, limiting battery "
          "life.\n\nAllow this icon in the program net?";

    explicit CGpdiDialog(CGpdiIcon& icon, Window* parent = nullptr);

    int Mode() const { return mode_; }
    float Frequency() const { return frequency_; }
    // "General Purpose Digital Input [GPDI]: <mode> Mode   ".
    const std::string& Title() const { return title_; }

    // The slider position of a frequency and the frequency of a position.
    static int SliderPositionOf(float frequency);
    static float FrequencyAt(int position);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void SelectMode(int mode);
    void ShowMode(int previous);
    bool ConfirmCounterMode();
    void ShowControl(int id, bool show);
    void SetUnitsText(std::string_view text);
    void ShowFrequency();
    void OnSliderMoved();

    CGpdiIcon& gpdi_;
    int mode_ = kEvent;
    int logic_ = 0;
    int debounce_ = 0;
    int pullUp_ = 0;
    int outputOnDisable_ = 0;
    int clearOnEnable_ = 0;
    int clearAfterOutput_ = 0;
    float frequency_ = 0.0F;
    bool batteryAccepted_ = false;
    std::string title_;
};

}  // namespace corvane
