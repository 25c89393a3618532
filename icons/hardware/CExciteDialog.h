#pragma once

#include "icons/common/CIconDialog.h"
#include "netmodel/IconWarnings.h"
#include "netdoc/ExcitationCheck.h"

#include <optional>
#include <string_view>

namespace corvane {

class CExciteIcon;

// Chooses whether the excitation output is on while the input is high or
// while it is low. When the net's analog inputs already use their own
// excitation time, it says so as it opens; the conflict does not stop
// editing.
class CExciteDialog : public CIconDialog {
public:
    static constexpr std::string_view kConflictNotice = icon_warning::kExciteIconWithExcitedInputs;

    explicit CExciteDialog(CExciteIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CExciteIcon& excite_;
    std::optional<ExcitationCheck> check_;  // the net as the dialog was made; none outside a net
    int logic_ = 0;
};

}  // namespace corvane
