#include "icons/function/CFilterIcon.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CStopIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_filter_icon_test {
namespace {

using test::kStatsDrop;
using test::kStatsX;
using test::kStatsY;
using test::Link;
using test::Place;
using test::RecordBytes;

class CFilterIconTest : public test::StatsIconTest {};

TEST_F(CFilterIconTest, PlacedAndLowPassRecordsLoadBackUnchanged)
{
    auto& filter = Place<CFilterIcon>(doc, kStatsDrop);
    EXPECT_EQ(filter.BitmapId(), res::kBitmapFilter);
    const auto record = [&](std::uint16_t mode, std::uint8_t value, std::uint8_t reserved) {
        return RecordBytes()
            .Header(96, filter.UniqueId(), 274, kStatsX, kStatsY, 1, 1, "Filter")
            .U16(mode)
            .U8(value)
            .U8(reserved)
            .Link(2)
            .Output(2)
            .Bytes();
    };
    ExpectRecordRoundTrip(filter, record(0, 10, 0));
    filter.SetFilter(true, 99);
    ExpectRecordRoundTrip(filter, record(0x8000, 99, 0));

    // The reserved byte is kept as stored.
    const auto stored = record(0x8000, 40, 0x5A);
    const auto loaded = Load(stored);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(Saved(*loaded), stored);
}

TEST_F(CFilterIconTest, NeedsItsInputAndOutput)
{
    namespace mc = missing_connection;
    auto& filter = Place<CFilterIcon>(doc, kStatsDrop);
    EXPECT_EQ(Check(filter), mc::kIsolated);
    Link(Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant), 0, filter, 0);
    EXPECT_EQ(Check(filter), mc::kDataOutput);
    auto& sink = Place<CStopIcon>(doc, kStatsDrop);
    auto& other = Place<CFilterIcon>(doc, kStatsDrop);
    Link(other, 0, sink, 0);
    EXPECT_EQ(Check(other), mc::kDataInput);
}

}  // namespace
}  // namespace c_filter_icon_test
}  // namespace corvane
