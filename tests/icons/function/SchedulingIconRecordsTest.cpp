#include "CatalogueRowCheck.h"
#include "MiscIconTestSupport.h"

#include "icons/common/FunctionIconCatalogue.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CDelayIcon.h"
#include "icons/function/COneShotIcon.h"
#include "icons/function/CPeriodicOutputIcon.h"
#include "icons/function/CSSClockIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "icons/function/CSchedIcon.h"
#include "icons/function/CStopIcon.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace scheduling_icon_records_test {
namespace {

using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};
constexpr auto kNow = static_cast<std::uint32_t>(ManualClock::kDefaultCalendarSeconds);

struct PlacedCase {
    std::string_view className;
    std::function<CCorvaneIcon&(CNetDoc&)> place;
    std::function<std::vector<std::uint8_t>(std::uint16_t id)> expected;
    int bitmapId;
};

std::vector<PlacedCase> PlacedCases()
{
    using test::Place;
    return {
        {"CSchedIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CSchedIcon>(d, kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(104, id, 272, kX, kY, 0, 1, "Sched")
                    .U32(0)
                    .U32(0)
                    .U32(10)
                    .U32(0)
                    .U8(2)
                    .U8(0x02)
                    .U16(0x0001)
                    .Output(0)
                    .Bytes();
            },
            res::kBitmapScheduler},
        {"CSSClockIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CSSClockIcon>(d, kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(94, id, 3, kX, kY, 0, 1, "SSClock")
                    .U16(0x8000)
                    .U32(kNow)
                    .U32(kNow)
                    .Output(0)
                    .Bytes();
            },
            res::kBitmapStartStopClock},
        {"CPeriodicOutputIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CPeriodicOutputIcon>(d, kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(100, id, 268, kX, kY, 0, 1, "POI")
                    .U16(0)
                    .U32(200)
                    .U32(200)
                    .U32(200)
                    .U16(0)
                    .Output(0)
                    .Bytes();
            },
            res::kBitmapPeriodicOutput},
        {"COneShotIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<COneShotIcon>(d, kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(104, id, 278, kX, kY, 1, 1, "One Shot")
                    .U16(0x0004)
                    .U16(0)
                    .U32(0)
                    .U32(400)
                    .Link(0)
                    .Output(0)
                    .Bytes();
            },
            res::kBitmapOneShot},
        {"CDelayIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CDelayIcon>(d, kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(100, id, 264, kX, kY, 1, 1, "Delay")
                    .U32(2000)
                    .U32(2000)
                    .Link(0)
                    .Output(0)
                    .Bytes();
            },
            res::kBitmapDelay},
    };
}

class SchedulingIconRecords : public test::FunctionIconNetTest {};

TEST_F(SchedulingIconRecords, PlacedIconsWriteTheirRecordAndLoadItBackUnchanged)
{
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.className));
        CCorvaneIcon& icon = c.place(doc);
        ASSERT_NE(icon.UniqueId(), 0);
        EXPECT_EQ(icon.ClassName(), c.className);
        EXPECT_EQ(icon.BitmapId(), c.bitmapId);
        const std::vector<std::uint8_t> saved = Saved(icon);
        EXPECT_EQ(saved, c.expected(icon.UniqueId()));

        const std::unique_ptr<CCorvaneIcon> loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->ClassName(), c.className);
        EXPECT_EQ(loaded->BitmapId(), c.bitmapId);
        EXPECT_EQ(loaded->Caption(), icon.Caption());
        EXPECT_EQ(Saved(*loaded), saved);
        EXPECT_TRUE(loaded->EnableInput().IsActive());
        EXPECT_EQ(loaded->TotalInputs(), icon.TotalInputs());
        EXPECT_EQ(loaded->OutputCount(), 1);
    }
}

