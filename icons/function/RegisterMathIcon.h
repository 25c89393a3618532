#pragma once

namespace corvane {

class IconFactory;
class SettingsStore;

// Teaches the factory to make math icons whose dialogs reach the math
// function library in the settings store (RegisterFunctionIcons makes them
// without one). The store must outlive the factory and its icons; an icon
// placed from the palette takes it through CMathIcon::SetLibraryStore.
void RegisterMathIcon(IconFactory& factory, SettingsStore& store);

}  // namespace corvane
