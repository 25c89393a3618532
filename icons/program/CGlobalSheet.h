#pragma once

#include "platform/PropertySheet.h"

#include <string_view>

namespace corvane {

class CGlobalIcon;
class CGlobalLCDPage;
class CGlobalSystemPage;
class ProgramSheetServices;

// The sheet inside the Program icon's dialog: the System page, then the
// Front Panel / LCD page.
class CGlobalSheet : public PropertySheet {
public:
    explicit CGlobalSheet(const ProgramSheetServices& services);
    ~CGlobalSheet() override;

    // Points both pages at the icon; the System page shows the net name.
    void BindPages(CGlobalIcon& icon, std::string_view netName);
    CGlobalSystemPage& SystemPage() const { return system_; }
    CGlobalLCDPage& LcdPage() const { return lcd_; }

private:
    CGlobalSystemPage& system_;
    CGlobalLCDPage& lcd_;
};

}  // namespace corvane
