#include "CatalogueRowCheck.h"
#include "MiscIconTestSupport.h"

#include "icons/common/FunctionIconCatalogue.h"
#include "icons/function/CComparatorIcon.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CCountIcon.h"
#include "icons/function/CDCintIcon.h"
#include "icons/function/CDeltaIcon.h"
#include "icons/function/CDutyCycleDialog.h"
#include "icons/function/CIntegratorDialog.h"
#include "icons/function/CRateOfChangeIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "icons/function/CStopIcon.h"
#include "icons/function/CTaccumIcon.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <functional>

namespace corvane {
namespace timing_icon_records_test {
namespace {

using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
// A drop rectangle whose placed icon stands at (kX, kY).
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};
constexpr std::uint8_t kLogic = 0;           // flags byte of a logic input
constexpr std::uint8_t kData = 2;            // flags byte of a data input or output
constexpr std::uint32_t kHalf = 0x3F000000;  // 0.5F

void PutWord(std::vector<std::uint8_t>& record, std::size_t offset, std::uint16_t value)
{
    record.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    record.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

struct PlacedCase {
    std::string_view what;
    std::function<std::unique_ptr<CCorvaneIcon>()> make;
    // The record expected of the placed icon with the given id.
    std::function<std::vector<std::uint8_t>(std::uint16_t id)> expected;
    int bitmapId;
    bool trigger;
    bool enable;
};

std::vector<PlacedCase> PlacedCases()
{
    return {
        {"timed counter", [] { return std::make_unique<CCountIcon>(kDrop, res::kBitmapTimedCounter); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(98, id, 263, kX, kY, 1, 1, "Timed Count")
                    .U16(0x0008)
                    .U32(1)
                    .Link(kLogic)
                    .Output(kData)
                    .Bytes();
            },
            res::kBitmapTimedCounter, true, true},
        {"count accumulator", [] { return std::make_unique<CCountIcon>(kDrop, res::kBitmapCountAccumulator); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(98, id, 263, kX, kY, 1, 1, "Count")
                    .U16(0x0018)
                    .U32(1)
                    .Link(kLogic)
                    .Output(kData)
                    .Bytes();
            },
            res::kBitmapCountAccumulator, false, true},
        {"delta", [] { return std::make_unique<CDeltaIcon>(kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(100, id, 262, kX, kY, 1, 1, "Delta")
                    .U16(0)
                    .U16(10)
                    .U32(kHalf)
                    .Link(kData)
                    .Output(kData)
                    .Bytes();
            },
            res::kBitmapDelta, false, true},
        {"rate of change", [] { return std::make_unique<CRateOfChangeIcon>(kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(96, id, 269, kX, kY, 1, 1, "ROC")
                    .U16(0)
                    .U16(10)
                    .Link(kData)
                    .Output(kData)
                    .Bytes();
            },
            res::kBitmapRateOfChange, false, false},
        {"duty cycle", [] { return std::make_unique<CDCintIcon>(kDrop, res::kBitmapDutyCycle); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(94, id, 267, kX, kY, 1, 1, "Duty")
                    .U16(0)
                    .Link(kLogic)
                    .Output(kData)
                    .Bytes();
            },
            res::kBitmapDutyCycle, true, true},
        {"time integral", [] { return std::make_unique<CDCintIcon>(kDrop, res::kBitmapTimeIntegral); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(94, id, 267, kX, kY, 1, 1, "Integ")
                    .U16(0x0800)
                    .Link(kData)
                    .Output(kData)
                    .Bytes();
            },
            res::kBitmapTimeIntegral, true, true},
        {"stop-watch", [] { return std::make_unique<CTaccumIcon>(kDrop); },
            [](std::uint16_t id) {
                return RecordBytes()
                    .Header(94, id, 271, kX, kY, 1, 1, "Stopwatch")
                    .U16(0x400D)
                    .Link(kLogic)
                    .Text("sec")
                    .Zeros(5)
                    .Zeros(3)
                    .U8(kData)
                    .Bytes();
            },
            res::kBitmapStopwatch, false, true},
    };
}

class TimingIconRecords : public test::FunctionIconNetTest {
protected:
    CCorvaneIcon& Place(const PlacedCase& c)
    {
        std::unique_ptr<CCorvaneIcon> icon = c.make();
        CCorvaneIcon& placed = *icon;
        doc.AddObject(std::move(icon));
        placed.Layout();
        return placed;
    }
};

TEST_F(TimingIconRecords, PlacedIconsWriteTheirRecordAndLoadItBackUnchanged)
{
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.what));
        CCorvaneIcon& icon = Place(c);
        ASSERT_NE(icon.UniqueId(), 0);
        EXPECT_EQ(icon.BitmapId(), c.bitmapId);
        EXPECT_EQ(icon.TriggerInput().IsActive(), c.trigger);
        EXPECT_EQ(icon.EnableInput().IsActive(), c.enable);
        const std::vector<std::uint8_t> saved = Saved(icon);
        EXPECT_EQ(saved, c.expected(icon.UniqueId()));

        const std::unique_ptr<CCorvaneIcon> loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->ClassName(), icon.ClassName());
        EXPECT_EQ(loaded->BitmapId(), c.bitmapId);
        EXPECT_EQ(loaded->Caption(), icon.Caption());
        EXPECT_EQ(loaded->TriggerInput().IsActive(), c.trigger);
        EXPECT_EQ(loaded->EnableInput().IsActive(), c.enable);
        EXPECT_EQ(Saved(*loaded), saved);
    }
}

TEST_F(TimingIconRecords, RejectsTruncatedRecordsAtEveryLength)
{
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.what));
        const auto saved = Saved(Place(c));
        const auto type = static_cast<std::uint16_t>(saved[4] | (saved[5] << 8));
        const std::uint16_t subtype = SubtypeFromRecord(saved, type);
        for (std::size_t cut = 0; cut < saved.size(); ++cut) {
            const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
            std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(type, subtype);
            ASSERT_NE(icon, nullptr);
            EXPECT_TRUE(doc.LoadIconFromRecord(icon, part, type, subtype, false).has_value()) << "cut at " << cut;
        }
    }
}

