#pragma once

namespace corvane {

class HardwareIconMakers;
class PaletteIconMakers;

// Registers the palette's excitation icon (cell 46).
void RegisterHardwarePaletteIcons(PaletteIconMakers& makers);

// Registers the icons the net view places after a hardware query, by
// placing id (every id but the Program icon's 400): each with its placing
// constructor and the test that finds the icon standing for the same
// channel already in the net.
void RegisterHardwarePlacing(HardwareIconMakers& makers);

}  // namespace corvane
