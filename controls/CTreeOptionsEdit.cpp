#include "controls/CTreeOptionsEdit.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsEdit::Class()
{
    static const TreeOptionsEditorClass kClass{"CTreeOptionsEdit", nullptr, &MakeTreeOptionsEditor<CTreeOptionsEdit>};
    return kClass;
}

std::string CTreeOptionsEdit::FormatDisplayText(std::string_view text) const
{
    const std::size_t at = text.find('\r');
    if (at == std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(0, at)) + "...";
}

}  // namespace corvane
