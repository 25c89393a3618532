#include "icons/hardware/CExciteDialog.h"

#include "icons/hardware/CExciteIcon.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netdoc/CNetDoc.h"
#include "platform/DataExchange.h"
#include "res/ExciteDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

namespace corvane {

CExciteDialog::CExciteDialog(CExciteIcon& icon, Window* parent)
    : CIconDialog(res::kExciteDialog, icon, 0, parent), excite_(icon)
{
    SetSections(true, false, false);
    if (const CNetDoc* net = NetDocumentOf(icon))
        check_.emplace(*net);
}

bool CExciteDialog::OnInitDialog()
{
    logic_ = excite_.LogicWord() == CExciteIcon::kOnWhenLow ? 1 : 0;
    const bool result = CIconDialog::OnInitDialog();
    if (check_ && check_->AnalogExcitationUsed())
        if (CNetDoc* net = NetDocumentOf(excite_))
            net->ShowAdvisory(CAdvisoryDlg::kOk, kConflictNotice);
    return result;
}

void CExciteDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcExciteOnHigh, logic_);
    CIconDialog::DoDataExchange(exchange);
}

void CExciteDialog::ApplyToIcon()
{
    excite_.SetLogicWord(logic_ == 1 ? CExciteIcon::kOnWhenLow : CExciteIcon::kOnWhenHigh);
}

}  // namespace corvane
