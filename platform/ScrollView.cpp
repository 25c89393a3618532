#include "platform/ScrollView.h"

#include "platform/DeviceContext.h"
#include "platform/internal/CanvasWidget.h"

#include <QApplication>
#include <QGridLayout>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

namespace corvane {

// The scroll bars, and the watch on the container's size and the canvas's
// wheel that drives them.
struct ScrollView::Bars final : QObject {
    explicit Bars(ScrollView& view) : owner(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && watched == container)
            owner.UpdateBars();
        else if (event->type() == QEvent::Wheel && watched == owner.Canvas().canvas) {
            auto* wheel = static_cast<QWheelEvent*>(event);
            QScrollBar* bar = (wheel->angleDelta().x() != 0 && wheel->angleDelta().y() == 0) ? horizontal : vertical;
            if (bar != nullptr && bar->isVisible())
                QApplication::sendEvent(bar, event);
            return true;
        }
        return false;
    }

    void SetValue(QScrollBar* bar, int value)
    {
        if (bar == nullptr)
            return;
        ++programmatic;
        bar->setValue(value);
        --programmatic;
    }

    ScrollView& owner;
    QPointer<QWidget> container;
    QPointer<QScrollBar> horizontal;
    QPointer<QScrollBar> vertical;
    int programmatic = 0;
};

ScrollView::ScrollView() : bars_(std::make_unique<Bars>(*this))
{
    QWidget* container = Canvas().top;
    auto* grid = static_cast<QGridLayout*>(container->layout());
    bars_->container = container;
    bars_->horizontal = new QScrollBar(Qt::Horizontal, container);
    bars_->vertical = new QScrollBar(Qt::Vertical, container);
    grid->addWidget(bars_->vertical, 0, 1);
    grid->addWidget(bars_->horizontal, 1, 0);
    bars_->horizontal->hide();
    bars_->vertical->hide();
    QObject::connect(bars_->horizontal, &QScrollBar::valueChanged, bars_.get(), [this](int value) {
        if (bars_->programmatic == 0)
            OnBarMoved(true, value);
    });
    QObject::connect(bars_->vertical, &QScrollBar::valueChanged, bars_.get(), [this](int value) {
        if (bars_->programmatic == 0)
            OnBarMoved(false, value);
    });
    container->installEventFilter(bars_.get());
    Canvas().canvas->installEventFilter(bars_.get());
}

ScrollView::~ScrollView()
{
    // The widgets go before the watch on them.
    Canvas().Detach();
}

void ScrollView::SetScrollSizes(Size total, Size page, Size line)
{
    settle_ = nullptr;
    total_ = {std::max(0, total.width), std::max(0, total.height)};
    page_ = {page.width > 0 ? page.width : std::max(1, total_.width / 10),
        page.height > 0 ? page.height : std::max(1, total_.height / 10)};
    line_ = {line.width > 0 ? line.width : std::max(1, page_.width / 10),
        line.height > 0 ? line.height : std::max(1, page_.height / 10)};
    UpdateBars();
}

void ScrollView::SetScrollSizesWhenNeeded(std::function<void()> settle) { settle_ = std::move(settle); }

void ScrollView::SettleScrollSizes() const
{
    if (!settle_)
        return;
    // Taken first, so that the area's own use while it is set runs nothing again.
    const std::function<void()> settle = std::move(settle_);
    settle_ = nullptr;
    settle();
}

Point ScrollView::MaxScrollPosition() const
{
    SettleScrollSizes();
    const Size client = ClientSize();
    return {std::max(0, total_.width - client.width), std::max(0, total_.height - client.height)};
}

void ScrollView::ScrollTo(Point position)
{
    SettleScrollSizes();
    const Point most = MaxScrollPosition();
    const Point clamped{std::clamp(position.x, 0, most.x), std::clamp(position.y, 0, most.y)};
    if (clamped == position_)
        return;
    position_ = clamped;
    bars_->SetValue(bars_->horizontal, position_.x);
    bars_->SetValue(bars_->vertical, position_.y);
    Invalidate(true);
}

void ScrollView::OnPrepareDC(DeviceContext& dc)
{
    SettleScrollSizes();
    View::OnPrepareDC(dc);
    dc.SetViewportOrigin({-position_.x, -position_.y});
}

bool ScrollView::OnScrollBy(Size delta, bool doScroll)
{
    SettleScrollSizes();
    const Point most = MaxScrollPosition();
    const Point target{std::clamp(position_.x + delta.width, 0, most.x),
        std::clamp(position_.y + delta.height, 0, most.y)};
    if (target == position_)
        return false;
    if (doScroll)
        ScrollTo(target);
    return true;
}

void ScrollView::OnBarMoved(bool horizontal, int value)
{
    SettleScrollSizes();
    const Size delta = horizontal ? Size{value - position_.x, 0} : Size{0, value - position_.y};
    // The position changes only through OnScrollBy, which may refuse.
    bars_->SetValue(bars_->horizontal, position_.x);
    bars_->SetValue(bars_->vertical, position_.y);
    OnScrollBy(delta, true);
}

void ScrollView::UpdateBars()
{
    QWidget* container = bars_->container;
    QScrollBar* hbar = bars_->horizontal;
    QScrollBar* vbar = bars_->vertical;
    if (container == nullptr || hbar == nullptr || vbar == nullptr)
        return;
    // Which bars are needed: a bar takes room from the other direction.
    const int extent = container->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, container);
    int width = container->width();
    int height = container->height();
    bool needH = total_.width > width;
    bool needV = total_.height > height;
    if (needH)
        height -= extent;
    if (!needV && total_.height > height)
        needV = true;
    if (needV)
        width -= extent;
    if (!needH && total_.width > width) {
        needH = true;
        height -= extent;
    }
    width = std::max(0, width);
    height = std::max(0, height);
    ++bars_->programmatic;
    hbar->setRange(0, std::max(0, total_.width - width));
    hbar->setPageStep(std::max(1, std::min(page_.width, width)));
    hbar->setSingleStep(std::max(1, line_.width));
    vbar->setRange(0, std::max(0, total_.height - height));
    vbar->setPageStep(std::max(1, std::min(page_.height, height)));
    vbar->setSingleStep(std::max(1, line_.height));
    hbar->setVisible(needH);
    vbar->setVisible(needV);
    --bars_->programmatic;
    // Lay the canvas out now, so that the client size agrees with the bars.
    if (QLayout* layout = container->layout()) {
        layout->invalidate();
        layout->activate();
    }
    // A larger window or a smaller area may leave the position past the end.
    const Point most{std::max(0, total_.width - width), std::max(0, total_.height - height)};
    const Point clamped{std::clamp(position_.x, 0, most.x), std::clamp(position_.y, 0, most.y)};
    if (clamped != position_) {
        position_ = clamped;
        Invalidate(true);
    }
    bars_->SetValue(hbar, position_.x);
    bars_->SetValue(vbar, position_.y);
}

}  // namespace corvane
