#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

class CCorvaneDoc;

// What must hold before a palette cell's icon is placed.
enum class PaletteRule {
    None,
    OnePerNet,                 // the net may hold one icon of the type
    Network,                   // the logger has network features (capability bits 0..2)
    NetworkThenOnePerNet,      // MQTT
    ModbusMasterOrClient,      // configuration word & 0xA000
    ModbusSlaveOrServerThenOnePerNet,  // configuration word & 0x5000, then one per net
};

// One cell of the 48-cell icon palette: its tooltip, the class it makes,
// the size of the placing rectangle, whether the class's constructor also
// takes the cell's picture id, its rule and the one-per-net type code.
struct PaletteCell {
    std::string_view tip;
    std::string_view className;
    Size size;
    bool variant = false;
    PaletteRule rule = PaletteRule::None;
    std::uint16_t typeCode = 0;  // of the class made (the one-per-net test uses it)
};

inline constexpr int kPaletteCellCount = 48;
inline constexpr int kPaletteFirstBitmap = 10001;  // cell n's picture is 10001 + n
inline constexpr int kPaletteColumns = 6;
inline constexpr int kPaletteRows = 8;
inline constexpr int kPaletteCellPixels = 32;

std::span<const PaletteCell> PaletteCells();
// The cell's row, or null outside 0..47.
const PaletteCell* PaletteCellAt(int cell);
// The cell whose rules a stored icon of the type code follows when it is
// pasted (the first cell making that type), or -1.
int PaletteCellForType(std::uint16_t typeCode);

// The display name of a single-instance type code (5, 70, 81, 82) for the
// one-per-net message, or empty for any other code.
std::string_view OneOnlyDisplayName(std::uint16_t typeCode);
// "A program net may contain only one\n<name> icon." for a single-instance
// type code, or empty for any other code.
std::string OneOnlyMessage(std::uint16_t typeCode);
// True when the document already holds an icon of the type code.
bool HoldsIconOfType(const CCorvaneDoc& doc, std::uint16_t typeCode);

// Whether a cell's icon may be placed, and the message that tells the
// user why not (empty for a silent refusal).
struct PaletteVerdict {
    bool allowed = true;
    std::string message;
};
PaletteVerdict CheckPaletteRule(
    const CCorvaneDoc& doc, int cell, std::uint8_t capabilityByte, std::uint16_t configWord);

// The icon grid: with snap on a drop point goes to ((x + 25) / 90) * 90 + 20,
// ((y + 15) / 70) * 70 + 20 (division truncating toward zero).
Point SnapToIconGrid(Point point);

}  // namespace corvane
