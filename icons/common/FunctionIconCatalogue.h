#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace corvane {

// What CCorvaneIcon::CheckConnections is asked for an icon.
struct ConnectionRequirements {
    bool trigger = false;
    bool select = false;
    int minimumInputs = 0;
    bool output = false;
    bool isolationAllowed = false;
};

// One row of the catalogue of function icons: what the factory, the
// palette, the dialogs and the tests read about a class.
struct FunctionIconInfo {
    std::string_view className;
    std::uint16_t typeCode = 0;
    std::optional<std::uint16_t> subtype;  // the value that picks this class among those sharing the code
    int paletteCell = -1;                  // 0..47, -1 when not on the palette
    int bitmapId = 0;                      // 10001 + cell
    std::string_view tooltip;
    int inputs = 0;
    int outputs = 0;
    bool trigger = false;
    bool enable = false;
    bool select = false;
    std::uint16_t recordLength = 0;  // the fixed length, header included
    int dialogId = 0;
    std::uint32_t helpContext = 0;  // 0: the default, 0x20000 plus the dialog id
    ConnectionRequirements checks;
};

// Every row, in the catalogue's order. A class that shares its code with
// others has one row per palette cell or subtype.
std::span<const FunctionIconInfo> FunctionIconCatalogue();

// The row of a palette cell, or null.
const FunctionIconInfo* FunctionIconForCell(int paletteCell);

}  // namespace corvane
