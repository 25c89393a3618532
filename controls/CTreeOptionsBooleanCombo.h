#pragma once

#include "controls/CTreeOptionsCombo.h"

namespace corvane {

// A drop-down list of "True" and "False".
class CTreeOptionsBooleanCombo : public CTreeOptionsCombo {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    void OnCreated(ComboBoxControl& combo) override;
};

}  // namespace corvane
