#include "controls/CTreeOptionsSpinCtrl.h"

#include "platform/SpinControl.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsSpinCtrl::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CTreeOptionsSpinCtrl", nullptr, &MakeTreeOptionsEditor<CTreeOptionsSpinCtrl>};
    return kClass;
}

SpinControl* CTreeOptionsSpinCtrl::Spin() const { return dynamic_cast<SpinControl*>(GetControl()); }

}  // namespace corvane
