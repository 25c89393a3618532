#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/common/ScalingEditor.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CEngInputsIcon;
class CNetDoc;

// Configures one of the logger's analog input channels: the range (or
// auto-ranging) of a voltage or current input, the type and temperature
// unit of a thermocouple, the AC noise rejection, the settling time, the
// sensor excitation time and, except for thermocouples, a two-point
// scaling with its own output units. A low-level voltage input and a
// thermocouple input can be switched into each other; current and
// high-level voltage inputs keep their kind.
//
// OK refuses an excitation time outside 0..990 ms, warns when the net also
// holds an Excitation icon (Cancel there sets the time to 0), and on a
// battery-powered net asks the one-time battery questions of the icon;
// then it writes the kind, the mode word, the excitation time and the
// scaling points. Cancel leaves the icon as it was.
class CEngInputsDialog : public CIconDialog {
public:
    static constexpr int kExcitationLimit = 990;
    static constexpr int kSettlingSteps = 16;
    static constexpr int kFirstLongSettling = 5;  // 200 %: the battery question's threshold
    // Temperature unit radio indexes.
    static constexpr int kFahrenheit = 0;
    static constexpr int kCelsius = 1;
    // Input type radio indexes.
    static constexpr int kThermocoupleChoice = 0;
    static constexpr int kLowVoltageChoice = 1;

    explicit CEngInputsDialog(CEngInputsIcon& icon, Window* parent = nullptr);

    // The help context of an input kind (the icon's picture id).
    static std::uint32_t HelpContextFor(int kind);
    // The scaling dialog while it is open, else null.
    Dialog* OpenChild() const { return scalingEditor_.OpenChild(); }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    // Switches between thermocouple (0) and low-level voltage (1); -1 takes
    // the choice from the radio buttons.
    void SelectInputKind(int choice);
    void OnTemperatureUnit();
    void OnAutoRange();
    void OnScaling();
    void EditScaling();
    // Shows, hides and labels the controls for the kind.
    void UpdateControls();
    void UpdateRangeTexts();
    void UpdateScalingText();
    // The units the output gets: the temperature unit, the scaling's own
    // units, or the kind's unit.
    std::string OutputUnits() const;
    void ShowUnits();
    // The excitation conflict's warning; Cancel there sets the time to 0.
    void ConfirmExcitation(CNetDoc& net);
    bool ConfirmBatteryUse(CNetDoc& net);
    std::uint16_t ComposeModeWord() const;
    bool Refuse(std::string_view text) const;

    CEngInputsIcon& input_;
    int kind_;
    int range_ = 0;
    int noise_ = 0;
    int excitation_ = 0;
    int temperatureUnit_ = kCelsius;
    int settling_ = 0;
    int inputChoice_ = -1;
    int scaling_ = 0;
    int autoRange_ = 0;
    ScalingEditor scalingEditor_;
    std::string scalingUnits_;
    std::uint16_t acceptedNotices_ = 0;
    std::uint16_t mode_ = 0;
};

}  // namespace corvane
