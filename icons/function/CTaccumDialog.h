#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CTaccumIcon;

// The stop-watch's dialog: the unit the time is reported in and when the
// time is cleared or output. "OUTPUT upon NEGATION of Input" is shown
// but disabled: the record has no place for it.
class CTaccumDialog final : public CIconDialog {
public:
    explicit CTaccumDialog(CTaccumIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    CTaccumIcon& watch_;
    int unit_;  // 0 seconds, 1 minutes, 2 hours
    int clearOnOutput_;
    int clearOnEnable_;
    int outputOnDisable_;
};

}  // namespace corvane