TEST_F(SchedulingIconRecords, LoadedRecordsKeepTheirStoredValues)
{
    const auto sched = RecordBytes()
                           .Header(104, 9, 272, kX, kY, 0, 1, "S")
                           .U32(0x12345678)
                           .U32(0x23456789)
                           .U32(7200)
                           .U32(10800)
                           .U8(0xC3)
                           .U8(0x55)
                           .U16(0x0ABC)
                           .Output(0)
                           .Bytes();
    const auto loaded = Load(sched);
    ASSERT_NE(loaded, nullptr);
    const auto& s = dynamic_cast<const CSchedIcon&>(*loaded);
    EXPECT_EQ(s.Start(), 0x12345678u);
    EXPECT_EQ(s.Stop(), 0x23456789u);
    EXPECT_EQ(s.HighSeconds(), 7200u);
    EXPECT_EQ(s.CycleValue(), 10800u);
    EXPECT_EQ(s.Kind(), CSchedIcon::kPeriodic);
    EXPECT_EQ(s.Weekdays(), 0x55);
    EXPECT_EQ(s.Months(), 0x0ABC);

    // A clock loaded at another calendar time keeps its stored moments.
    TestClock().SetCalendarSeconds(kNow + 5000);
    const auto clock = RecordBytes().Header(94, 10, 3, kX, kY, 0, 1, "C").U16(0x1001).U32(90).U32(45).Output(0).Bytes();
    const auto loadedClock = Load(clock);
    ASSERT_NE(loadedClock, nullptr);
    const auto& c = dynamic_cast<const CSSClockIcon&>(*loadedClock);
    EXPECT_EQ(c.ModeWord(), 0x1001);
    EXPECT_EQ(c.First(), 90u);
    EXPECT_EQ(c.Second(), 45u);
}

TEST_F(SchedulingIconRecords, RejectsTruncatedRecordsAtEveryLength)
{
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.className));
        const auto saved = Saved(c.place(doc));
        const auto type = static_cast<std::uint16_t>(saved[4] | (saved[5] << 8));
        for (std::size_t cut = 0; cut < saved.size(); ++cut) {
            const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
            std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(type, SubtypeFromRecord(saved, type));
            ASSERT_NE(icon, nullptr);
            EXPECT_TRUE(doc.LoadIconFromRecord(icon, part, type, SubtypeFromRecord(saved, type), false).has_value())
                << "cut at " << cut;
        }
    }
}

TEST_F(SchedulingIconRecords, ConnectorsStandWhereTheIconsNeedThem)
{
    auto& sched = test::Place<CSchedIcon>(doc, kDrop);
    auto& clock = test::Place<CSSClockIcon>(doc, kDrop);
    auto& delay = test::Place<CDelayIcon>(doc, kDrop);
    for (CCorvaneIcon* icon : std::initializer_list<CCorvaneIcon*>{&sched, &clock, &delay}) {
        SCOPED_TRACE(std::string(icon->ClassName()));
        EXPECT_EQ(icon->Output(0).Kind(), connector_kind::kTriggerOutput);
        EXPECT_EQ(icon->Output(0).GetDataType(), data_type::kLogic);
        EXPECT_GT(icon->Output(0).Position().x, 0) << "the output stands on the right";
    }
    EXPECT_FALSE(sched.Input(0).IsActive()) << "the scheduler has no data input";
    EXPECT_FALSE(clock.Input(0).IsActive());

    auto& periodic = test::Place<CPeriodicOutputIcon>(doc, kDrop);
    EXPECT_EQ(periodic.Output(0).Kind(), connector_kind::kOutput);
    EXPECT_EQ(periodic.Output(0).GetDataType(), data_type::kLogic);
    EXPECT_EQ(periodic.InputCount(), 0);

    auto& oneShot = test::Place<COneShotIcon>(doc, kDrop);
    EXPECT_EQ(oneShot.Input(0).GetDataType(), data_type::kLogic);
    EXPECT_TRUE(oneShot.Output(0).IsActive());
    EXPECT_FALSE(oneShot.Output(1).IsActive()) << "the record keeps one output";
}

class SchedulingIconChecks : public test::FunctionIconNetTest {};

