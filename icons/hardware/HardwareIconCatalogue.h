#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace corvane {

// One row of the catalogue of hardware icons: the class, the type code and
// the subtype the factory derives from a record to pick it, the picture it
// draws, the id that places it after a hardware query, its dialog, and
// which module it answers for.
struct HardwareIconInfo {
    std::string_view className;
    std::string_view baseName;
    std::uint16_t typeCode = 0;
    std::optional<std::uint16_t> subtype;  // one row per subtype value where several pick the class
    int bitmapId = 0;                      // 0 where the class draws by kind (the shared bases)
    int placingId = 0;                     // 0: no placing route
    int dialogId = 0;                      // 0: no dialog of its own, or one chosen by kind
    int moduleType = -1;                   // 0 logger, 1 7-channel module, 2 2-channel module, -1 no terminals
    bool deletable = false;                // only the sensor excitation icon may be deleted
};

// Every row, in the catalogue's order.
std::span<const HardwareIconInfo> HardwareIconCatalogue();

// The first row of a class, or null.
const HardwareIconInfo* HardwareIconForClass(std::string_view className);

// The palette cell and picture of the only hardware icon on the palette.
inline constexpr int kExcitationPaletteCell = 46;
inline constexpr int kExcitationBitmapId = 10047;

}  // namespace corvane
