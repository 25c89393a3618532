#include "shell/CIPAddressButton.h"

#include "controls/CTreeOptionsCtrl.h"
#include "controls/CTreeOptionsIPAddressCtrl.h"
#include "platform/Dialog.h"
#include "shell/CIpAddressAndSubnet.h"
#include "shell/ModbusAddressOwner.h"

#include <arpa/inet.h>

namespace corvane {

const TreeOptionsEditorClass& CIPAddressButton::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CIPAddressButton", &CTreeOptionsBrowseButton::Class(), &MakeTreeOptionsEditor<CIPAddressButton>};
    return kClass;
}

std::string CIPAddressButton::FormatValueText(std::uint32_t address, std::uint32_t mask)
{
    return CTreeOptionsIPAddressCtrl::FormatDotted(ntohl(address)) + "  /  "
        + CTreeOptionsIPAddressCtrl::FormatDotted(ntohl(mask));
}

void CIPAddressButton::BrowseForOpaque()
{
    if (Tree() == nullptr)
        return;
    auto* owner = dynamic_cast<ModbusAddressOwner*>(&Tree()->OwnerDialog());
    if (owner == nullptr)
        return;
    const std::uint32_t index = Tree()->GetItemUserValue(Item());
    std::vector<CModbusAddress>& entries = owner->ModbusAddresses();
    if (index >= entries.size())
        return;
    CIpAddressAndSubnet dialog(&Tree()->OwnerDialog());
    dialog.SetAddress(entries[index].address);
    dialog.SetMask(entries[index].subnetMask);
    if (dialog.DoModal() != kIdOk)
        return;
    CModbusAddress& entry = owner->ModbusAddresses()[index];
    entry.address = htonl(dialog.GetAddress());
    entry.subnetMask = htonl(dialog.GetMask());
    Tree()->SetEditText(Item(), FormatValueText(entry.address, entry.subnetMask));
}

}  // namespace corvane
