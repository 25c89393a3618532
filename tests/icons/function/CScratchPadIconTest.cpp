#include "icons/function/CScratchPadIcon.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CStopIcon.h"
#include "res/ResourceIds.h"

#include <bit>

namespace corvane {
namespace c_scratch_pad_icon_test {
namespace {

using test::kStatsDrop;
using test::kStatsX;
using test::kStatsY;
using test::Link;
using test::Place;
using test::RecordBytes;

class CScratchPadIconTest : public test::StatsIconTest {};

TEST_F(CScratchPadIconTest, PlacedAndConfiguredRecordsLoadBackUnchanged)
{
    auto& pad = Place<CScratchPadIcon>(doc, kStatsDrop);
    EXPECT_EQ(pad.BitmapId(), res::kBitmapScratchpad);
    EXPECT_FALSE(pad.TriggerInput().IsActive()) << "a new icon writes";
    const auto record = [&](std::uint8_t flags, std::uint8_t reg, float value) {
        return RecordBytes()
            .Header(114, pad.UniqueId(), 277, kStatsX, kStatsY, 3, 1, "Scratchpad")
            .U8(flags)
            .U8(reg)
            .U32(std::bit_cast<std::uint32_t>(value))
            .Link(2)
            .Link(2)
            .Link(2)
            .Output(2)
            .Bytes();
    };
    ExpectRecordRoundTrip(pad, record(0, 0, 0.0F));

    pad.SetRegister(15);
    pad.SetInitialValue(-2.5F);
    pad.SetFlags(CScratchPadIcon::kReadMode | CScratchPadIcon::kRetain);
    EXPECT_TRUE(pad.TriggerInput().IsActive());
    ExpectRecordRoundTrip(pad, record(0xC0, 15, -2.5F));
}

TEST_F(CScratchPadIconTest, ChangingTheModeRemovesTheLinksOfTheHiddenConnectors)
{
    auto& pad = Place<CScratchPadIcon>(doc, kStatsDrop);
    auto& value = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant);
    auto& pulse = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapRemoteSwitch);
    auto& sink = Place<CStopIcon>(doc, kStatsDrop);
    for (int i = 0; i < 3; ++i)
        Link(value, 0, pad, i);

    pad.SetFlags(CScratchPadIcon::kReadMode);
    for (const InputLink& link : pad.GetInputLinks())
        EXPECT_FALSE(link.IsConnected());
    EXPECT_TRUE(pad.TriggerInput().IsActive());
    Link(pulse, 0, pad, kTriggerSlot);
    Link(pad, 0, sink, 0);

    pad.SetFlags(0);
    EXPECT_FALSE(pad.TriggerInput().IsActive());
    EXPECT_FALSE(pad.Header().trigger.IsConnected());
    EXPECT_FALSE(sink.GetInputLinks()[0].IsConnected()) << "the output is hidden in write mode";
}

TEST_F(CScratchPadIconTest, ConnectionCheckNeverComplains)
{
    auto& pad = Place<CScratchPadIcon>(doc, kStatsDrop);
    EXPECT_EQ(Check(pad), 0);
    pad.SetFlags(CScratchPadIcon::kReadMode);
    EXPECT_EQ(Check(pad), 0);
}

TEST_F(CScratchPadIconTest, HiddenConnectorsTakeNoNewLinks)
{
    auto& pad = Place<CScratchPadIcon>(doc, kStatsDrop);
    auto& source = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant);
    auto& sink = Place<CStopIcon>(doc, kStatsDrop);
    const Point leftOfInput1{pad.Position().left - 2, pad.Input(1).HotRect().Centre().y};
    EXPECT_EQ(pad.HitTestConnect(leftOfInput1, nullptr, &source.Output(0), &source), connector_hit::kInput);
    EXPECT_EQ(pad.DraggedConnector(), &pad.Input(1));
    EXPECT_EQ(pad.HitTestConnect(pad.Output(0).HotRect().Centre(), nullptr, &sink.Input(0), &sink), 0);

    pad.SetFlags(CScratchPadIcon::kReadMode);
    EXPECT_EQ(pad.HitTestConnect(pad.Input(1).HotRect().Centre(), nullptr, &source.Output(0), &source), 0);
    EXPECT_EQ(
        pad.HitTestConnect(pad.Output(0).HotRect().Centre(), nullptr, &sink.Input(0), &sink), connector_hit::kOutput);
}

}  // namespace
}  // namespace c_scratch_pad_icon_test
}  // namespace corvane
