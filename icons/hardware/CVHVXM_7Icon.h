#pragma once

#include "icons/hardware/CVXM_7inputsIcon.h"

namespace corvane {

// A 7-channel analog module's channel as a high-voltage input, as placed after a hardware query.
class CVHVXM_7Icon : public CVXM_7inputsIcon {
public:
    CVHVXM_7Icon(const Rect& position, int address, int channel);
};

}  // namespace corvane
