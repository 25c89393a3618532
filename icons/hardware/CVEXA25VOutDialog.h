#pragma once

#include "icons/common/CIconDialog.h"

#include <string_view>

namespace corvane {

class CVEXA25VoltIcon;

// Configures the +5 V excitation output of the digital I/O module: its
// output logic.
class CVEXA25VOutDialog : public CIconDialog {
public:
    static constexpr std::string_view kTitle = "VEXA-2; 5 VDC Excitation Output";

    explicit CVEXA25VOutDialog(CVEXA25VoltIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CVEXA25VoltIcon& channel_;
    int logic_ = 0;
};

}  // namespace corvane
