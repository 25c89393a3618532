#pragma once

#include "platform/View.h"

#include <memory>

namespace corvane {

// A view over an area larger than its window, with scroll bars. Sizes and
// the scroll position are in device pixels: the context is prepared with
// its viewport origin at minus the scroll position, so a view that scales
// its drawing (zoom) sets the scale on top of that in its own OnPrepareDC.
class ScrollView : public View {
public:
    ScrollView();
    ~ScrollView() override;

    // The whole area, the step of a page (bar click) and of a line (arrow
    // click); a page or line of 0 takes a tenth of the area or of the page.
    void SetScrollSizes(Size total, Size page = {}, Size line = {});
    Size TotalSize() const { return total_; }
    Size PageSize() const { return page_; }
    Size LineSize() const { return line_; }

    Point ScrollPosition() const { return position_; }
    // Scrolls to the position, kept between 0 and the area less the window;
    // the whole window is repainted.
    void ScrollTo(Point position);
    // The largest position in each direction (0 when the area fits).
    Point MaxScrollPosition() const;

    void OnPrepareDC(DeviceContext& dc) override;

protected:
    // The user scrolled (bars, wheel) by delta pixels. With doScroll it
    // scrolls and returns whether the position changed; without, it only
    // tells whether it would.
    virtual bool OnScrollBy(Size delta, bool doScroll);

private:
    struct Bars;
    friend struct Bars;
    void UpdateBars();
    void OnBarMoved(bool horizontal, int value);

    std::unique_ptr<Bars> bars_;
    Size total_;
    Size page_;
    Size line_;
    Point position_;
};

}  // namespace corvane
