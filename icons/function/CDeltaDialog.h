#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>

namespace corvane {

class CDeltaIcon;

// The delta icon's dialog: the smallest change that is passed, whether
// the value is also passed every N samples (1..65535), and what the icon
// outputs while disabled.
class CDeltaDialog final : public CIconDialog {
public:
    explicit CDeltaDialog(CDeltaIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void OnEveryClicked();
    bool EveryChecked() const;

    CDeltaIcon& delta_;
    float change_;
    int every_;
    std::uint32_t samples_;
    int whenDisabled_;  // 0 output nothing, 1 output every value
};

}  // namespace corvane
