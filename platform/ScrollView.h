#pragma once

#include "platform/View.h"

#include <functional>
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
    // The area when it is first needed: until then the view shows no
    // scroll bars, and the first use of the area (its sizes, the position,
    // scrolling, a context prepared to paint or to convert points) runs
    // settle, which sets it. SetScrollSizes drops a settle not yet run.
    void SetScrollSizesWhenNeeded(std::function<void()> settle);
    Size TotalSize() const
    {
        SettleScrollSizes();
        return total_;
    }
    Size PageSize() const
    {
        SettleScrollSizes();
        return page_;
    }
    Size LineSize() const
    {
        SettleScrollSizes();
        return line_;
    }
    Point ScrollPosition() const
    {
        SettleScrollSizes();
        return position_;
    }
    // Scrolls to the position, kept between 0 and the area less the window;
    // the whole window is repainted.
    void ScrollTo(Point position);
    // The largest position in each direction (0 when the area fits).
    Point MaxScrollPosition() const;

    void OnPrepareDC(DeviceContext& dc) override;

protected:
    // Runs the settle of SetScrollSizesWhenNeeded if it has not run.
    void SettleScrollSizes() const;
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
    // Run on the area's first use; the view it sets is never a const object.
    mutable std::function<void()> settle_;
};

}  // namespace corvane
