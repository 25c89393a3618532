#include "controls/COptionsEdit.h"

namespace corvane {

const TreeOptionsEditorClass& COptionsEdit::Class()
{
    static const TreeOptionsEditorClass kClass{
        "COptionsEdit", &CTreeOptionsEdit::Class(), &MakeTreeOptionsEditor<COptionsEdit>};
    return kClass;
}

}  // namespace corvane
