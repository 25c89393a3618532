#pragma once

#include "icons/common/CIconDialog.h"

#include <string>

namespace corvane {

class CComparatorIcon;

// The comparator's dialog: the "+ In" and "- In" sources with a button
// that swaps the two inputs' links (made on OK), the condition, and the
// optional hysteresis with its amount.
class CComparatorDialog final : public CIconDialog {
public:
    explicit CComparatorDialog(CComparatorIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    void OnHysteresisClicked();
    void OnSwapClicked();
    void ShowConditions();

    CComparatorIcon& comparator_;
    int hysteresis_;
    float amount_;
    bool swapped_ = false;
    std::string plus_;
    std::string minus_;
};

}  // namespace corvane
