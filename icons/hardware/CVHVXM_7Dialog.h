#pragma once

#include "icons/hardware/CVxmAnalogDialog.h"

namespace corvane {

// Configures a 7-channel analog module's high-voltage channel. Its ranges
// form two radio groups: the three widest ("+/-225 Vdc" to "+/-60 Vdc"),
// hidden, are for the makers' production test only, and the five from
// "+/-30 Vdc" down; a stored range among the hidden ones opens on
// "+/-30 Vdc". The extended-settling check box enables the multiplier edit
// and its labels, which store nothing.
class CVHVXM_7Dialog : public CVxmAnalogDialog {
public:
    static constexpr int kFirstUserRange = 3;  // "+/-30 Vdc"

    explicit CVHVXM_7Dialog(CVXM_7inputsIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void ExchangeRange(DataExchange& exchange) override;
    std::uint16_t ComposeModeWord() const override;

private:
    void OnExtendedSettling();
};

}  // namespace corvane
