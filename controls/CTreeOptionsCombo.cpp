#include "controls/CTreeOptionsCombo.h"

#include "platform/ComboBoxControl.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsCombo::Class()
{
    static const TreeOptionsEditorClass kClass{"CTreeOptionsCombo", nullptr, &MakeTreeOptionsEditor<CTreeOptionsCombo>};
    return kClass;
}

void CTreeOptionsCombo::OnCreated(ComboBoxControl&) {}

ComboBoxControl* CTreeOptionsCombo::Combo() const { return dynamic_cast<ComboBoxControl*>(GetControl()); }

}  // namespace corvane
