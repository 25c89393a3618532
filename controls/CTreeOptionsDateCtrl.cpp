#include "controls/CTreeOptionsDateCtrl.h"

#include "platform/LocaleFormats.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsDateCtrl::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CTreeOptionsDateCtrl", nullptr, &MakeTreeOptionsEditor<CTreeOptionsDateCtrl>};
    return kClass;
}

std::string CTreeOptionsDateCtrl::GetDisplayText(const TreeOptionsTime& time) const
{
    return FormatLocaleShortDate(time.year, time.month, time.day);
}

}  // namespace corvane
