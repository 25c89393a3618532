#include "controls/CTreeOptionsBooleanCombo.h"

#include "platform/ComboBoxControl.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsBooleanCombo::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CTreeOptionsBooleanCombo", &CTreeOptionsCombo::Class(), &MakeTreeOptionsEditor<CTreeOptionsBooleanCombo>};
    return kClass;
}

void CTreeOptionsBooleanCombo::OnCreated(ComboBoxControl& combo)
{
    combo.AddString("True");
    combo.AddString("False");
}

}  // namespace corvane
