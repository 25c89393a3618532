#include "netdoc/CQuvTestDlg.h"

#include "netdoc/CNetDoc.h"
#include "netdoc/NetFindingsText.h"
#include "platform/Application.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/CheckNetDialog.h"
#include "res/ResourceIds.h"

#include <utility>
#include <vector>

namespace corvane {

CQuvTestDlg::CQuvTestDlg(CNetDoc& doc, std::filesystem::path path, Window* parent)
    : Dialog(res::kCheckNetDialog, parent), doc_(doc), path_(std::move(path))
{}

bool CQuvTestDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    std::vector<std::string> messages;
    (void)doc_.CompileNet(messages, path_, CompileMode::CheckOnly);
    if (messages.empty()) {
        MessageBoxRequest request;
        request.owner = Handle();
        request.text = std::string(kCleanText);
        Application::Instance().Prompts().ShowMessageBox(request);
        EndDialog(kNoFindings);
        return true;
    }
    report_ = NetFindingsText(kHeading, messages);
    if (auto* box = GetControlAs<EditControl>(res::kIdcCheckNetReport))
        box->SetText(ToDisplayLineEnds(report_));
    return true;
}

}  // namespace corvane
