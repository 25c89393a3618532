#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CDCintIcon;

// The time integral's dialog: the time unit of the integral (per second,
// minute, hour or day) and the output's units.
class CIntegratorDialog final : public CIconDialog {
public:
    explicit CIntegratorDialog(CDCintIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CDCintIcon& integral_;
    int unit_;
};

}  // namespace corvane
