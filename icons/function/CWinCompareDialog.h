#pragma once

#include "icons/common/CIconDialog.h"

#include <string>

namespace corvane {

class CComparatorIcon;

// The window comparator's dialog: the three sources (high threshold,
// signal, low threshold), the output's state between the thresholds, the
// optional hysteresis with its amount, and a description of the result.
class CWinCompareDialog final : public CIconDialog {
public:
    explicit CWinCompareDialog(CComparatorIcon& icon, Window* parent = nullptr);

    // The description for the choices and input names.
    static std::string Describe(bool low, bool hysteresis, const std::string& high, const std::string& signal,
        const std::string& lowThreshold);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    void OnHysteresisClicked();
    void ShowDescription();

    CComparatorIcon& comparator_;
    int state_;  // 0 "HIGH", 1 "LOW"
    int hysteresis_;
    float amount_;
};

}  // namespace corvane
