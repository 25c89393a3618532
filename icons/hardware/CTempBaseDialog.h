#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CTempBaseIcon;

// Chooses the cold-junction temperature's unit, Fahrenheit or Celsius; the
// unit word and the output's unit text are written together on OK.
class CTempBaseDialog : public CIconDialog {
public:
    static constexpr int kFahrenheitIndex = 0;
    static constexpr int kCelsiusIndex = 1;

    explicit CTempBaseDialog(CTempBaseIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CTempBaseIcon& temperature_;
    int unitIndex_ = kCelsiusIndex;
};

}  // namespace corvane
