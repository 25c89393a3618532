#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CDCintIcon;

// The duty cycle's dialog: which state is measured (HIGH or LOW) and
// whether the portion is output as a percentage (the output is then
// labelled "%") or as a fraction of 1.
class CDutyCycleDialog final : public CIconDialog {
public:
    explicit CDutyCycleDialog(CDCintIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    void ShowState(bool low);

    CDCintIcon& duty_;
    int state_;   // 0 HIGH, 1 LOW
    int format_;  // 0 percent, 1 decimal
};

}  // namespace corvane
