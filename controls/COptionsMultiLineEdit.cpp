#include "controls/COptionsMultiLineEdit.h"

namespace corvane {

const TreeOptionsEditorClass& COptionsMultiLineEdit::Class()
{
    static const TreeOptionsEditorClass kClass{
        "COptionsMultiLineEdit", &CTreeOptionsEdit::Class(), &MakeTreeOptionsEditor<COptionsMultiLineEdit>};
    return kClass;
}

}  // namespace corvane
