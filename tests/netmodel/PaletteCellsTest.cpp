#include "netmodel/PaletteCells.h"

#include "NetTestIcons.h"
#include "PlatformTestSupport.h"

#include <array>
#include <map>
#include <set>
#include <string_view>

namespace corvane {
namespace palette_cells_test {
namespace {

using test::SourceIcon;

TEST(PaletteCellsTable, TipsFollowThePalettesOrder)
{
    constexpr std::array<std::string_view, kPaletteCellCount> kTips = {"Sample Rate Clock", "Memory", "Probe Point",
        "Math", "Comparator", "Window Comparator", "Constant", "Remote Control Constant", "Remote Control Switch",
        "Stopwatch", "Start/Stop Clock", "E-Mail", "FTP", "LCD Latched Message", "LCD Conditional Message", "Warning",
        "Logic-NOT (Inverter)", "Logic-AND", "Logic-OR", "Logic-XOR", "R-S FlipFlop", "Multiplexer", "Time Integral",
        "Rate of Change", "Duty Cycle", "Summation", "Average", "Min/Max", "Delta Function", "Filter", "Timed Counter",
        "Count Accumulator", "Stop Program Execution", "Periodic Output", "Warmup", "Delay", "Latch", "Text Note",
        "Scheduler", "Data Buffer", "Read/Write Modbus Slave/Server Register", "Transient Reject Filter", "One Shot",
        "Scratchpad", "Data Tag", "MQTT", "Excitation", "Modbus Address Map"};
    ASSERT_EQ(PaletteCells().size(), kTips.size());
    for (int cell = 0; cell < kPaletteCellCount; ++cell)
        EXPECT_EQ(PaletteCellAt(cell)->tip, kTips[static_cast<std::size_t>(cell)]) << cell;
    EXPECT_EQ(PaletteCellAt(-1), nullptr);
    EXPECT_EQ(PaletteCellAt(kPaletteCellCount), nullptr);
}

TEST(PaletteCellsTable, ClassesSizesAndVariants)
{
    struct Case {
        int cell;
        std::string_view className;
        Size size;
        bool variant;
        std::uint16_t typeCode;
    };
    const Case cases[] = {
        {0, "CSampleRateClockIcon", {32, 32}, false, 2},
        {1, "CBigRamIcon", {32, 64}, false, 81},
        {2, "CBigProbeIcon", {32, 64}, false, 82},
        {5, "CComparatorIcon", {32, 32}, true, 261},
        {8, "CConstIcon", {32, 32}, true, 260},
        {11, "CEmailIcon", {32, 32}, false, 67},
        {12, "CFTPIcon", {32, 32}, false, 68},
        {14, "CLCDtextIcon", {32, 32}, true, 64},
        {24, "CDCintIcon", {32, 32}, true, 267},
        {31, "CCountIcon", {32, 32}, true, 263},
        {37, "CTnoteIcon", {9, 13}, false, 270},
        {40, "CModbusServerIcon", {32, 32}, false, 7},
        {44, "CDataTagIcon", {32, 32}, false, 80},
        {45, "CBigMqttIcon", {32, 64}, false, 70},
        {46, "CExciteIcon", {32, 32}, false, 26},
        {47, "CModbusClientIcon", {32, 32}, false, 5},
    };
    for (const Case& c : cases) {
        const PaletteCell& row = *PaletteCellAt(c.cell);
        EXPECT_EQ(row.className, c.className) << c.cell;
        EXPECT_EQ(row.size, c.size) << c.cell;
        EXPECT_EQ(row.variant, c.variant) << c.cell;
        EXPECT_EQ(row.typeCode, c.typeCode) << c.cell;
    }

    // The cells that share a class are told apart by their picture: all of
    // them and no other take the variant constructor.
    std::set<int> variants;
    for (int cell = 0; cell < kPaletteCellCount; ++cell)
        if (PaletteCellAt(cell)->variant)
            variants.insert(cell);
    EXPECT_EQ(variants, (std::set<int>{4, 5, 6, 7, 8, 13, 14, 22, 24, 30, 31}));
}

TEST(PaletteCellsTable, RulesBelongToTheirCellsOnly)
{
    const std::map<int, PaletteRule> ruled = {
        {1, PaletteRule::OnePerNet},
        {2, PaletteRule::OnePerNet},
        {11, PaletteRule::Network},
        {12, PaletteRule::Network},
        {40, PaletteRule::ModbusMasterOrClient},
        {45, PaletteRule::NetworkThenOnePerNet},
        {47, PaletteRule::ModbusSlaveOrServerThenOnePerNet},
    };
    for (int cell = 0; cell < kPaletteCellCount; ++cell) {
        const auto found = ruled.find(cell);
        EXPECT_EQ(PaletteCellAt(cell)->rule, found != ruled.end() ? found->second : PaletteRule::None) << cell;
    }
}

TEST(PaletteCellsTable, FindsTheFirstCellOfAStoredType)
{
    struct Case {
        std::uint16_t typeCode;
        int cell;
    };
    const Case cases[] = {
        {81, 1}, {70, 45}, {5, 47}, {7, 40}, {256, 16}, {261, 4}, {0x1000 | 81, 1}, {1, -1}, {0x0FFF, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaletteCellForType(c.typeCode), c.cell) << c.typeCode;
}

TEST(PaletteCellsTable, SingleInstanceNames)
{
    EXPECT_EQ(OneOnlyDisplayName(5), "Modbus slave/server");
    EXPECT_EQ(OneOnlyDisplayName(70), "MQTT");
    EXPECT_EQ(OneOnlyDisplayName(81), "Log memory");
    EXPECT_EQ(OneOnlyDisplayName(82), "Probe");
    EXPECT_EQ(OneOnlyDisplayName(7), "");
    EXPECT_EQ(OneOnlyMessage(82), "A program net may contain only one\nProbe icon.");
    EXPECT_EQ(OneOnlyMessage(273), "");
}

TEST(PaletteCellsTable, SnapsToTheIconGridTruncatingTowardZero)
{
    struct Case {
        Point in;
        Point out;
    };
    const Case cases[] = {
        {{0, 0}, {20, 20}},
        {{64, 54}, {20, 20}},
        {{65, 55}, {110, 90}},
        {{154, 124}, {110, 90}},
        {{155, 125}, {200, 160}},
        {{-100, -70}, {20, 20}},
        {{-116, -86}, {-70, -50}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SnapToIconGrid(c.in), c.out) << c.in.x << ", " << c.in.y;
}

class PaletteRules : public test::PlatformTest {
protected:
    CCorvaneDoc doc_;
};

TEST_F(PaletteRules, CheckTheirConditionsInOrder)
{
    constexpr std::string_view kMasterMessage = "Either the Modbus RTU Master function or TCP Client function must be "
                                                "enabled to use this icon in a program net.";
    constexpr std::string_view kSlaveMessage = "Either the Modbus RTU Slave function or TCP Server function must be "
                                               "enabled to use this icon in a program net.";
    struct Case {
        int cell;
        std::uint16_t present;  // a type code the net already holds, or 0
        std::uint8_t capability;
        std::uint16_t config;
        bool allowed;
        std::string_view message;
    };
    const Case cases[] = {
        {3, 0, 0, 0, true, ""},
        {1, 0, 0, 0, true, ""},
        {1, 81, 0, 0, false, "A program net may contain only one\nLog memory icon."},
        {1, 82, 0, 0, true, ""},
        {2, 82, 0, 0, false, "A program net may contain only one\nProbe icon."},
        {11, 0, 0x00, 0, false, ""},
        {11, 0, 0xF8, 0, false, ""},
        {12, 0, 0x02, 0, true, ""},
        {45, 70, 0x00, 0, false, ""},
        {45, 70, 0x01, 0, false, "A program net may contain only one\nMQTT icon."},
        {45, 0, 0x04, 0, true, ""},
        {40, 0, 0, 0x5000, false, kMasterMessage},
        {40, 0, 0, 0x8000, true, ""},
        {40, 0, 0, 0x2000, true, ""},
        {47, 5, 0, 0xA000, false, kSlaveMessage},
        {47, 0, 0, 0x1000, true, ""},
        {47, 5, 0, 0x4000, false, "A program net may contain only one\nModbus slave/server icon."},
        {48, 0, 0xFF, 0xFFFF, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << c.cell << " holding " << c.present);
        doc_.DeleteObjects(true);
        if (c.present != 0)
            test::Place<SourceIcon>(doc_, c.present);
        const PaletteVerdict verdict = CheckPaletteRule(doc_, c.cell, c.capability, c.config);
        EXPECT_EQ(verdict.allowed, c.allowed);
        EXPECT_EQ(verdict.message, c.message);
    }
}

TEST_F(PaletteRules, HoldsATypeByItsLowTwelveBits)
{
    test::Place<SourceIcon>(doc_, std::uint16_t{81});
    EXPECT_TRUE(HoldsIconOfType(doc_, 81));
    EXPECT_TRUE(HoldsIconOfType(doc_, 0x2000 | 81));
    EXPECT_FALSE(HoldsIconOfType(doc_, 82));
}

}  // namespace
}  // namespace palette_cells_test
}  // namespace corvane
