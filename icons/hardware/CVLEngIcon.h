#pragma once

#include "icons/hardware/CEngInputsIcon.h"

namespace corvane {

// A logger analog input placed as a low-level voltage input.
class CVLEngIcon : public CEngInputsIcon {
public:
    CVLEngIcon();
    CVLEngIcon(const Rect& position, int channel);
};

}  // namespace corvane
