#pragma once

namespace corvane {

class IconFactory;

// Teaches the factory every function icon class by its type code.
void RegisterFunctionIcons(IconFactory& factory);

}  // namespace corvane
