#pragma once

namespace corvane {

class IconFactory;
class SettingsStore;

// Teaches the factory to make MQTT icons that save their confirmed series
// name to the settings store (RegisterReportingIcons makes them without
// one). The store must outlive the factory and its icons; an icon placed
// from the palette is given it by its placing constructor.
void RegisterMqttIcon(IconFactory& factory, SettingsStore& store);

}  // namespace corvane
