#pragma once

namespace corvane {

class PaletteIconMakers;
class SettingsStore;

// Registers the palette cells whose icons are function icons (0, 3..10,
// 13..39, 41..43) with their placing constructors; the cells that share a
// class pass the cell's picture id, which picks the variant. A placed math
// icon reaches the math function library through the store when one is
// given (the store must outlive the makers and their icons).
void RegisterFunctionPaletteIcons(PaletteIconMakers& makers, SettingsStore* mathStore);

}  // namespace corvane
