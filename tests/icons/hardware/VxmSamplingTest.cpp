#include "icons/hardware/VxmSampling.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace corvane {
namespace vxm_sampling_test {
namespace {

TEST(VxmSampling, ResolutionTableByRangeAndSlider)
{
    constexpr std::array<std::array<int, 5>, 8> kExpected{{
        {16, 18, 18, 19, 20},
        {16, 17, 18, 19, 19},
        {16, 17, 17, 18, 19},
        {15, 16, 17, 18, 18},
        {15, 16, 16, 17, 17},
        {14, 15, 15, 16, 16},
        {13, 14, 14, 15, 15},
        {12, 13, 14, 14, 14},
    }};
    for (int range = 0; range < 8; ++range)
        for (int slider = 1; slider <= 5; ++slider)
            EXPECT_EQ(ResolutionBits(range, slider),
                kExpected[static_cast<std::size_t>(range)][static_cast<std::size_t>(slider - 1)])
                << range << " " << slider;
}

TEST(VxmSampling, ResolutionOutsideTheTableIsZero)
{
    for (const auto& [range, slider] : std::vector<std::pair<int, int>>{{-1, 3}, {8, 3}, {0, 0}, {0, 6}})
        EXPECT_EQ(ResolutionBits(range, slider), 0) << range << " " << slider;
}

TEST(VxmSampling, CodesGiveSliderSpeedAndWhetherTheSetupIsActive)
{
    struct Case {
        int code;
        int slider;
        int speed;
        bool active;
    };
    for (const Case& c : std::vector<Case>{{1, 1, 25, true}, {2, 2, 14, true}, {3, 3, 8, true}, {4, 4, 4, true},
             {5, 5, 2, true}, {6, 3, 8, false}, {0, 3, 8, false}, {7, 3, 8, false}}) {
        const VxmSampling s = SamplingForCode(c.code);
        EXPECT_EQ(s.slider, c.slider) << c.code;
        EXPECT_EQ(s.speed, c.speed) << c.code;
        EXPECT_EQ(s.active, c.active) << c.code;
    }
}

TEST(VxmSampling, SpeedShownGivesBackItsCode)
{
    for (const auto& [speed, code] :
        std::vector<std::pair<int, int>>{{25, 1}, {14, 2}, {8, 3}, {4, 4}, {2, 5}, {0, 3}, {13, 3}})
        EXPECT_EQ(SamplingCodeForSpeed(speed), code) << speed;
}

}  // namespace
}  // namespace vxm_sampling_test
}  // namespace corvane
