#include "icons/program/CGlobalSheet.h"

#include "icons/program/CGlobalLCDPage.h"
#include "icons/program/CGlobalSystemPage.h"

#include <memory>

namespace corvane {

CGlobalSheet::CGlobalSheet(const ProgramSheetServices& services)
    : PropertySheet(""),
      system_(AddPage(std::make_unique<CGlobalSystemPage>(services))),
      lcd_(AddPage(std::make_unique<CGlobalLCDPage>()))
{}

CGlobalSheet::~CGlobalSheet() = default;

void CGlobalSheet::BindPages(CGlobalIcon& icon, std::string_view netName)
{
    system_.BindRecord(icon, netName);
    lcd_.BindRecord(icon);
}

}  // namespace corvane
