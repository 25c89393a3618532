#include "shell/CAdvisoryDlg.h"

#include "shell/AdvisorySuppressions.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "res/AdvisoryDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CAdvisoryDlg::CAdvisoryDlg(AdvisorySuppressions& suppressed, Window* parent)
    : Dialog(res::kAdvisoryDialog, parent), suppressed_(suppressed)
{
    On(Notification::Clicked, res::kIdcAdvisoryFirst, [this](NotifyEvent&) {
        Answer(boxType_ == kOkCancel || boxType_ == kUnlabelled ? kIdOk : kIdYes);
    });
    On(Notification::Clicked, res::kIdcAdvisorySecond, [this](NotifyEvent&) {
        switch (boxType_) {
        case kOk: Answer(kIdYes); break;
        case kYesNo: Answer(kIdNo); break;
        default: Answer(kIdCancel); break;
        }
    });
}

int CAdvisoryDlg::Show(int boxType, std::string_view text)
{
    boxType_ = boxType;
    text_ = std::string(text);
    if (suppressed_.Contains(text_))
        return kIdIgnore;
    result_ = 0;
    (void)DoModal();
    return result_;
}

bool CAdvisoryDlg::OnInitDialog()
{
    (void)Dialog::OnInitDialog();
    Control* first = GetControl(res::kIdcAdvisoryFirst);
    Control* second = GetControl(res::kIdcAdvisorySecond);
    switch (boxType_) {
    case kOkCancel:
        first->SetText("OK");
        second->SetText("Cancel");
        break;
    case kOk:
        first->SetText("Ok");
        second->Show(false);
        break;
    case kYesNo:
        first->SetText("Yes");
        second->SetText("No");
        break;
    default: break;
    }
    GetControl(res::kIdcAdvisoryMessage)->SetText(text_);
    return true;
}

void CAdvisoryDlg::OnCancel()
{
    // Escape and the close box answer as the box's negative choice.
    switch (boxType_) {
    case kOk: result_ = kIdYes; break;
    case kYesNo: result_ = kIdNo; break;
    default: result_ = kIdCancel; break;
    }
    EndDialog(kIdCancel);
}

void CAdvisoryDlg::Answer(int result)
{
    result_ = result;
    if (GetControlAs<ButtonControl>(res::kIdcAdvisoryDontShow)->GetCheck() != 0)
        suppressed_.Add(text_);
    EndDialog(kIdOk);
}

}  // namespace corvane
