#pragma once

#include "icons/hardware/CVXM_7inputsIcon.h"

namespace corvane {

// A 7-channel analog module's cold-junction temperature sensor, as placed after a hardware query.
class CJC_VXM_7Icon : public CVXM_7inputsIcon {
public:
    // The cold junction has no channel letter; its channel byte is 0xFF.
    CJC_VXM_7Icon(const Rect& position, int address);
};

}  // namespace corvane
