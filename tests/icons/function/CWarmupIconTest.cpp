#include "icons/function/CWarmupIcon.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "icons/function/CStopIcon.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {
namespace c_warmup_icon_test {
namespace {

using test::kStatsDrop;
using test::kStatsX;
using test::kStatsY;
using test::Link;
using test::Place;
using test::RecordBytes;

class CWarmupIconTest : public test::StatsIconTest {};

TEST_F(CWarmupIconTest, PlacedRecordHasTwoLogicOutputsAndLoadsBackUnchanged)
{
    auto& warmup = Place<CWarmupIcon>(doc, kStatsDrop);
    EXPECT_EQ(warmup.BitmapId(), res::kBitmapWarmup);
    EXPECT_TRUE(warmup.TriggerInput().IsActive());
    EXPECT_EQ(warmup.Output(CWarmupIcon::kTriggerOutput).Kind(), connector_kind::kTriggerOutput);
    EXPECT_EQ(warmup.Output(CWarmupIcon::kLogicOutput).Kind(), connector_kind::kOutput);
    ExpectRecordRoundTrip(warmup,
        RecordBytes()
            .Header(100, warmup.UniqueId(), 266, kStatsX, kStatsY, 0, 2, "Warmup")
            .U32(2000)
            .Output(0)
            .Output(0)
            .Bytes());

    warmup.SetDelay(0xFFFFFFFF);
    warmup.SetUnitsText("5ms ticks");
    ExpectRecordRoundTrip(warmup,
        RecordBytes()
            .Header(100, warmup.UniqueId(), 266, kStatsX, kStatsY, 0, 2, "Warmup")
            .U32(0xFFFFFFFF)
            .Output(0)
            .Text("5ms tick")
            .Zeros(4)
            .Bytes());
}

TEST_F(CWarmupIconTest, NeedsItsTriggerAndAnOutput)
{
    namespace mc = missing_connection;
    auto& warmup = Place<CWarmupIcon>(doc, kStatsDrop);
    EXPECT_EQ(Check(warmup), mc::kIsolated);
    Link(Place<CConstIcon>(doc, kStatsDrop, res::kBitmapRemoteSwitch), 0, warmup, kTriggerSlot);
    EXPECT_EQ(Check(warmup), mc::kTriggerOutput);
    Link(warmup, CWarmupIcon::kLogicOutput, Place<CStopIcon>(doc, kStatsDrop), 0);
    EXPECT_EQ(Check(warmup), 0);
}

TEST_F(CWarmupIconTest, WarmupsAreNumberedEarlyShortestDelayFirst)
{
    PlaceProgram(doc);
    auto& clock = Place<CSampleRateClockIcon>(doc, kStatsDrop);
    auto& stop = Place<CStopIcon>(doc, kStatsDrop);
    auto& slow = Place<CWarmupIcon>(doc, kStatsDrop);
    auto& fast = Place<CWarmupIcon>(doc, kStatsDrop);
    slow.SetDelay(6000);
    fast.SetDelay(200);
    EXPECT_EQ(fast.ExecutionPriority(), 200);
    for (CWarmupIcon* warmup : {&slow, &fast}) {
        Link(clock, 0, *warmup, kTriggerSlot);
        Link(*warmup, CWarmupIcon::kLogicOutput, stop, 0);
    }
    Link(slow, CWarmupIcon::kTriggerOutput, stop, kEnableSlot);

    std::vector<std::string> messages;
    EXPECT_TRUE(doc.CompileNet(messages, Folder() / "net.quv", CompileMode::ConvertAnyway));
    EXPECT_TRUE(messages.empty()) << messages.front();
    const auto& order = doc.OrderedList();
    const auto at
        = [&](const CCorvaneIcon& icon) { return std::find(order.begin(), order.end(), &icon) - order.begin(); };
    EXPECT_LT(at(clock), at(fast));
    EXPECT_LT(at(fast), at(slow));
    EXPECT_LT(at(slow), at(stop));
}

}  // namespace
}  // namespace c_warmup_icon_test
}  // namespace corvane
