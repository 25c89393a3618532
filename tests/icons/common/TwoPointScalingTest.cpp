#include "icons/common/TwoPointScaling.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace corvane {
namespace two_point_scaling_test {
namespace {

using Status = LinearScaling::Status;

TEST(TwoPointScalingTest, ComputesScaleAndOffsetOrRefusesPointsThatDefineNoLine)
{
    struct Case {
        const char* what;
        ScalingPoints points;  // x1, x2, y1, y2
        Status status;
        float scale;
        float offset;
    };
    constexpr float kMax = std::numeric_limits<float>::max();
    const std::vector<Case> cases{
        {"4-20 mA to 0-100", {20.0F, 4.0F, 100.0F, 0.0F}, Status::Defined, 6.25F, -25.0F},
        {"identity", {1.0F, 0.0F, 1.0F, 0.0F}, Status::Defined, 1.0F, 0.0F},
        {"falling line", {10.0F, 0.0F, -5.0F, 5.0F}, Status::Defined, -1.0F, 5.0F},
        {"low point above high point", {0.0F, 10.0F, 0.0F, 50.0F}, Status::Defined, 5.0F, 0.0F},
        {"constant output", {5.0F, 1.0F, 3.0F, 3.0F}, Status::Defined, 0.0F, 3.0F},
        {"one point at -1.0 is a point", {-1.0F, 1.0F, -1.0F, 1.0F}, Status::Defined, 1.0F, 0.0F},
        {"all four at -1.0: undefined", {-1.0F, -1.0F, -1.0F, -1.0F}, Status::Undefined, 1.0F, 0.0F},
        {"equal signal levels", {4.0F, 4.0F, 100.0F, 0.0F}, Status::EqualSignals, 1.0F, 0.0F},
        {"equal signal levels at -1.0", {-1.0F, -1.0F, 100.0F, -1.0F}, Status::EqualSignals, 1.0F, 0.0F},
        {"equal zeros", {0.0F, 0.0F, 0.0F, 0.0F}, Status::EqualSignals, 1.0F, 0.0F},
        {"scale beyond a float", {1e-30F, 0.0F, kMax, -kMax}, Status::OutOfRange, 1.0F, 0.0F},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LinearScaling line = ComputeLinearScaling(c.points);
        EXPECT_EQ(line.status, c.status);
        EXPECT_EQ(line.IsDefined(), c.status == Status::Defined);
        EXPECT_FLOAT_EQ(line.scale, c.scale);
        EXPECT_FLOAT_EQ(line.offset, c.offset);
    }
}

TEST(TwoPointScalingTest, NewPointsAreUndefined)
{
    EXPECT_TRUE(ScalingPoints{}.IsUndefined());
    EXPECT_FALSE((ScalingPoints{-1.0F, -1.0F, -1.0F, 0.0F}.IsUndefined()));
}

}  // namespace
}  // namespace two_point_scaling_test
}  // namespace corvane
