#pragma once

namespace corvane {

class IconFactory;

// Teaches the factory the reporting icon classes by their type codes.
void RegisterReportingIcons(IconFactory& factory);

}  // namespace corvane
