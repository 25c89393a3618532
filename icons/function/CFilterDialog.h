#pragma once

#include "icons/common/CIconDialog.h"

#include <cstdint>

namespace corvane {

class CFilterIcon;

// Chooses a filter's mode and its one number: the samples of the sliding
// average (1 to 255) or the low-pass smoothing factor (0 to 99). The label
// and the note under the number follow the chosen mode; a stored number
// that does not fit its mode opens brought into range.
class CFilterDialog : public CIconDialog {
public:
    static constexpr std::size_t kValueDigits = 3;

    explicit CFilterDialog(CFilterIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    // The label and note of the checked mode.
    void ShowModeTexts();

    CFilterIcon& filter_;
    int mode_;  // 0 sliding average, 1 low-pass
    std::uint32_t value_;
};

}  // namespace corvane
