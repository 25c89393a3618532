#include "netmodel/PaletteCells.h"

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/IconRecordHeader.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

constexpr Size kSquare{32, 32};
constexpr Size kTall{32, 64};
constexpr Size kNote{9, 13};

using R = PaletteRule;

// The palette's cells in order: six columns, eight rows.
constexpr std::array<PaletteCell, kPaletteCellCount> kCells = {{
    {"Sample Rate Clock", "CSampleRateClockIcon", kSquare, false, R::None, 2},
    {"Memory", "CBigRamIcon", kTall, false, R::OnePerNet, 81},
    {"Probe Point", "CBigProbeIcon", kTall, false, R::OnePerNet, 82},
    {"Math", "CMathIcon", kSquare, false, R::None, 273},
    {"Comparator", "CComparatorIcon", kSquare, true, R::None, 261},
    {"Window Comparator", "CComparatorIcon", kSquare, true, R::None, 261},
    {"Constant", "CConstIcon", kSquare, true, R::None, 260},
    {"Remote Control Constant", "CConstIcon", kSquare, true, R::None, 260},
    {"Remote Control Switch", "CConstIcon", kSquare, true, R::None, 260},
    {"Stopwatch", "CTaccumIcon", kSquare, false, R::None, 271},
    {"Start/Stop Clock", "CSSClockIcon", kSquare, false, R::None, 3},
    {"E-Mail", "CEmailIcon", kSquare, false, R::Network, 67},
    {"FTP", "CFTPIcon", kSquare, false, R::Network, 68},
    {"LCD Latched Message", "CLCDtextIcon", kSquare, true, R::None, 64},
    {"LCD Conditional Message", "CLCDtextIcon", kSquare, true, R::None, 64},
    {"Warning", "CWarningIcon", kSquare, false, R::None, 65},
    {"Logic-NOT (Inverter)", "CNotIcon", kSquare, false, R::None, 256},
    {"Logic-AND", "CAndIcon", kSquare, false, R::None, 256},
    {"Logic-OR", "COrIcon", kSquare, false, R::None, 256},
    {"Logic-XOR", "CXorIcon", kSquare, false, R::None, 256},
    {"R-S FlipFlop", "CFlipFlopIcon", kSquare, false, R::None, 257},
    {"Multiplexer", "CMultiplexIcon", kSquare, false, R::None, 265},
    {"Time Integral", "CDCintIcon", kSquare, true, R::None, 267},
    {"Rate of Change", "CRateOfChangeIcon", kSquare, false, R::None, 269},
    {"Duty Cycle", "CDCintIcon", kSquare, true, R::None, 267},
    {"Summation", "CSumIcon", kSquare, false, R::None, 258},
    {"Average", "CAvgIcon", kSquare, false, R::None, 258},
    {"Min/Max", "CMinMaxIcon", kSquare, false, R::None, 258},
    {"Delta Function", "CDeltaIcon", kSquare, false, R::None, 262},
    {"Filter", "CFilterIcon", kSquare, false, R::None, 274},
    {"Timed Counter", "CCountIcon", kSquare, true, R::None, 263},
    {"Count Accumulator", "CCountIcon", kSquare, true, R::None, 263},
    {"Stop Program Execution", "CStopIcon", kSquare, false, R::None, 4},
    {"Periodic Output", "CPeriodicOutputIcon", kSquare, false, R::None, 268},
    {"Warmup", "CWarmupIcon", kSquare, false, R::None, 266},
    {"Delay", "CDelayIcon", kSquare, false, R::None, 264},
    {"Latch", "CLatchIcon", kSquare, false, R::None, 257},
    {"Text Note", "CTnoteIcon", kNote, false, R::None, 270},
    {"Scheduler", "CSchedIcon", kSquare, false, R::None, 272},
    {"Data Buffer", "CDataBufferIcon", kSquare, false, R::None, 275},
    {"Read/Write Modbus Slave/Server Register", "CModbusServerIcon", kSquare, false, R::ModbusMasterOrClient, 7},
    {"Transient Reject Filter", "CSpikeBlockerIcon", kSquare, false, R::None, 276},
    {"One Shot", "COneShotIcon", kSquare, false, R::None, 278},
    {"Scratchpad", "CScratchPadIcon", kSquare, false, R::None, 277},
    {"Data Tag", "CDataTagIcon", kSquare, false, R::None, 80},
    {"MQTT", "CBigMqttIcon", kTall, false, R::NetworkThenOnePerNet, 70},
    {"Excitation", "CExciteIcon", kSquare, false, R::None, 26},
    {"Modbus Address Map", "CModbusClientIcon", kSquare, false, R::ModbusSlaveOrServerThenOnePerNet, 5},
}};

