#pragma once

namespace corvane {

class PaletteIconMakers;
class SettingsStore;

// Registers the palette cells whose icons are reporting icons: the Memory
// (1), Probe Point (2), E-Mail (11), FTP (12), Data Tag (44) and MQTT (45)
// icons. A placed MQTT icon keeps its series name in the settings store
// when one is given (the store must outlive the makers and their icons).
void RegisterReportingPaletteIcons(PaletteIconMakers& makers, SettingsStore* mqttStore);

}  // namespace corvane
