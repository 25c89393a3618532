#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/function/CMaxMinAvgSumIcon.h"

#include <cstdint>
#include <string>

namespace corvane {

// Configures a statistics icon: output after a number of samples (1 to
// 65535) or upon its trigger input going HIGH, and the four clearing and
// output options, with texts worded for the icon's kind. OK checks the
// count, then writes the options and the count (0 in trigger mode, which
// makes the trigger input; a count removes it and its link).
class CMaxMinAvgSumDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kMaximumCount = 65535;

    explicit CMaxMinAvgSumDialog(CMaxMinAvgSumIcon& icon, Window* parent = nullptr);

    // The dialog's title for a kind.
    static std::string_view KindTitle(CMaxMinAvgSumIcon::Kind kind);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void SetKindTexts();
    // Enables the count edit or the trigger source by the checked radio.
    void EnableForMode();
    bool TriggerModeChecked() const;

    CMaxMinAvgSumIcon& stats_;
    int mode_ = 0;  // 0: after a number of samples, 1: upon the trigger
    std::uint32_t count_ = 0;
    int outputOnDisable_ = 0;
    int clearOnEnable_ = 0;
    int clearAfterOutput_ = 0;
    int clearAfterReset_ = 0;
    std::string triggerSource_;
};

}  // namespace corvane
