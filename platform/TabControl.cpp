#include "platform/TabControl.h"

#include "platform/internal/ControlWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include <algorithm>

namespace corvane {

namespace {

TabStripWidget* Strip(const Control& c) { return dynamic_cast<TabStripWidget*>(c.Impl().widget.data()); }

// Tab texts show an ampersand as it is, not as a shortcut mark.
QString Escaped(std::string_view text) { return ToQString(text).replace(QLatin1Char('&'), QLatin1String("&&")); }
std::string Unescaped(QString text) { return text.replace(QLatin1String("&&"), QLatin1String("&")).toStdString(); }

// The toolkit's tab bar, its selection changed by the user only through the strip.
class GatedTabBar final : public QTabBar {
public:
    explicit GatedTabBar(TabStripWidget& strip) : QTabBar(&strip), strip_(strip) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            const int index = tabAt(event->position().toPoint());
            if (index >= 0 && index != currentIndex() && !strip_.SelectByUser(index)) {
                event->accept();
                return;
            }
        }
        QTabBar::mousePressEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
        if (step == 0 || event->modifiers() != Qt::NoModifier) {
            event->ignore();
            return;
        }
        for (int index = currentIndex() + step; index >= 0 && index < count(); index += step) {
            if (isTabEnabled(index) && isTabVisible(index)) {
                strip_.SelectByUser(index);
                break;
            }
        }
        event->accept();
    }

    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

private:
    TabStripWidget& strip_;
};

}  // namespace

// ----------------------------------------------------------- TabStripWidget

TabStripWidget::TabStripWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent)
    : QWidget(parent), dialog_(dialog), control_(control), id_(layout.id), bar_(new GatedTabBar(*this))
{
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setUsesScrollButtons(true);
    bar_->setElideMode(Qt::ElideNone);
    setFocusProxy(bar_);
    setFocusPolicy(bar_->focusPolicy());
    // The height of the row of tabs, also while there are none.
    QTabBar probe;
    probe.setFont(bar_->font());
    probe.addTab(QStringLiteral("Xg"));
    barHeight_ = probe.sizeHint().height();
    connect(bar_, &QTabBar::currentChanged, [this] { update(); });
    resize(layout.rect.width, layout.rect.height);
    Relayout();
}

bool TabStripWidget::SelectByUser(int index)
{
    if (index < 0 || index >= bar_->count() || index == bar_->currentIndex() || dialog_.tearingDown)
        return false;
    if (IsUserChange(dialog_, control_) && NotifyRefusable(dialog_, Notification::SelectionChanging, id_, index))
        return false;
    // A handler may have removed tabs.
    if (index >= bar_->count())
        return false;
    bar_->setCurrentIndex(index);
    if (IsUserChange(dialog_, control_))
        dialog_.Notify(Notification::SelectionChanged, id_, index);
    return true;
}

QRect TabStripWidget::FrameRect() const
{
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    const int top = std::max(0, barHeight_ - overlap);
    return {0, top, width(), std::max(0, height() - top)};
}

QRect TabStripWidget::DisplayRect() const
{
    const int margin = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 2;
    const QRect frame = FrameRect();
    const QRect inner = frame.adjusted(margin, margin, -margin, -margin);
    return inner.isValid() ? inner : QRect(frame.topLeft(), QSize(0, 0));
}

void TabStripWidget::Relayout() { bar_->setGeometry(0, 0, width(), barHeight_); }

void TabStripWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void TabStripWidget::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = FrameRect();
    option.shape = bar_->shape();
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    option.tabBarSize = bar_->sizeHint().boundedTo(QSize(width(), barHeight_));
    option.tabBarRect = QRect(QPoint(0, 0), option.tabBarSize);
    if (bar_->currentIndex() >= 0)
        option.selectedTabRect = bar_->tabRect(bar_->currentIndex());
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

// --------------------------------------------------------------- TabControl

int TabControl::InsertItem(int index, std::string_view text)
{
    TabStripWidget* strip = Strip(*this);
    if (strip == nullptr || index < 0)
        return -1;
    ProgrammaticChange change(Impl());
    return strip->Bar()->insertTab(std::min(index, strip->Bar()->count()), Escaped(text));
}

bool TabControl::DeleteItem(int index)
{
    TabStripWidget* strip = Strip(*this);
    if (strip == nullptr || index < 0 || index >= strip->Bar()->count())
        return false;
    ProgrammaticChange change(Impl());
    strip->Bar()->removeTab(index);
    return true;
}

void TabControl::DeleteAllItems()
{
    if (TabStripWidget* strip = Strip(*this)) {
        ProgrammaticChange change(Impl());
        while (strip->Bar()->count() > 0)
            strip->Bar()->removeTab(strip->Bar()->count() - 1);
    }
}

int TabControl::GetItemCount() const
{
    TabStripWidget* strip = Strip(*this);
    return strip != nullptr ? strip->Bar()->count() : 0;
}

bool TabControl::SetItemText(int index, std::string_view text)
{
    TabStripWidget* strip = Strip(*this);
    if (strip == nullptr || index < 0 || index >= strip->Bar()->count())
        return false;
    strip->Bar()->setTabText(index, Escaped(text));
    strip->update();
    return true;
}

std::string TabControl::GetItemText(int index) const
{
    TabStripWidget* strip = Strip(*this);
    if (strip == nullptr || index < 0 || index >= strip->Bar()->count())
        return {};
    return Unescaped(strip->Bar()->tabText(index));
}

bool TabControl::SetItemData(int index, std::intptr_t data)
{
    TabStripWidget* strip = Strip(*this);
    if (strip == nullptr || index < 0 || index >= strip->Bar()->count())
        return false;
    strip->Bar()->setTabData(index, QVariant::fromValue<qlonglong>(data));
    return true;
}

std::intptr_t TabControl::GetItemData(int index) const
{
    TabStripWidget* strip = Strip(*this);
    if (strip == nullptr || index < 0 || index >= strip->Bar()->count())
        return 0;
    return static_cast<std::intptr_t>(strip->Bar()->tabData(index).toLongLong());
}

int TabControl::GetCurSel() const
{
    TabStripWidget* strip = Strip(*this);
    return strip != nullptr ? strip->Bar()->currentIndex() : -1;
}

int TabControl::SetCurSel(int index)
{
    TabStripWidget* strip = Strip(*this);
    if (strip == nullptr || index < 0 || index >= strip->Bar()->count())
        return -1;
    const int previous = strip->Bar()->currentIndex();
    ProgrammaticChange change(Impl());
    strip->Bar()->setCurrentIndex(index);
    return previous;
}

DialogRect TabControl::GetDisplayRect() const
{
    TabStripWidget* strip = Strip(*this);
    if (strip == nullptr)
        return {};
    const QRect inner = strip->DisplayRect().translated(strip->geometry().topLeft());
    return {inner.x(), inner.y(), inner.width(), inner.height()};
}

}  // namespace corvane
