#pragma once

#include "icons/hardware/CVXM_7inputsIcon.h"

namespace corvane {

// A 7-channel analog module's channel as a thermocouple input, as placed after a hardware query.
class CTCVXM_7Icon : public CVXM_7inputsIcon {
public:
    CTCVXM_7Icon(const Rect& position, int address, int channel);
};

}  // namespace corvane
