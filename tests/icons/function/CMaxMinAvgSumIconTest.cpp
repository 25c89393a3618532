#include "icons/function/CMaxMinAvgSumIcon.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CAvgIcon.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CMinMaxIcon.h"
#include "icons/function/CStopIcon.h"
#include "icons/function/CSumIcon.h"
#include "netmodel/NetDrawing.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_max_min_avg_sum_icon_test {
namespace {

using test::kStatsDrop;
using test::kStatsX;
using test::kStatsY;
using test::Link;
using test::Place;
using test::RecordBytes;

class CMaxMinAvgSumIconTest : public test::StatsIconTest {
protected:
    CMaxMinAvgSumIcon& PlaceKind(CMaxMinAvgSumIcon::Kind kind)
    {
        switch (kind) {
        case CMaxMinAvgSumIcon::Kind::Sum: return Place<CSumIcon>(doc, kStatsDrop);
        case CMaxMinAvgSumIcon::Kind::Average: return Place<CAvgIcon>(doc, kStatsDrop);
        case CMaxMinAvgSumIcon::Kind::MinMax: break;
        }
        return Place<CMinMaxIcon>(doc, kStatsDrop);
    }
};

TEST_F(CMaxMinAvgSumIconTest, PlacedIconsWriteTheirRecordAndLoadItBackUnchanged)
{
    struct Case {
        CMaxMinAvgSumIcon::Kind kind;
        std::string_view name;
        std::uint16_t options;
        int outputs;
        int bitmap;
        std::uint32_t help;
    };
    const std::vector<Case> cases{
        {CMaxMinAvgSumIcon::Kind::MinMax, "Min/Max", 0x6007, 4, res::kBitmapMinMax, 661},
        {CMaxMinAvgSumIcon::Kind::Sum, "Sum", 0x1007, 3, res::kBitmapSummation, 791},
        {CMaxMinAvgSumIcon::Kind::Average, "Avg", 0x8007, 3, res::kBitmapAverage, 761},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name));
        CMaxMinAvgSumIcon& icon = PlaceKind(c.kind);
        EXPECT_EQ(icon.BitmapId(), c.bitmap);
        EXPECT_EQ(icon.Caption(), c.name);
        EXPECT_EQ(icon.HelpContext(), c.help);
        EXPECT_FALSE(icon.TriggerInput().IsActive()) << "a count of 10 needs no trigger";
        const auto length = static_cast<std::uint16_t>(76 + 8 + 12 * c.outputs);
        RecordBytes expected;
        expected.Header(length, icon.UniqueId(), 258, kStatsX, kStatsY, 1, static_cast<std::uint8_t>(c.outputs), c.name)
            .U16(c.options)
            .U16(10)
            .Link(2);
        for (int i = 0; i < c.outputs; ++i)
            expected.Output(2);
        ExpectRecordRoundTrip(icon, expected.Bytes());
    }
}

TEST_F(CMaxMinAvgSumIconTest, KindComesFromTheFirstMatchingBitsOfTheOptionWord)
{
    struct Case {
        std::uint16_t options;
        std::string_view className;
        int outputs;
    };
    const std::vector<Case> cases{
        {0x7000, "CMinMaxIcon", 4},
        {0x2001, "CMinMaxIcon", 4},
        {0x9000, "CSumIcon", 3},
        {0x8008, "CAvgIcon", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        RecordBytes record;
        record
            .Header(static_cast<std::uint16_t>(84 + 12 * c.outputs), 9, 258, 0, 0, 1,
                static_cast<std::uint8_t>(c.outputs), "S")
            .U16(c.options)
            .U16(5)
            .Link(2);
        for (int i = 0; i < c.outputs; ++i)
            record.Output(2);
        const auto loaded = Load(record.Bytes());
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->ClassName(), c.className);
        EXPECT_EQ(dynamic_cast<CMaxMinAvgSumIcon&>(*loaded).OptionWord(), c.options) << "kept as stored";
        EXPECT_EQ(Saved(*loaded), record.Bytes());
    }
}

TEST_F(CMaxMinAvgSumIconTest, RecordWithoutKindBitsIsRefused)
{
    const auto record = RecordBytes()
                            .Header(120, 9, 258, 0, 0, 1, 3, "S")
                            .U16(0x0007)
                            .U16(5)
                            .Link(2)
                            .Output(2)
                            .Output(2)
                            .Output(2)
                            .Bytes();
    EXPECT_EQ(Load(record), nullptr);
    ASSERT_FALSE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().messageBoxes.back().text, "Undefined Min/Max/Avg icon type");
}

TEST_F(CMaxMinAvgSumIconTest, SampleCountZeroMakesTheTriggerInputWhichIsThenRequired)
{
    namespace mc = missing_connection;
    auto& sum = Place<CSumIcon>(doc, kStatsDrop);
    auto& source = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant);
    auto& pulse = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapRemoteSwitch);
    auto& sink = Place<CStopIcon>(doc, kStatsDrop);
    EXPECT_EQ(Check(sum), mc::kIsolated);
    Link(source, 0, sum, 0);
    Link(sum, 0, sink, 0);
    EXPECT_EQ(Check(sum), 0);

    sum.SetSampleCount(0);
    EXPECT_TRUE(sum.TriggerInput().IsActive());
    EXPECT_EQ(Check(sum), mc::kTriggerInput);
    Link(pulse, 0, sum, kTriggerSlot);
    EXPECT_EQ(Check(sum), 0);
    const auto loaded = Load(Saved(sum));
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->TriggerInput().IsActive());
    EXPECT_EQ(loaded->Header().trigger.sourceId, pulse.UniqueId());

    sum.SetSampleCount(20);
    EXPECT_FALSE(sum.TriggerInput().IsActive());
    EXPECT_FALSE(sum.Header().trigger.IsConnected()) << "the trigger's link goes with it";
    const auto reloaded = Load(Saved(sum));
    ASSERT_NE(reloaded, nullptr);
    EXPECT_FALSE(reloaded->TriggerInput().IsActive());
}

TEST_F(CMaxMinAvgSumIconTest, OnlyTheOfferedOutputsTakeLinks)
{
    struct Case {
        CMaxMinAvgSumIcon::Kind kind;
        int offered;
    };
    for (const Case c : {Case{CMaxMinAvgSumIcon::Kind::MinMax, 2}, Case{CMaxMinAvgSumIcon::Kind::Sum, 1}}) {
        CMaxMinAvgSumIcon& icon = PlaceKind(c.kind);
        auto& sink = Place<CStopIcon>(doc, kStatsDrop);
        EXPECT_EQ(icon.OfferedOutputs(), c.offered);
        for (int i = 0; i < icon.OutputCount(); ++i) {
            SCOPED_TRACE(i);
            const Point centre = icon.Output(i).HotRect().Centre();
            // Beyond the right edge the nearest offered output is taken.
            const int beyond
                = icon.HitTestConnect({icon.Position().right + 2, centre.y}, nullptr, &sink.Input(0), &sink);
            EXPECT_EQ(beyond, connector_hit::kOutput);
            const CConnector* picked = icon.DraggedConnector();
            bool offered = false;
            for (int o = 0; o < c.offered; ++o)
                offered = offered || picked == &icon.Output(o);
            EXPECT_TRUE(offered);
        }
        EXPECT_EQ(icon.HitTestConnect(icon.Output(0).HotRect().Centre(), nullptr, &sink.Input(0), &icon), 0)
            << "never to itself";
    }
}

}  // namespace
}  // namespace c_max_min_avg_sum_icon_test
}  // namespace corvane
