#pragma once

#include "icons/function/CMaxMinAvgSumIcon.h"

namespace corvane {

// The statistics icon that outputs the sum of its input samples.
class CSumIcon : public CMaxMinAvgSumIcon {
public:
    CSumIcon() : CMaxMinAvgSumIcon(Kind::Sum) {}
    explicit CSumIcon(const Rect& position) : CMaxMinAvgSumIcon(position, Kind::Sum) {}

    std::string_view ClassName() const override { return "CSumIcon"; }
};

}  // namespace corvane
