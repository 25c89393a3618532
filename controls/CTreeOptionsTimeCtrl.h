#pragma once

#include "controls/CTreeOptionsDateCtrl.h"

namespace corvane {

// The time picker of an option tree item; the text is the locale's time.
class CTreeOptionsTimeCtrl : public CTreeOptionsDateCtrl {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    std::string GetDisplayText(const TreeOptionsTime& time) const override;
    std::uint32_t GetWindowStyle() const override { return 0x50000009; }
    bool IsTimePicker() const override { return true; }
};

}  // namespace corvane
