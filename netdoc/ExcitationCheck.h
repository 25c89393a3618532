#pragma once

namespace corvane {

class CCorvaneDoc;

// The logger's sensor-excitation output is driven either by the excitation
// time of its own analog inputs or by an Excitation icon, never both. This
// looks at a net for the two uses.
class ExcitationCheck {
public:
    explicit ExcitationCheck(const CCorvaneDoc& net) { Scan(net); }

    void Scan(const CCorvaneDoc& net);
    // Some logger analog input has an excitation time of 1 or more.
    bool AnalogExcitationUsed() const { return analogExcitation_; }
    bool ExcitationIconPresent() const { return excitationIcon_; }
    bool HasConflict() const { return analogExcitation_ && excitationIcon_; }

private:
    bool analogExcitation_ = false;
    bool excitationIcon_ = false;
};

}  // namespace corvane
