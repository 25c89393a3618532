#pragma once

#include "controls/CTreeOptionsBrowseButton.h"

#include <cstdint>
#include <string>

namespace corvane {

// The browse button of an address item (AddBrowseButton, kind 13): it edits
// the address and subnet mask of the entry its item's user value names in
// the list of the dialog that holds the tree (a ModbusAddressOwner), in the
// "Network Address" dialog. OK writes the entry and the item's value text;
// Cancel changes nothing.
class CIPAddressButton : public CTreeOptionsBrowseButton {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    void BrowseForOpaque() override;

    // "a.b.c.d  /  e.f.g.h" of an address and mask in network byte order.
    static std::string FormatValueText(std::uint32_t address, std::uint32_t mask);
};

}  // namespace corvane
