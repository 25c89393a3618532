#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CFlipFlopIcon;

// The R-S flip-flop's dialog: the SET and RESET inputs' sources, the state
// each acts on, the state both asserted force, and edge- or level-based
// operation (the words after the two source names follow it at once).
class CFlipFlopDialog final : public CIconDialog {
public:
    explicit CFlipFlopDialog(CFlipFlopIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void ApplyToIcon() override;

private:
    void ShowOperationWords(bool edgeBased);

    CFlipFlopIcon& flipFlop_;
    // The index of the checked button of each pair: 0 the first (the bit set).
    int set_;
    int reset_;
    int both_;
    int operation_;
};

}  // namespace corvane
