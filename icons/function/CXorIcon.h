#pragma once

#include "icons/function/CLogicIcon.h"

namespace corvane {

// The exclusive OR gate: HIGH while its two inputs differ.
class CXorIcon final : public CLogicIcon {
public:
    CXorIcon();
    explicit CXorIcon(const Rect& position);

    std::string_view ClassName() const override { return "CXorIcon"; }
};

}  // namespace corvane
