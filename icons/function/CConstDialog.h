#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/function/CConstIcon.h"

#include <memory>

namespace corvane {

class FloatEdit;

// Sets a constant's value and units, a remote constant's initial value,
// or a remote switch's initial state; the remote kinds also choose whether
// they keep the last value set or return to the initial one when enabled
// again after a disable (offered only while their enable input is linked).
class CConstDialog : public CIconDialog {
public:
    explicit CConstDialog(CConstIcon& icon, Window* parent = nullptr);
    ~CConstDialog() override;

    // The caption the dialog takes for a kind of constant.
    static std::string_view KindCaption(CConstIcon::Kind kind);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    bool ResetChoiceShown() const;

    CConstIcon& constant_;
    CConstIcon::Kind kind_;
    float value_ = 0.0F;
    int state_ = 0;   // 0 High, 1 Low
    int resetChoice_ = 0;  // 0 retain, 1 reset
    std::unique_ptr<FloatEdit> valueEdit_;
};

}  // namespace corvane
