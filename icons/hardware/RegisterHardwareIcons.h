#pragma once

namespace corvane {

class IconFactory;

// Teaches the factory every hardware icon class by its type code (and, for
// shared codes, by the subtype it derives from a record).
void RegisterHardwareIcons(IconFactory& factory);

}  // namespace corvane
