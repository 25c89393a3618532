#pragma once

#include "platform/Control.h"

namespace corvane {

// A progress bar: a position within a range, at first 0 within 0 to 100,
// stepping by 10.
class ProgressControl : public Control {
public:
    using Control::Control;

    void SetRange(int lower, int upper);
    int GetLower() const { return lower_; }
    int GetUpper() const { return upper_; }
    // Each returns the previous position; the new one is kept within the range.
    int SetPos(int position);
    int OffsetPos(int delta);
    int GetPos() const { return position_; }
    // Returns the previous step.
    int SetStep(int step);
    // Advances by the step; past the upper end the position wraps round to
    // the lower end (and past the lower end, for a negative step, to the
    // upper), keeping the overshoot. Returns the previous position.
    int StepIt();

private:
    void Display();

    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
    int step_ = 10;
};

}  // namespace corvane
