#pragma once

#include "icons/hardware/CEngInputsIcon.h"

namespace corvane {

// A logger analog input placed as a high-level voltage input.
class CVHEngIcon : public CEngInputsIcon {
public:
    CVHEngIcon();
    CVHEngIcon(const Rect& position, int channel);
};

}  // namespace corvane
