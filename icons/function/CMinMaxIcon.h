#pragma once

#include "icons/function/CMaxMinAvgSumIcon.h"

namespace corvane {

// The statistics icon that outputs the minimum and maximum of its input.
class CMinMaxIcon : public CMaxMinAvgSumIcon {
public:
    CMinMaxIcon() : CMaxMinAvgSumIcon(Kind::MinMax) {}
    explicit CMinMaxIcon(const Rect& position) : CMaxMinAvgSumIcon(position, Kind::MinMax) {}

    std::string_view ClassName() const override { return "CMinMaxIcon"; }
};

}  // namespace corvane
