#pragma once

#include "icons/hardware/CVxmAnalogDialog.h"

namespace corvane {

// Configures a 7-channel analog module's current channel: one of eight
// ranges from "+/- 22 mAdc" down, the sampling setup, excitation and
// scaling. The settling-multiplier controls stay disabled and store nothing.
class CACVXM_7Dialog : public CVxmAnalogDialog {
public:
    explicit CACVXM_7Dialog(CVXM_7inputsIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    std::uint16_t ComposeModeWord() const override;
};

}  // namespace corvane
