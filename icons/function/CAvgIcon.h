#pragma once

#include "icons/function/CMaxMinAvgSumIcon.h"

namespace corvane {

// The statistics icon that outputs the average of its input samples.
class CAvgIcon : public CMaxMinAvgSumIcon {
public:
    CAvgIcon() : CMaxMinAvgSumIcon(Kind::Average) {}
    explicit CAvgIcon(const Rect& position) : CMaxMinAvgSumIcon(position, Kind::Average) {}

    std::string_view ClassName() const override { return "CAvgIcon"; }
};

}  // namespace corvane
