#include "platform/ToolBar.h"

#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/MdiFrame.h"
#include "platform/internal/DrawingData.h"
#include "platform/internal/FrameWidgets.h"

#include <QPixmap>

#include <algorithm>

namespace corvane {

namespace {

Qt::ToolBarArea AreaOf(DockSide side)
{
    switch (side) {
    case DockSide::Bottom: return Qt::BottomToolBarArea;
    case DockSide::Left: return Qt::LeftToolBarArea;
    case DockSide::Right: return Qt::RightToolBarArea;
    case DockSide::Top: break;
    }
    return Qt::TopToolBarArea;
}

constexpr int kMaxButtonSide = 256;

}  // namespace

QImage TransparentImage(const QImage& image, RgbColour key)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = ToQRgb(key) & 0x00FFFFFFu;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0x00FFFFFFu) == keyRgb)
                line[x] = 0;
    }
    return result;
}

ToolBar::ToolBar(MdiFrame& frame, const ToolBarTemplate& layout)
    : frame_(frame), id_(layout.id), impl_(std::make_unique<ToolBarImpl>())
{
    QMainWindow* window = frame.Impl().window.get();
    if (window == nullptr)
        return;
    auto* bar = new QToolBar(window);
    bar->setObjectName(QString("toolbar%1").arg(layout.id));
    const int width = std::clamp(layout.buttonSize.width, 1, kMaxButtonSide);
    const int height = std::clamp(layout.buttonSize.height, 1, kMaxButtonSide);
    bar->setIconSize(QSize(width, height));
    bar->setFloatable(true);
    bar->setMovable(true);
    impl_->bar = bar;

    for (const int id : layout.buttons) {
        if (id == kToolBarSeparator) {
            bar->addSeparator();
            continue;
        }
        auto* action = bar->addAction(QString());
        SetCommandId(*action, id);
        // The button may still look enabled from the last update: the
        // handlers are asked again before the command runs.
        QObject::connect(action, &QAction::triggered, action, [this, id] { frame_.RunEnabledCommand(id); });
        impl_->buttons.push_back(action);
    }
    // The pictures are drawn when the bar first comes into sight, however it
    // is shown (by the program or from the main frame's bar menu): most bars
    // stay hidden while the program starts.
    const ToolBarPictures pictures{layout.bitmapId, layout.transparent, {width, height}};
    QObject::connect(bar, &QToolBar::visibilityChanged, bar, [this, pictures](bool visible) {
        if (visible)
            SetPictures(pictures);
    });
    window->addToolBar(Qt::TopToolBarArea, bar);
}

ToolBar::~ToolBar() { delete impl_->bar.data(); }

void ToolBar::SetPictures(const ToolBarPictures& pictures)
{
    if (impl_->picturesSet)
        return;
    impl_->picturesSet = true;
    const int width = pictures.buttonSize.width;
    const int height = pictures.buttonSize.height;
    const int count = static_cast<int>(impl_->buttons.size());
    const Bitmap& strip = Application::Instance().Bitmaps().Get(pictures.bitmapId, {width * std::max(1, count), height});
    const QImage image = TransparentImage(strip.Data().image, pictures.transparent);
    int picture = 0;
    for (QAction* action : impl_->buttons) {
        // A strip with too few pictures leaves the last buttons blank.
        action->setIcon(QIcon(QPixmap::fromImage(image.copy(picture * width, 0, width, height))));
        ++picture;
    }
}

int ToolBar::ButtonCount() const { return static_cast<int>(impl_->buttons.size()); }

int ToolBar::CommandAt(int button) const
{
    if (button < 0 || button >= ButtonCount())
        return 0;
    return CommandIdOf(impl_->buttons[static_cast<std::size_t>(button)]);
}

void ToolBar::Show(bool show)
{
    if (impl_->bar != nullptr)
        impl_->bar->setVisible(show);
}

bool ToolBar::IsShown() const { return impl_->bar != nullptr && !impl_->bar->isHidden(); }

void ToolBar::Dock(DockSide side)
{
    QToolBar* bar = impl_->bar;
    QMainWindow* window = frame_.Impl().window.get();
    if (bar == nullptr || window == nullptr)
        return;
    const bool shown = !bar->isHidden();
    if (impl_->floating) {
        bar->setWindowFlags(Qt::Widget);
        impl_->floating = false;
    }
    impl_->area = AreaOf(side);
    window->addToolBar(impl_->area, bar);
    bar->setVisible(shown);
}

void ToolBar::Float(Point screenTopLeft)
{
    QToolBar* bar = impl_->bar;
    QMainWindow* window = frame_.Impl().window.get();
    if (bar == nullptr || window == nullptr)
        return;
    const bool shown = !bar->isHidden();
    if (!impl_->floating) {
        window->removeToolBar(bar);
        bar->setParent(window, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        bar->setOrientation(Qt::Horizontal);
        impl_->floating = true;
    }
    bar->adjustSize();
    bar->move(screenTopLeft.x, screenTopLeft.y);
    bar->setVisible(shown);
}

bool ToolBar::IsFloating() const { return impl_->floating; }

bool ToolBar::IsButtonEnabled(int commandId) const
{
    for (const QAction* button : impl_->buttons)
        if (CommandIdOf(button) == commandId)
            return button->isEnabled();
    return false;
}

std::string ToolBar::ButtonToolTip(int commandId) const
{
    for (const QAction* button : impl_->buttons)
        if (CommandIdOf(button) == commandId)
            return button->toolTip().toStdString();
    return {};
}

bool ToolBar::IsButtonChecked(int commandId) const
{
    for (const QAction* button : impl_->buttons)
        if (CommandIdOf(button) == commandId)
            return button->isChecked();
    return false;
}

}  // namespace corvane
