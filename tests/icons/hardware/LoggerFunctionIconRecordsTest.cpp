#include "HardwareIconTestSupport.h"

#include "icons/hardware/CBattIcon.h"
#include "icons/hardware/CEngAlarmIcon.h"
#include "icons/hardware/CEngLEDIcon.h"
#include "icons/hardware/CExciteIcon.h"
#include "icons/hardware/CPowerManagementIcon.h"
#include "icons/hardware/CQuvEngRelayIcon.h"
#include "icons/hardware/CTempBaseIcon.h"
#include "icons/hardware/HardwareIconCatalogue.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace logger_function_icon_records_test {
namespace {

using test::HardwareRecordBytes;
using test::Place;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};

class LoggerFunctionIcons : public test::HardwareIconNetTest {};

// One placed icon of each class: its record bytes as the tables give them.
struct PlacedCase {
    std::string_view className;
    std::function<CCorvaneIcon&(CNetDoc&)> place;
    int bitmap;
    bool deletable;
    bool trigger;
    bool enable;
    std::function<std::vector<std::uint8_t>(std::uint16_t id)> bytes;
};

const std::vector<PlacedCase>& PlacedCases()
{
    static const std::vector<PlacedCase> cases{
        {"CTempBaseIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CTempBaseIcon>(d, kDrop); },
            res::kBitmapColdJunction, false, true, true,
            [](std::uint16_t id) {
                return HardwareRecordBytes()
                    .Header(86, id, 16, kX, kY, 0, 1, "CJC Temperature")
                    .U16(0)
                    .Output("'C", 2)
                    .Bytes();
            }},
        {"CBattIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CBattIcon>(d, kDrop); },
            res::kBitmapSupplyVoltages, false, true, true,
            [](std::uint16_t id) {
                return HardwareRecordBytes()
                    .Header(96, id, 17, kX, kY, 0, 2, "Supply Voltages")
                    .Output("Int Vdc", 2)
                    .Output("Ext Vdc", 2)
                    .Bytes();
            }},
        {"CEngLEDIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CEngLEDIcon>(d, kDrop, 0); },
            res::kBitmapLed, false, false, true,
            [](std::uint16_t id) {
                return HardwareRecordBytes().Header(82, id, 25, kX, kY, 1, 0, "Blue LED").U16(0).Link(0).Bytes();
            }},
        {"CEngAlarmIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CEngAlarmIcon>(d, kDrop, 0); },
            res::kBitmapAudibleAlarm, false, false, true,
            [](std::uint16_t id) {
                return HardwareRecordBytes().Header(82, id, 25, kX, kY, 1, 0, "Audible Alarm").U16(5).Link(0).Bytes();
            }},
        {"CQuvEngRelayIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CQuvEngRelayIcon>(d, kDrop); },
            res::kBitmapRelay, false, false, true,
            [](std::uint16_t id) {
                return HardwareRecordBytes().Header(82, id, 24, kX, kY, 1, 0, "Relay").U16(0).Link(0).Bytes();
            }},
        {"CExciteIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CExciteIcon>(d, kDrop); },
            res::kBitmapExcitation, true, false, true,
            [](std::uint16_t id) {
                return HardwareRecordBytes().Header(82, id, 26, kX, kY, 1, 0, "Excitation").U16(0).Link(0).Bytes();
            }},
        // A new power-management icon has delay 5 and no scheduled input;
        // the test net's Program icon names logger type 3: no output.
        {"CPowerManagementIcon", [](CNetDoc& d) -> CCorvaneIcon& { return Place<CPowerManagementIcon>(d, kDrop); },
            res::kBitmapPowerManagement, false, false, false,
            [](std::uint16_t id) {
                return HardwareRecordBytes().Header(74, id, 6, kX, kY, 0, 0, "Power Management").U16(5).Bytes();
            }},
    };
    return cases;
}

