#include "icons/function/CStopDialog.h"

#include "icons/function/CStopIcon.h"
#include "platform/Control.h"
#include "res/ResourceIds.h"
#include "res/StopDialog.h"

namespace corvane {

CStopDialog::CStopDialog(CStopIcon& icon, Window* parent) : CIconDialog(res::kStopDialog, icon, 0, parent)
{
    SetSections(true, false, false);
}

bool CStopDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    if (Control* text = GetControl(res::kIdcStopExplanation))
        text->SetText("Upon HIGH input from [" + InputSourceText(1) + "], Program Net execution STOPS.");
    return result;
}

}  // namespace corvane
