#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CPowerManagementIcon;

// Sets the power-management delay (0..255) and whether scheduled power-up
// operation through the input is on; the icon adds or drops its input
// after OK.
class CPowerManagementDialog : public CIconDialog {
public:
    explicit CPowerManagementDialog(CPowerManagementIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CPowerManagementIcon& power_;
    int delay_ = 0;
    int scheduled_ = 0;
};

}  // namespace corvane
