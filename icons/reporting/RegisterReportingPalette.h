#pragma once

namespace corvane {

class PaletteIconMakers;
class SettingsStore;

// Registers the palette cells whose icons are reporting icons: the Memory
// (1), Probe Point (2), E-Mail (11), FTP (12), remote Modbus register (40),
// Data Tag (44), MQTT (45) and Modbus register list (47) icons. A placed
// MQTT icon keeps its series name in the settings store when one is given
// (the store must outlive the makers and their icons).
void RegisterReportingPaletteIcons(PaletteIconMakers& makers, SettingsStore* mqttStore);

}  // namespace corvane
