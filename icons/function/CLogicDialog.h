#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CLogicIcon;

// The gates' dialog: the list of the inputs' sources (the exclusive OR
// shows its two input names instead), the gate's condition, and three
// checks: the inverted output, the latch and the De Morgan picture. The
// picture follows the checks while the dialog is open; the gate takes it,
// the checks and its inverted output on OK.
class CLogicDialog final : public CIconDialog {
public:
    explicit CLogicDialog(CLogicIcon& icon, Window* parent = nullptr);

    // The picture the gate takes on OK.
    int Picture() const { return picture_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    void OnInvertedOutputClicked();
    void OnDeMorganClicked();
    void FillInputList();

    CLogicIcon& gate_;
    int picture_;
    int invertedOutput_;
    int latch_;
    int deMorgan_;
};

}  // namespace corvane
