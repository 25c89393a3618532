#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>

namespace corvane {

class CRateOfChangeIcon;

// The rate of change icon's dialog: the rate unit (per second, minute,
// hour or day), the output's units and the number of sample intervals
// (1..16) the rate is calculated over.
class CRateOfChangeDialog final : public CIconDialog {
public:
    explicit CRateOfChangeDialog(CRateOfChangeIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    CRateOfChangeIcon& rate_;
    int unit_;
    std::uint32_t samples_;
};

}  // namespace corvane
