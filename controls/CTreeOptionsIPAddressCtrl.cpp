#include "controls/CTreeOptionsIPAddressCtrl.h"

#include "platform/IpAddressControl.h"

#include <cstdio>

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsIPAddressCtrl::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CTreeOptionsIPAddressCtrl", nullptr, &MakeTreeOptionsEditor<CTreeOptionsIPAddressCtrl>};
    return kClass;
}

std::string CTreeOptionsIPAddressCtrl::FormatDotted(std::uint32_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", (address >> 24) & 0xFFu, (address >> 16) & 0xFFu,
        (address >> 8) & 0xFFu, address & 0xFFu);
    return text;
}

IpAddressControl* CTreeOptionsIPAddressCtrl::AddressControl() const
{
    return dynamic_cast<IpAddressControl*>(GetControl());
}

}  // namespace corvane
