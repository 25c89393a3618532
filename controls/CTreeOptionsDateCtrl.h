#pragma once

#include "controls/TreeOptionsEditor.h"
#include "controls/TreeOptionsItemData.h"

#include <cstdint>
#include <string>

namespace corvane {

class DateTimeControl;

// The date picker of an option tree item; the text is the locale's short date.
class CTreeOptionsDateCtrl : public TreeOptionsEditor {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    virtual std::string GetDisplayText(const TreeOptionsTime& time) const;
    virtual std::uint32_t GetWindowStyle() const { return 0x50000000; }
    virtual bool IsTimePicker() const { return false; }

    DateTimeControl* Picker() const;
    // The picker's value, kept as the last one read; false when it holds none.
    bool ReadTime(TreeOptionsTime& time);
    void WriteTime(const TreeOptionsTime& time);

private:
    TreeOptionsTime lastRead_;
};

}  // namespace corvane
