#pragma once

#include "icons/hardware/CEngInputsIcon.h"

namespace corvane {

// A logger analog input placed as a current input.
class CACEngIcon : public CEngInputsIcon {
public:
    CACEngIcon();
    CACEngIcon(const Rect& position, int channel);
};

}  // namespace corvane
