#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CQuvEngRelayIcon;

// Chooses the relay's output logic and what it does when the logger is
// stopped, reset or reflashed.
class CEngRelayDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 1631;
    static constexpr int kRetainIndex = 0;
    static constexpr int kOpenIndex = 1;
    static constexpr int kCloseIndex = 2;

    explicit CEngRelayDialog(CQuvEngRelayIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CQuvEngRelayIcon& relay_;
    int stopState_ = kOpenIndex;
    int logic_ = 0;  // 0 closed when the input is high, 1 open
};

}  // namespace corvane
