#pragma once

#include "icons/function/CLogicIcon.h"

namespace corvane {

// The inverter: HIGH while its single input is LOW.
class CNotIcon final : public CLogicIcon {
public:
    CNotIcon();
    explicit CNotIcon(const Rect& position);

    std::string_view ClassName() const override { return "CNotIcon"; }
};

}  // namespace corvane
