#pragma once

namespace corvane {

class CGlobalIcon;
class IconFactory;
class ProgramSheetServices;

// Gives a Program icon its dialog, the Program icon sheet. The services
// must outlive the icon.
void InstallProgramSheet(CGlobalIcon& icon, const ProgramSheetServices& services);

// Teaches the factory to make Program icons that open the sheet. The
// services must outlive the factory and its icons.
void RegisterProgramIcon(IconFactory& factory, const ProgramSheetServices& services);

}  // namespace corvane
