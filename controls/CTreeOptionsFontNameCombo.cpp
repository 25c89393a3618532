#include "controls/CTreeOptionsFontNameCombo.h"

#include "platform/ComboBoxControl.h"
#include "platform/FontFaces.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsFontNameCombo::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CTreeOptionsFontNameCombo", &CTreeOptionsCombo::Class(), &MakeTreeOptionsEditor<CTreeOptionsFontNameCombo>};
    return kClass;
}

void CTreeOptionsFontNameCombo::OnCreated(ComboBoxControl& combo)
{
    for (const std::string& face : ListFontFaces())
        combo.AddString(face);
}

}  // namespace corvane
