#pragma once

#include "controls/CTreeOptionsCombo.h"

namespace corvane {

// A sorted drop-down list of the machine's font faces.
class CTreeOptionsFontNameCombo : public CTreeOptionsCombo {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    std::uint32_t GetWindowStyle() const override { return 0x50200103; }
    void OnCreated(ComboBoxControl& combo) override;
};

}  // namespace corvane
