#pragma once

#include "controls/CTreeOptionsEdit.h"

namespace corvane {

// The edit-box editor the program's option pages give their value items.
class COptionsEdit : public CTreeOptionsEdit {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }
};

}  // namespace corvane
