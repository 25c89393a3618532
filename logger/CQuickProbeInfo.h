#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// One probe point of the probe-values list: what its descriptor says and
// the texts of its latest reading.
class CQuickProbeInfo {
public:
    virtual ~CQuickProbeInfo() = default;

    std::uint16_t IconId = 0;
    std::uint8_t Decimals = 0;
    std::uint8_t DataType = 0;  // 0 boolean, 1 integer, other real
    std::string TimeText;
    std::string ValueText;
    std::string Units;      // UTF-8
    std::string ProbeName;  // UTF-8
};

}  // namespace corvane
