#include "icons/function/CTnoteDialog.h"

#include "base/Cp1252.h"
#include "icons/function/CTnoteIcon.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"
#include "res/TnoteDialog.h"

namespace corvane {

CTnoteDialog::CTnoteDialog(CTnoteIcon& icon, Window* parent)
    : CIconDialog(res::kTnoteDialog, icon, 0, parent), note_(icon), text_(Cp1252ToUtf8(icon.Text()))
{
    SetSections(false, false, false);
}

bool CTnoteDialog::OnInitDialog()
{
    if (auto* edit = GetControlAs<EditControl>(res::kIdcNoteText))
        edit->SetLimitText(CTnoteIcon::kTextLimit);
    return CIconDialog::OnInitDialog();
}

void CTnoteDialog::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcNoteText, text_, CTnoteIcon::kTextLimit);
    CIconDialog::DoDataExchange(exchange);
}

void CTnoteDialog::ApplyToIcon()
{
    note_.SetText(Utf8ToCp1252(text_, CTnoteIcon::kTextLimit));
}

}  // namespace corvane