TEST_F(LoggerFunctionIcons, PlacedIconsWriteTheirRecordsAndLoadThemBackUnchanged)
{
    PlaceProgram(doc);
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.className));
        CCorvaneIcon& icon = c.place(doc);
        EXPECT_EQ(icon.ClassName(), c.className);
        EXPECT_EQ(icon.BitmapId(), c.bitmap);
        EXPECT_EQ(icon.IsDeletable(), c.deletable);
        EXPECT_EQ(icon.TriggerInput().IsActive(), c.trigger);
        EXPECT_EQ(icon.EnableInput().IsActive(), c.enable);
        const auto saved = Saved(icon);
        EXPECT_EQ(saved, c.bytes(icon.UniqueId()));

        const auto loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->ClassName(), c.className);
        EXPECT_EQ(loaded->IsDeletable(), c.deletable);
        EXPECT_EQ(loaded->Caption(), icon.Caption());
        EXPECT_EQ(loaded->TriggerInput().IsActive(), c.trigger);
        EXPECT_EQ(loaded->EnableInput().IsActive(), c.enable);
        EXPECT_EQ(Saved(*loaded), saved);
    }
}

TEST_F(LoggerFunctionIcons, RejectsTruncatedRecordsAtEveryLength)
{
    PlaceProgram(doc);
    for (const PlacedCase& c : PlacedCases()) {
        SCOPED_TRACE(std::string(c.className));
        CCorvaneIcon& placed = c.place(doc);
        const auto saved = Saved(placed);
        const std::uint16_t type = placed.TypeCode();
        const std::uint16_t subtype = SubtypeFromRecord(saved, type);
        for (std::size_t cut = 0; cut < saved.size(); ++cut) {
            const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
            std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(type, subtype);
            ASSERT_NE(icon, nullptr);
            EXPECT_TRUE(doc.LoadIconFromRecord(icon, part, type, subtype, false).has_value()) << "cut at " << cut;
        }
    }
}

TEST_F(LoggerFunctionIcons, FixedPartsRoundTripWhateverTheyHold)
{
    struct Case {
        std::function<CCorvaneIcon&(CNetDoc&)> place;
        std::uint16_t word;
    };
    const Case cases[] = {
        {[](CNetDoc& d) -> CCorvaneIcon& { return Place<CTempBaseIcon>(d, kDrop); }, 1},
        {[](CNetDoc& d) -> CCorvaneIcon& { return Place<CEngAlarmIcon>(d, kDrop, 0); }, 0x0009},
        {[](CNetDoc& d) -> CCorvaneIcon& { return Place<CQuvEngRelayIcon>(d, kDrop); }, 0x0E00},
        {[](CNetDoc& d) -> CCorvaneIcon& { return Place<CExciteIcon>(d, kDrop); }, 1},
        {[](CNetDoc& d) -> CCorvaneIcon& { return Place<CPowerManagementIcon>(d, kDrop); }, 0x00FF},
    };
    for (const Case& c : cases) {
        auto record = Saved(c.place(doc));
        record[72] = static_cast<std::uint8_t>(c.word);
        record[73] = static_cast<std::uint8_t>(c.word >> 8);
        const auto loaded = Load(record);
        ASSERT_NE(loaded, nullptr) << c.word;
        EXPECT_EQ(Saved(*loaded), record) << loaded->ClassName();
    }
}

TEST_F(LoggerFunctionIcons, TypeTwentyFiveLoadsAsLedOnlyWithKindBitsClear)
{
    auto record = Saved(Place<CEngLEDIcon>(doc, kDrop, 0));
    const std::pair<std::uint16_t, std::string_view> cases[] = {
        {0, "CEngLEDIcon"}, {5, "CEngAlarmIcon"}, {2, "CEngAlarmIcon"}, {0x0004, "CEngLEDIcon"}};
    for (const auto& [mode, className] : cases) {
        record[72] = static_cast<std::uint8_t>(mode);
        const auto loaded = Load(record);
        ASSERT_NE(loaded, nullptr) << mode;
        EXPECT_EQ(loaded->ClassName(), className) << mode;
    }
}

TEST_F(LoggerFunctionIcons, FactoryMakesTheCatalogueClassOfEachRow)
{
    for (std::string_view name : {"CTempBaseIcon", "CBattIcon", "CPowerManagementIcon", "CQuvEngRelayIcon",
             "CEngLEDIcon", "CEngAlarmIcon", "CExciteIcon"}) {
        const HardwareIconInfo* row = HardwareIconForClass(name);
        ASSERT_NE(row, nullptr) << name;
        const std::unique_ptr<CCorvaneIcon> made = doc.CreateIcon(row->typeCode, row->subtype.value_or(0));
        ASSERT_NE(made, nullptr) << name;
        EXPECT_EQ(made->ClassName(), name);
        EXPECT_EQ(made->BitmapId(), row->bitmapId) << name;
        EXPECT_EQ(made->IsDeletable(), row->deletable) << name;
    }
}

