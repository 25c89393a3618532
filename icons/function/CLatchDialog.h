#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CLatchIcon;

// The clocked latch's dialog: the input's source and the state ("ON" or
// "OFF") the sentence ending "when clock pulses" names.
class CLatchDialog final : public CIconDialog {
public:
    explicit CLatchDialog(CLatchIcon& icon, Window* parent = nullptr);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CLatchIcon& latch_;
    int state_;  // 0 "ON", 1 "OFF"
};

}  // namespace corvane
