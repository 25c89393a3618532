#pragma once

#include "icons/function/CLogicIcon.h"

namespace corvane {

// The OR gate: HIGH while any of its inputs is HIGH; two inputs at first, growing up to 24.
class COrIcon final : public CLogicIcon {
public:
    COrIcon();
    explicit COrIcon(const Rect& position);

    std::string_view ClassName() const override { return "COrIcon"; }
};

}  // namespace corvane
