#include "icons/program/RegisterProgramIcon.h"

#include "icons/program/CGlobalDialog.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/IconFactory.h"

#include <memory>

namespace corvane {

void InstallProgramSheet(CGlobalIcon& icon, const ProgramSheetServices& services)
{
    icon.SetDialogMaker([&services](CGlobalIcon& owner) -> std::unique_ptr<IconDialog> {
        return std::make_unique<CGlobalDialog>(owner, services);
    });
}

void RegisterProgramIcon(IconFactory& factory, const ProgramSheetServices& services)
{
    factory.Register(CGlobalIcon::kTypeCode, [&services](std::uint16_t) -> std::unique_ptr<CCorvaneIcon> {
        auto icon = std::make_unique<CGlobalIcon>();
        InstallProgramSheet(*icon, services);
        return icon;
    });
}

}  // namespace corvane
