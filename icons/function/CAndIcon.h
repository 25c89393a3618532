#pragma once

#include "icons/function/CLogicIcon.h"

namespace corvane {

// The AND gate: HIGH while all its inputs are HIGH; two inputs at first, growing up to 24.
class CAndIcon final : public CLogicIcon {
public:
    CAndIcon();
    explicit CAndIcon(const Rect& position);

    std::string_view ClassName() const override { return "CAndIcon"; }
};

}  // namespace corvane
