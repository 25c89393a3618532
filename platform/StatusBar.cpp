#include "platform/StatusBar.h"

#include "platform/MdiFrame.h"
#include "platform/StatusProgress.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/DrawingData.h"
#include "platform/internal/FrameWidgets.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>

namespace corvane {

namespace {

constexpr int kPaneGap = 2;
constexpr int kTextInset = 4;
constexpr int kMaxPaneWidth = 1 << 16;

// Control characters (a tip's line break, a tab) show as blanks.
QString DisplayText(const std::string& text)
{
    QString shown = TextToToolkit(text);
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return shown;
}

}  // namespace

// ------------------------------------------------------------ StatusBarImpl

std::vector<QRect> StatusBarImpl::Layout(int width, int height) const
{
    std::vector<QRect> rects;
    if (panes.empty())
        return rects;
    std::size_t stretch = panes.size() - 1;
    for (std::size_t i = 0; i < panes.size(); ++i)
        if (panes[i].layout.stretch) {
            stretch = i;
            break;
        }
    int fixed = 0;
    for (std::size_t i = 0; i < panes.size(); ++i)
        if (i != stretch)
            fixed += panes[i].layout.width + kPaneGap;
    const int stretchWidth = std::max(panes[stretch].layout.width, width - fixed - kPaneGap);
    int x = 0;
    for (std::size_t i = 0; i < panes.size(); ++i) {
        const int w = i == stretch ? stretchWidth : panes[i].layout.width;
        rects.emplace_back(x, 1, w, std::max(1, height - 2));
        x += w + kPaneGap;
    }
    return rects;
}

void StatusBarImpl::PlaceProgress() const
{
    if (owner == nullptr || widget == nullptr)
        return;
    StatusProgress* progress = owner->Progress();
    if (progress == nullptr || progress->Impl().bar == nullptr)
        return;
    const std::vector<QRect> rects = Layout(widget->width(), widget->height());
    const auto index = static_cast<std::size_t>(progress->PaneIndex());
    if (index < rects.size())
        progress->Impl().bar->setGeometry(rects[index].adjusted(1, 1, -1, -1));
}

// ---------------------------------------------------------- StatusBarWidget

QSize StatusBarWidget::sizeHint() const
{
    return {200, std::max(fontMetrics().height() + 8, 22)};
}

void StatusBarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const std::vector<QRect> rects = impl_.Layout(width(), height());
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const StatusPane& pane = impl_.panes[i];
        const QRect& r = rects[i];
        qDrawShadePanel(&painter, r, palette(), true, 1);
        const bool prompting = i == 0 && !impl_.prompt.empty();
        if (!pane.enabled && !prompting)
            continue;
        const QRect inside = r.adjusted(kTextInset, 1, -kTextInset, -1);
        painter.save();
        painter.setClipRect(r.adjusted(1, 1, -1, -1));
        if (prompting) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, DisplayText(impl_.prompt));
        } else if (!pane.picture.isNull()) {
            const QPoint at(r.left() + (r.width() - pane.picture.width()) / 2,
                r.top() + (r.height() - pane.picture.height()) / 2);
            painter.drawImage(at, pane.picture);
        } else if (!pane.text.empty()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, DisplayText(pane.text));
        }
        painter.restore();
    }
}

void StatusBarWidget::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    impl_.PlaceProgress();
}

// ---------------------------------------------------------------- StatusBar

StatusBar::StatusBar(MdiFrame& frame, std::span<const StatusPaneLayout> panes)
    : impl_(std::make_unique<StatusBarImpl>())
{
    impl_->owner = this;
    for (const StatusPaneLayout& layout : panes) {
        StatusPane pane;
        pane.layout = layout;
        pane.layout.width = std::clamp(layout.width, 0, kMaxPaneWidth);
        impl_->panes.push_back(std::move(pane));
    }
    QMainWindow* window = frame.Impl().window.get();
    if (window == nullptr)
        return;
    auto* widget = new StatusBarWidget(*impl_);
    widget->setSizeGripEnabled(false);
    impl_->widget = widget;
    window->setStatusBar(widget);
}