TEST_F(TimingIconRecords, PlacedIconsMatchTheirCatalogueRows)
{
    const auto rows = FunctionIconCatalogue();
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.what));
        CCorvaneIcon& icon = Place(c);
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const FunctionIconInfo& r) {
            return r.className == icon.ClassName() && r.bitmapId == icon.BitmapId();
        });
        ASSERT_NE(row, rows.end());
        test::ExpectIconMatchesRow(icon, *row);
        if (row->subtype) {
            EXPECT_EQ(SubtypeFromRecord(Saved(icon), row->typeCode), *row->subtype);
        }
        test::ExpectChecksFollowRow(icon, *row);
    }
}

TEST_F(TimingIconRecords, StoredOptionsSurviveALoadAndSave)
{
    struct Case {
        std::string_view what;
        std::vector<std::uint8_t> record;
        std::string_view className;
        int bitmapId;
    };
    const std::vector<Case> cases{
        {"accumulator of 250",
            RecordBytes()
                .Header(98, 9, 263, kX, kY, 1, 1, "Pulses")
                .U16(0x0017)
                .U32(250)
                .Link(kLogic)
                .Output(kData)
                .Bytes(),
            "CCountIcon", res::kBitmapCountAccumulator},
        {"confirmed timed counter",
            RecordBytes().Header(98, 9, 263, kX, kY, 1, 1, "Tc").U16(0x0002).U32(0).Link(kLogic).Output(kData).Bytes(),
            "CCountIcon", res::kBitmapTimedCounter},
        {"delta passing when disabled",
            RecordBytes()
                .Header(100, 9, 262, kX, kY, 1, 1, "D")
                .U16(0x8000)
                .U16(0)
                .U32(0x40200000)
                .Link(kData)
                .Output(kData)
                .Bytes(),
            "CDeltaIcon", res::kBitmapDelta},
        {"rate per day over 16",
            RecordBytes().Header(96, 9, 269, kX, kY, 1, 1, "R").U16(0xC000).U16(16).Link(kData).Output(kData).Bytes(),
            "CRateOfChangeIcon", res::kBitmapRateOfChange},
        {"duty cycle LOW in percent",
            RecordBytes()
                .Header(94, 9, 267, kX, kY, 1, 1, "D")
                .U16(0x3000)
                .Link(kLogic)
                .Text("%")
                .Zeros(7)
                .Zeros(3)
                .U8(kData)
                .Bytes(),
            "CDCintIcon", res::kBitmapDutyCycle},
        {"integral per hour",
            RecordBytes().Header(94, 9, 267, kX, kY, 1, 1, "I").U16(0x8800).Link(kData).Output(kData).Bytes(),
            "CDCintIcon", res::kBitmapTimeIntegral},
        {"stop-watch in hours",
            RecordBytes()
                .Header(94, 9, 271, kX, kY, 1, 1, "S")
                .U16(0xC004)
                .Link(kLogic)
                .Text("hr")
                .Zeros(6)
                .Zeros(3)
                .U8(kData)
                .Bytes(),
            "CTaccumIcon", res::kBitmapStopwatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what));
        const std::unique_ptr<CCorvaneIcon> icon = Load(c.record);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->ClassName(), c.className);
        EXPECT_EQ(icon->BitmapId(), c.bitmapId);
        EXPECT_EQ(Saved(*icon), c.record);
    }
}

