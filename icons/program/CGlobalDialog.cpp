#include "icons/program/CGlobalDialog.h"

#include "icons/program/CGlobalLCDPage.h"
#include "icons/program/CGlobalSheet.h"
#include "icons/program/CGlobalSystemPage.h"
#include "netdoc/CGlobalIcon.h"
#include "platform/Control.h"
#include "res/GlobalDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CGlobalDialog::CGlobalDialog(CGlobalIcon& icon, const ProgramSheetServices& services, Window* parent)
    : CIconDialog(res::kGlobalDialog, icon, 0, parent), icon_(icon),
      sheet_(std::make_unique<CGlobalSheet>(services))
{
    On(Notification::Changed, kIdcName, [this](NotifyEvent&) { SetNetName(); });
}

CGlobalDialog::~CGlobalDialog() = default;

bool CGlobalDialog::OnInitDialog()
{
    SetSections(false, false, false);
    const bool result = CIconDialog::OnInitDialog();
    sheet_->BindPages(icon_, NameText());
    (void)sheet_->CreateAsChild(*this, res::kIdcGlobalSheetFrame);
    return result;
}

void CGlobalDialog::SetNetName()
{
    if (const Control* name = GetControl(kIdcName))
        sheet_->SystemPage().SetNetName(name->GetText());
}

bool CGlobalDialog::ValidateFields()
{
    CGlobalSystemPage& system = sheet_->SystemPage();
    if (system.WasActivated() && !system.UpdateData(true))
        return false;
    return sheet_->LcdPage().Validate();
}

void CGlobalDialog::ApplyToIcon()
{
    if (sheet_->SystemPage().WasActivated())
        sheet_->SystemPage().WriteRecord();
    sheet_->LcdPage().WriteRecord();
}

}  // namespace corvane
