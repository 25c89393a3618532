#pragma once

#include "controls/TreeOptionsEditor.h"

#include <cstdint>

namespace corvane {

class CTreeOptionsEdit;
class SpinControl;

// The spin button beside an option item's edit box, which sets the edit's number.
class CTreeOptionsSpinCtrl : public TreeOptionsEditor {
public:
    static constexpr int kWidth = 16;
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    virtual std::uint32_t GetWindowStyle() const { return 0x500000A6; }
    virtual void GetRange(int& lower, int& upper) const
    {
        lower = 0;
        upper = 100;
    }

    SpinControl* Spin() const;
    void SetBuddy(CTreeOptionsEdit* edit) { buddy_ = edit; }
    CTreeOptionsEdit* Buddy() const { return buddy_; }

private:
    CTreeOptionsEdit* buddy_ = nullptr;
};

}  // namespace corvane