TEST_F(TimingIconRecords, TheVariantBitOfTheRecordPicksTheVariantWhateverCellItCameFrom)
{
    auto& timed = test::Place<CCountIcon>(doc, kDrop, res::kBitmapTimedCounter);
    auto record = Saved(timed);
    PutWord(record, 72, 0x0018);
    auto loaded = Load(record);
    ASSERT_NE(loaded, nullptr);
    auto& count = dynamic_cast<CCountIcon&>(*loaded);
    EXPECT_TRUE(count.IsAccumulator());
    EXPECT_FALSE(count.TriggerInput().IsActive());
    EXPECT_EQ(count.HelpContext(), 511u);

    auto& duty = test::Place<CDCintIcon>(doc, kDrop, res::kBitmapDutyCycle);
    record = Saved(duty);
    PutWord(record, 72, 0x0800);
    loaded = Load(record);
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(dynamic_cast<CDCintIcon&>(*loaded).IsIntegral());
    EXPECT_NE(dynamic_cast<CIntegratorDialog*>(loaded->CreateIconDialog().get()), nullptr);
    EXPECT_EQ(loaded->Input(0).GetDataType() & data_type::kLogic, 0) << "the integral takes a value";

    auto& integral = test::Place<CDCintIcon>(doc, kDrop, res::kBitmapTimeIntegral);
    record = Saved(integral);
    PutWord(record, 72, 0x2000);
    loaded = Load(record);
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(dynamic_cast<CDCintIcon&>(*loaded).IsIntegral());
    EXPECT_NE(dynamic_cast<CDutyCycleDialog*>(loaded->CreateIconDialog().get()), nullptr);
}

TEST_F(TimingIconRecords, ATriggeredIconReportsItsMissingTriggerAndIsSatisfiedOnceLinked)
{
    using test::Link;
    namespace mc = missing_connection;
    const auto check = [](const CCorvaneIcon& icon) {
        bool isolated = false;
        return icon.CheckIconConnections(isolated);
    };
    auto& source = test::Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    auto& clock = test::Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    auto& duty = test::Place<CDCintIcon>(doc, kDrop, res::kBitmapDutyCycle);
    auto& timed = test::Place<CCountIcon>(doc, kDrop, res::kBitmapTimedCounter);
    for (CCorvaneIcon* icon : {static_cast<CCorvaneIcon*>(&duty), static_cast<CCorvaneIcon*>(&timed)}) {
        Link(source, 0, *icon, 0);
        Link(*icon, 0, test::Place<CDeltaIcon>(doc, kDrop), 0);
    }
    EXPECT_EQ(check(duty), mc::kTriggerInput);
    EXPECT_EQ(check(timed), 0) << "the timed counter's trigger is not required";
    Link(clock, 0, duty, kTriggerSlot);
    EXPECT_EQ(check(duty), 0);
}

