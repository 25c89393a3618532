#include "controls/CTreeOptionsTimeCtrl.h"

#include "platform/LocaleFormats.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsTimeCtrl::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CTreeOptionsTimeCtrl", &CTreeOptionsDateCtrl::Class(), &MakeTreeOptionsEditor<CTreeOptionsTimeCtrl>};
    return kClass;
}

std::string CTreeOptionsTimeCtrl::GetDisplayText(const TreeOptionsTime& time) const
{
    return FormatLocaleTime(time.hour, time.minute, time.second);
}

}  // namespace corvane
