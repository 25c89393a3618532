#pragma once

#include "icons/hardware/CEngInputsIcon.h"

namespace corvane {

// A logger analog input placed as a thermocouple (Celsius) input.
class CTCEngIcon : public CEngInputsIcon {
public:
    CTCEngIcon();
    CTCEngIcon(const Rect& position, int channel);

    std::string_view ClassName() const override { return "CTCEngIcon"; }
};

}  // namespace corvane
