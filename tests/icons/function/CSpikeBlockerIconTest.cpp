#include "icons/function/CSpikeBlockerIcon.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CStopIcon.h"
#include "res/ResourceIds.h"

#include <bit>

namespace corvane {
namespace c_spike_blocker_icon_test {
namespace {

using test::kStatsDrop;
using test::kStatsX;
using test::kStatsY;
using test::Link;
using test::Place;
using test::RecordBytes;

class CSpikeBlockerIconTest : public test::StatsIconTest {};

TEST_F(CSpikeBlockerIconTest, PlacedAndConfiguredRecordsLoadBackUnchanged)
{
    auto& spike = Place<CSpikeBlockerIcon>(doc, kStatsDrop);
    EXPECT_EQ(spike.BitmapId(), res::kBitmapTransientFilter);
    const auto record = [&](std::uint16_t count, float magnitude) {
        return RecordBytes()
            .Header(98, spike.UniqueId(), 276, kStatsX, kStatsY, 1, 1, "Transient Filter")
            .U16(count)
            .U32(std::bit_cast<std::uint32_t>(magnitude))
            .Link(2)
            .Output(2)
            .Bytes();
    };
    ExpectRecordRoundTrip(spike, record(3, 10.0F));
    spike.SetStepCount(999);
    spike.SetMagnitude(0.125F);
    ExpectRecordRoundTrip(spike, record(999, 0.125F));
}

TEST_F(CSpikeBlockerIconTest, NeedsItsInputAndOutput)
{
    namespace mc = missing_connection;
    auto& spike = Place<CSpikeBlockerIcon>(doc, kStatsDrop);
    EXPECT_EQ(Check(spike), mc::kIsolated);
    Link(Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant), 0, spike, 0);
    EXPECT_EQ(Check(spike), mc::kDataOutput);
    Link(spike, 0, Place<CStopIcon>(doc, kStatsDrop), 0);
    EXPECT_EQ(Check(spike), 0);
}

}  // namespace
}  // namespace c_spike_blocker_icon_test
}  // namespace corvane
