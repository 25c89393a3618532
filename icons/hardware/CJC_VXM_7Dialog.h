#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CVXM_7inputsIcon;

// Chooses the temperature unit of a 7-channel analog module's cold
// junction. The dialog shows the module's bus address; OK writes the mode
// word (0x29 Celsius, 0x2A Fahrenheit) and the output's unit text together.
class CJC_VXM_7Dialog : public CIconDialog {
public:
    static constexpr int kCelsiusIndex = 0;
    static constexpr int kFahrenheitIndex = 1;

    explicit CJC_VXM_7Dialog(CVXM_7inputsIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    void OnUnit();
    void ShowUnits();

    CVXM_7inputsIcon& junction_;
    int unitIndex_ = kCelsiusIndex;
};

}  // namespace corvane
