#pragma once

#include "platform/Control.h"

namespace corvane {

// A slider (track bar), horizontal or with kVertical vertical with its
// lowest position at the top. At first its range is 0 to 100, with a line
// size of 1 (the arrow keys) and a page size of a fifth of the range (page
// up and down, and clicks beside the thumb), and tick marks at both ends.
//
// Notifications: Changed when the user moves it (item: the new position);
// never for changes by the program.
class SliderControl : public Control {
public:
    using Control::Control;

    // Keeps the position within the new range.
    void SetRange(int minimum, int maximum);
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetPos(int position);
    int GetPos() const;
    // A tick mark every so many positions (0: at the ends only).
    void SetTicFreq(int frequency);
    // Each returns the previous size.
    int SetPageSize(int size);
    int GetPageSize() const;
    int SetLineSize(int size);
    int GetLineSize() const;

private:
    int ticFrequency_ = 0;
};

}  // namespace corvane