StatusBar::~StatusBar()
{
    progress_.reset();
    delete impl_->widget.data();
}

int StatusBar::PaneCount() const { return static_cast<int>(impl_->panes.size()); }

int StatusBar::IndexOf(int id) const
{
    for (std::size_t i = 0; i < impl_->panes.size(); ++i)
        if (impl_->panes[i].layout.id == id)
            return static_cast<int>(i);
    return -1;
}

int StatusBar::PaneId(int index) const
{
    if (index < 0 || index >= PaneCount())
        return 0;
    return impl_->panes[static_cast<std::size_t>(index)].layout.id;
}

Rect StatusBar::PaneRect(int index) const
{
    if (index < 0 || index >= PaneCount() || impl_->widget == nullptr)
        return {};
    const std::vector<QRect> rects = impl_->Layout(impl_->widget->width(), impl_->widget->height());
    return FromQRect(rects[static_cast<std::size_t>(index)]);
}

void StatusBar::SetPaneText(int index, std::string_view text)
{
    if (index < 0 || index >= PaneCount())
        return;
    impl_->panes[static_cast<std::size_t>(index)].text = std::string(text);
    if (impl_->widget != nullptr && impl_->widget->isVisible())
        impl_->widget->repaint();
}

std::string StatusBar::PaneText(int index) const
{
    if (index < 0 || index >= PaneCount())
        return {};
    return impl_->panes[static_cast<std::size_t>(index)].text;
}

void StatusBar::EnablePane(int index, bool enable)
{
    if (index < 0 || index >= PaneCount())
        return;
    StatusPane& pane = impl_->panes[static_cast<std::size_t>(index)];
    if (pane.enabled == enable)
        return;
    pane.enabled = enable;
    if (impl_->widget != nullptr)
        impl_->widget->update();
}

bool StatusBar::IsPaneEnabled(int index) const
{
    return index >= 0 && index < PaneCount() && impl_->panes[static_cast<std::size_t>(index)].enabled;
}

void StatusBar::SetPanePicture(int index, const Bitmap& picture)
{
    if (index < 0 || index >= PaneCount())
        return;
    impl_->panes[static_cast<std::size_t>(index)].picture = picture.Data().image;
    if (impl_->widget != nullptr)
        impl_->widget->update();
}

void StatusBar::ClearPanePicture(int index)
{
    if (index < 0 || index >= PaneCount())
        return;
    impl_->panes[static_cast<std::size_t>(index)].picture = QImage();
    if (impl_->widget != nullptr)
        impl_->widget->update();
}

void StatusBar::ShowPrompt(std::string_view prompt)
{
    if (impl_->prompt == prompt)
        return;
    impl_->prompt = std::string(prompt);
    if (impl_->widget != nullptr)
        impl_->widget->update();
}

const std::string& StatusBar::Prompt() const { return impl_->prompt; }

StatusProgress* StatusBar::ShowProgress(int index)
{
    if (index < 0 || index >= PaneCount())
        return nullptr;
    progress_.reset();
    SetPaneText(index, {});
    auto impl = std::make_unique<StatusProgressImpl>();
    if (impl_->widget != nullptr) {
        auto* bar = new QProgressBar(impl_->widget);
        bar->setTextVisible(false);
        impl->bar = bar;
    }
    progress_ = std::make_unique<StatusProgress>(index, std::move(impl));
    impl_->PlaceProgress();
    if (StatusProgressImpl& shown = progress_->Impl(); shown.bar != nullptr)
        shown.bar->show();
    return progress_.get();
}

void StatusBar::HideProgress() { progress_.reset(); }

void StatusBar::Show(bool show)
{
    if (impl_->widget != nullptr)
        impl_->widget->setVisible(show);
}

bool StatusBar::IsVisible() const { return impl_->widget != nullptr && !impl_->widget->isHidden(); }

}  // namespace corvane