CCorvaneIcon* PlaceByName(CNetDoc& doc, std::string_view name)
{
    std::unique_ptr<CCorvaneIcon> icon;
    if (name == "CSchedIcon")
        icon = std::make_unique<CSchedIcon>(kDrop);
    else if (name == "CSSClockIcon")
        icon = std::make_unique<CSSClockIcon>(kDrop);
    else if (name == "CPeriodicOutputIcon")
        icon = std::make_unique<CPeriodicOutputIcon>(kDrop);
    else if (name == "COneShotIcon")
        icon = std::make_unique<COneShotIcon>(kDrop);
    else if (name == "CDelayIcon")
        icon = std::make_unique<CDelayIcon>(kDrop);
    if (!icon)
        return nullptr;
    CCorvaneIcon& placed = *icon;
    doc.AddObject(std::move(icon));
    placed.Layout();
    return &placed;
}

TEST_F(SchedulingIconChecks, PlacedIconsMatchTheirCatalogueRows)
{
    int matched = 0;
    for (const FunctionIconInfo& row : FunctionIconCatalogue()) {
        CCorvaneIcon* icon = PlaceByName(doc, row.className);
        if (icon == nullptr)
            continue;
        ++matched;
        SCOPED_TRACE(std::string(row.tooltip));
        EXPECT_EQ(icon->BitmapId(), row.bitmapId);
        test::ExpectIconMatchesRow(*icon, row);

        test::ExpectChecksFollowRow(*icon, row);
        auto& source = test::Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
        test::Link(source, 0, *icon, kEnableSlot);
        test::ExpectChecksFollowRow(*icon, row);
        if (icon->InputCount() > 0) {
            test::Link(source, 0, *icon, 0);
            test::ExpectChecksFollowRow(*icon, row);
        }
    }
    EXPECT_EQ(matched, 5);
}

TEST_F(SchedulingIconChecks, ConnectionFlagsFollowEachIconsRequirements)
{
    namespace mc = missing_connection;
    const auto check = [](const CCorvaneIcon& icon) {
        bool isolated = false;
        return icon.CheckIconConnections(isolated);
    };
    auto& sched = test::Place<CSchedIcon>(doc, kDrop);
    auto& delay = test::Place<CDelayIcon>(doc, kDrop);
    auto& stop = test::Place<CStopIcon>(doc, kDrop);
    EXPECT_EQ(check(sched), mc::kIsolated);
    EXPECT_EQ(check(delay), mc::kIsolated);
    test::Link(delay, 0, stop, 0);
    EXPECT_EQ(check(delay), mc::kDataInput) << "the output is linked, the input not";
    test::Link(sched, 0, delay, 0);
    EXPECT_EQ(check(delay), 0);
    EXPECT_EQ(check(sched), 0);

    auto& periodic = test::Place<CPeriodicOutputIcon>(doc, kDrop);
    test::Link(test::Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch), 0, periodic, kEnableSlot);
    EXPECT_EQ(check(periodic), mc::kDataOutput);
}

TEST_F(SchedulingIconChecks, ANetOfTheseIconsCompiles)
{
    using test::Link;
    using test::Place;
    PlaceProgram(doc);
    Place<CSampleRateClockIcon>(doc, kDrop);
    auto& sched = Place<CSchedIcon>(doc, kDrop);
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
    auto& oneShot = Place<COneShotIcon>(doc, kDrop);
    auto& delay = Place<CDelayIcon>(doc, kDrop);
    Link(sched, 0, oneShot, 0);
    Link(oneShot, 0, delay, 0);
    Link(delay, 0, Place<CStopIcon>(doc, kDrop), 0);
    Link(clock, 0, Place<CStopIcon>(doc, kDrop), 0);
    Link(periodic, 0, Place<CStopIcon>(doc, kDrop), 0);

    std::vector<std::string> messages;
    EXPECT_TRUE(doc.CompileNet(messages, Folder() / "net.quv", CompileMode::ConvertAnyway));
    EXPECT_TRUE(messages.empty()) << messages.front();
    const auto& order = doc.OrderedList();
    const auto at
        = [&](const CCorvaneIcon& icon) { return std::find(order.begin(), order.end(), &icon) - order.begin(); };
    EXPECT_LT(at(sched), at(oneShot));
    EXPECT_LT(at(oneShot), at(delay));
}

}  // namespace
}  // namespace scheduling_icon_records_test
}  // namespace corvane