TEST_F(TimingIconRecords, OutputLabelsAlreadyGivenAreKept)
{
    for (CCorvaneIcon* icon :
        std::initializer_list<CCorvaneIcon*>{&test::Place<CCountIcon>(doc, kDrop, res::kBitmapCountAccumulator),
            &test::Place<CRateOfChangeIcon>(doc, kDrop),
            &test::Place<CDCintIcon>(doc, kDrop, res::kBitmapTimeIntegral)}) {
        EXPECT_NE(icon->LabelFlags() & label_flag::kKeepExisting, 0) << icon->ClassName();
        const auto loaded = Load(Saved(*icon));
        ASSERT_NE(loaded, nullptr);
        EXPECT_NE(loaded->LabelFlags() & label_flag::kKeepExisting, 0) << icon->ClassName();
    }
}

TEST_F(TimingIconRecords, ANetOfEveryVariantCompilesWithoutFindings)
{
    using test::Link;
    using test::Place;
    PlaceProgram(doc);
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    auto& state = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    auto& timed = Place<CCountIcon>(doc, kDrop, res::kBitmapTimedCounter);
    auto& accumulator = Place<CCountIcon>(doc, kDrop, res::kBitmapCountAccumulator);
    auto& delta = Place<CDeltaIcon>(doc, kDrop);
    auto& rate = Place<CRateOfChangeIcon>(doc, kDrop);
    auto& duty = Place<CDCintIcon>(doc, kDrop, res::kBitmapDutyCycle);
    auto& integral = Place<CDCintIcon>(doc, kDrop, res::kBitmapTimeIntegral);
    auto& watch = Place<CTaccumIcon>(doc, kDrop);
    auto& first = Place<CComparatorIcon>(doc, kDrop, res::kBitmapComparator);
    auto& second = Place<CComparatorIcon>(doc, kDrop, res::kBitmapComparator);
    for (CCorvaneIcon* icon : std::initializer_list<CCorvaneIcon*>{&timed, &duty, &integral})
        Link(clock, 0, *icon, kTriggerSlot);
    for (CCorvaneIcon* icon : std::initializer_list<CCorvaneIcon*>{&timed, &accumulator, &duty, &watch})
        Link(state, 0, *icon, 0);
    Link(timed, 0, delta, 0);
    Link(delta, 0, rate, 0);
    Link(duty, 0, integral, 0);
    Link(rate, 0, first, 0);
    Link(integral, 0, first, 1);
    Link(watch, 0, second, 0);
    Link(accumulator, 0, second, 1);
    Link(first, 0, Place<CStopIcon>(doc, kDrop), 0);
    Link(second, 0, Place<CStopIcon>(doc, kDrop), 0);

    std::vector<std::string> messages;
    EXPECT_TRUE(doc.CompileNet(messages, Folder() / "net.quv", CompileMode::ConvertAnyway));
    EXPECT_TRUE(messages.empty()) << messages.front();
    const auto& order = doc.OrderedList();
    const auto at
        = [&](const CCorvaneIcon& icon) { return std::find(order.begin(), order.end(), &icon) - order.begin(); };
    EXPECT_LT(at(timed), at(delta));
    EXPECT_LT(at(delta), at(rate));
    EXPECT_LT(at(duty), at(integral));
    EXPECT_LT(at(integral), at(first));
}

}  // namespace
}  // namespace timing_icon_records_test
}  // namespace corvane
