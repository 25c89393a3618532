#include "netdoc/CQuvNetDlg.h"

#include "netdoc/CNetDoc.h"
#include "netdoc/NetFindingsText.h"
#include "platform/Control.h"
#include "platform/EditControl.h"
#include "res/ConvertNetDialog.h"
#include "res/ResourceIds.h"

#include <utility>
#include <vector>

namespace corvane {

CQuvNetDlg::CQuvNetDlg(CNetDoc& doc, std::filesystem::path output, Window* parent)
    : Dialog(res::kConvertNetDialog, parent), doc_(doc), output_(std::move(output))
{}

bool CQuvNetDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    std::vector<std::string> messages;
    written_ = doc_.CompileNet(messages, output_, CompileMode::SaveCompiled);
    if (messages.empty()) {
        EndDialog(kWritten);
        return true;
    }
    ShowFindings(messages);
    if (Control* accept = GetControl(kIdOk))
        accept->Show(true);
    return true;
}

void CQuvNetDlg::OnOK()
{
    std::vector<std::string> messages;
    written_ = doc_.CompileNet(messages, output_, CompileMode::ConvertAnyway);
    if (written_) {
        EndDialog(kIdOk);
        return;
    }
    // The file could not be written even so: say why, and leave only Cancel.
    ShowFindings(messages);
    if (Control* accept = GetControl(kIdOk))
        accept->Show(false);
}

void CQuvNetDlg::ShowFindings(const std::vector<std::string>& messages)
{
    report_ = NetFindingsText(kHeading, messages);
    if (auto* box = GetControlAs<EditControl>(res::kIdcConvertNetReport))
        box->SetText(ToDisplayLineEnds(report_));
}

}  // namespace corvane
