#include "platform/Screen.h"

#include "platform/CanvasWindow.h"
#include "platform/internal/CanvasWidget.h"

#include <QApplication>
#include <QScreen>

namespace corvane {

Rect VirtualScreenRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QRect all = screen->virtualGeometry();
    return {all.left(), all.top(), all.left() + all.width(), all.top() + all.height()};
}

WindowHandle WindowFromScreenPoint(Point screenPoint)
{
    for (QWidget* widget = QApplication::widgetAt(screenPoint.x, screenPoint.y); widget != nullptr;
         widget = widget->parentWidget()) {
        if (const auto* canvas = dynamic_cast<const CanvasWidget*>(widget))
            return canvas->Owner().Handle();
    }
    return {};
}

}  // namespace corvane
