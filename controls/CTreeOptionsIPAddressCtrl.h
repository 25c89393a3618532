#pragma once

#include "controls/TreeOptionsEditor.h"

#include <cstdint>
#include <string>

namespace corvane {

class IpAddressControl;

// The IP address editor of an option tree item.
class CTreeOptionsIPAddressCtrl : public TreeOptionsEditor {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    // "a.b.c.d" of bits 31-24, 23-16, 15-8 and 7-0.
    virtual std::string GetDisplayText(std::uint32_t address) const { return FormatDotted(address); }
    virtual std::uint32_t GetWindowStyle() const { return 0x50000000; }

    static std::string FormatDotted(std::uint32_t address);

    IpAddressControl* AddressControl() const;
};

}  // namespace corvane