// The logger's network features: the low three bits of its capability byte.
constexpr std::uint8_t kNetworkCapabilityBits = 0x07;
// Modbus roles in the polled configuration word.
constexpr std::uint16_t kModbusMasterOrClientBits = 0xA000;
constexpr std::uint16_t kModbusSlaveOrServerBits = 0x5000;

constexpr std::string_view kMasterOrClientMessage = "Either the Modbus RTU Master function or TCP Client function must "
                                                    "be enabled to use this icon in a program net.";
constexpr std::string_view kSlaveOrServerMessage = "Either the Modbus RTU Slave function or TCP Server function must be "
                                                   "enabled to use this icon in a program net.";

struct OneOnlyName {
    std::uint16_t typeCode;
    std::string_view name;
};
constexpr std::array kOneOnlyNames = {
    OneOnlyName{5, "Modbus slave/server"},
    OneOnlyName{70, "MQTT"},
    OneOnlyName{81, "Log memory"},
    OneOnlyName{82, "Probe"},
};

PaletteVerdict OnePerNet(const CCorvaneDoc& doc, std::uint16_t typeCode)
{
    if (HoldsIconOfType(doc, typeCode))
        return {false, OneOnlyMessage(typeCode)};
    return {};
}

// Integer division truncating toward zero, then onto the grid.
constexpr int SnapAxis(int value, int offset, int pitch) { return ((value + offset) / pitch) * pitch + 20; }

}  // namespace

std::span<const PaletteCell> PaletteCells() { return kCells; }

const PaletteCell* PaletteCellAt(int cell)
{
    if (cell < 0 || cell >= kPaletteCellCount)
        return nullptr;
    return &kCells[static_cast<std::size_t>(cell)];
}

int PaletteCellForType(std::uint16_t typeCode)
{
    const std::uint16_t code = typeCode & kIconTypeCodeMask;
    const auto found
        = std::find_if(kCells.begin(), kCells.end(), [code](const PaletteCell& cell) { return cell.typeCode == code; });
    return found != kCells.end() ? static_cast<int>(found - kCells.begin()) : -1;
}

std::string_view OneOnlyDisplayName(std::uint16_t typeCode)
{
    for (const OneOnlyName& entry : kOneOnlyNames)
        if (entry.typeCode == typeCode)
            return entry.name;
    return {};
}

std::string OneOnlyMessage(std::uint16_t typeCode)
{
    const std::string_view name = OneOnlyDisplayName(typeCode);
    if (name.empty())
        return {};
    return "A program net may contain only one\n" + std::string(name) + " icon.";
}

bool HoldsIconOfType(const CCorvaneDoc& doc, std::uint16_t typeCode)
{
    const std::uint16_t code = typeCode & kIconTypeCodeMask;
    const std::vector<CCorvaneIcon*> icons = doc.Icons();
    return std::any_of(icons.begin(), icons.end(), [code](const CCorvaneIcon* icon) { return icon->TypeCode() == code; });
}

PaletteVerdict CheckPaletteRule(
    const CCorvaneDoc& doc, int cell, std::uint8_t capabilityByte, std::uint16_t configWord)
{
    const PaletteCell* row = PaletteCellAt(cell);
    if (row == nullptr)
        return {false, {}};
    const bool network = (capabilityByte & kNetworkCapabilityBits) != 0;
    switch (row->rule) {
    case PaletteRule::None:
        return {};
    case PaletteRule::OnePerNet:
        return OnePerNet(doc, row->typeCode);
    case PaletteRule::Network:
        return {network, {}};
    case PaletteRule::NetworkThenOnePerNet:
        if (!network)
            return {false, {}};
        return OnePerNet(doc, row->typeCode);
    case PaletteRule::ModbusMasterOrClient:
        if ((configWord & kModbusMasterOrClientBits) == 0)
            return {false, std::string(kMasterOrClientMessage)};
        return {};
    case PaletteRule::ModbusSlaveOrServerThenOnePerNet:
        if ((configWord & kModbusSlaveOrServerBits) == 0)
            return {false, std::string(kSlaveOrServerMessage)};
        return OnePerNet(doc, row->typeCode);
    }
    return {false, {}};
}

Point SnapToIconGrid(Point point) { return {SnapAxis(point.x, 25, 90), SnapAxis(point.y, 15, 70)}; }

}  // namespace corvane