TEST_F(LoggerFunctionIcons, PowerManagementIconReopensFromItsRecord)
{
    const std::unique_ptr<CCorvaneIcon> made = doc.CreateIcon(CPowerManagementIcon::kTypeCode, 0);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ClassName(), "CPowerManagementIcon");
    EXPECT_FALSE(made->IsDeletable());

    // Scheduled operation on and an output: both connectors come back.
    const auto record = HardwareRecordBytes()
                            .Header(94, 7, 6, kX, kY, 1, 1, "Power Management")
                            .U16(0x0114)
                            .Link(0)
                            .Output("", 0)
                            .Bytes();
    const auto loaded = Load(record);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(dynamic_cast<const CPowerManagementIcon&>(*loaded).PowerWord(), 0x0114);
    EXPECT_EQ(loaded->InputCount(), 1);
    EXPECT_EQ(loaded->OutputCount(), 1);
    EXPECT_FALSE(loaded->EnableInput().IsActive());
    EXPECT_EQ(Saved(*loaded), record);
}

TEST_F(LoggerFunctionIcons, PowerManagementOutputFollowsTheLoggerType)
{
    PlaceProgramWith(2, 0x01010203);  // logger type 1
    auto& power = Place<CPowerManagementIcon>(doc, kDrop);
    EXPECT_EQ(power.OutputCount(), 1);
    EXPECT_EQ(power.Output(0).GetDataType(), data_type::kLogic);
    EXPECT_EQ(power.InputCount(), 0);
    power.SetPowerWord(0x0100 | 30);
    power.UpdateConnectors();
    EXPECT_EQ(power.InputCount(), 1);
    EXPECT_EQ(Saved(power).size(), 74u + 8u + 12u);
}

TEST_F(LoggerFunctionIcons, ConnectionChecksFollowEachClass)
{
    namespace mc = missing_connection;
    auto& feeder = Place<CEngLEDIcon>(doc, kDrop, 0);  // a logic source stand-in: any output will do
    static_cast<void>(feeder);
    bool isolated = false;

    // Nothing linked: only the excitation icon, which may not stand alone, is reported.
    EXPECT_EQ(Place<CTempBaseIcon>(doc, kDrop).CheckIconConnections(isolated), 0);
    EXPECT_EQ(Place<CBattIcon>(doc, kDrop).CheckIconConnections(isolated), 0);
    EXPECT_EQ(Place<CEngLEDIcon>(doc, kDrop, 0).CheckIconConnections(isolated), 0);
    EXPECT_EQ(Place<CEngAlarmIcon>(doc, kDrop, 0).CheckIconConnections(isolated), 0);
    EXPECT_EQ(Place<CQuvEngRelayIcon>(doc, kDrop).CheckIconConnections(isolated), 0);
    EXPECT_EQ(Place<CPowerManagementIcon>(doc, kDrop).CheckIconConnections(isolated), 0);
    EXPECT_EQ(Place<CExciteIcon>(doc, kDrop).CheckIconConnections(isolated), mc::kIsolated);

    // A linked output with no trigger: the numeric sources want their trigger.
    auto& temperature = Place<CTempBaseIcon>(doc, kDrop);
    auto& battery = Place<CBattIcon>(doc, kDrop);
    auto& relay = Place<CQuvEngRelayIcon>(doc, kDrop);
    auto& excite = Place<CExciteIcon>(doc, kDrop);
    auto& alarm = Place<CEngAlarmIcon>(doc, kDrop, 0);
    test::Link(temperature, 0, relay, kEnableSlot);
    test::Link(battery, 1, excite, kEnableSlot);
    EXPECT_EQ(temperature.CheckIconConnections(isolated), mc::kTriggerInput);
    EXPECT_EQ(battery.CheckIconConnections(isolated), mc::kTriggerInput);
    // Linked otherwise but with the data input open: reported.
    EXPECT_EQ(relay.CheckIconConnections(isolated), mc::kDataInput);
    EXPECT_EQ(excite.CheckIconConnections(isolated), mc::kDataInput);
    test::Link(temperature, 0, alarm, 0);
    EXPECT_EQ(alarm.CheckIconConnections(isolated), 0);
}

}  // namespace
}  // namespace logger_function_icon_records_test
}  // namespace corvane
