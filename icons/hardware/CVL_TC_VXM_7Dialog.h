#pragma once

#include "icons/hardware/CVxmAnalogDialog.h"

namespace corvane {

// Configures a 7-channel analog module's low-level voltage or thermocouple
// channel; the user can switch between the two kinds. Voltage offers eight
// ranges, excitation and scaling with its own units; a thermocouple offers
// types J, K, E, T, R, S and N in Celsius or Fahrenheit over the full or the
// limited range (S has no limited range). Both have the sampling setup and
// the extended settling/excitation time. A default name follows the kind; a
// name the user typed stays. Kind, picture, mode word and points reach the
// icon on OK only.
class CVL_TC_VXM_7Dialog : public CVxmAnalogDialog {
public:
    // Radio indexes.
    static constexpr int kThermocoupleChoice = 0;
    static constexpr int kVoltageChoice = 1;
    static constexpr int kCelsius = 0;
    static constexpr int kFahrenheit = 1;
    static constexpr int kFullRange = 0;
    static constexpr int kLimitedRange = 1;
    static constexpr int kTypeS = 5;
    static constexpr int kSettlingSteps = 16;

    explicit CVL_TC_VXM_7Dialog(CVXM_7inputsIcon& icon, Window* parent = nullptr);

    // The picture (kind) the dialog shows; the icon takes it on OK.
    int Kind() const { return kind_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    std::uint16_t ComposeModeWord() const override;
    bool ScalingOffered() const override { return !Thermocouple(); }
    void OnRangeChosen() override;
    void ApplyToIcon() override;

private:
    bool Thermocouple() const { return inputChoice_ == kThermocoupleChoice; }
    // Switches between thermocouple (0) and voltage (1); -1 takes the
    // choice from the radio buttons.
    void SelectInputKind(int choice);
    void OnRangeKindChanged();
    void UpdateControls();
    void UpdateRangeTexts();
    void UpdateName();
    void RefreshFullLimited();
    void ShowUnits();

    int kind_;
    int inputChoice_ = kVoltageChoice;
    int temperatureUnit_ = kCelsius;
    int rangeLimit_ = kFullRange;
    int settling_ = 0;
};

}  // namespace corvane
