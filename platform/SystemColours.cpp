#include "platform/SystemColours.h"

#include <QApplication>
#include <QPalette>

namespace corvane {

RgbColour GetSystemColour(SystemColour part)
{
    const QPalette palette = QApplication::palette();
    QColor colour;
    switch (part) {
    case SystemColour::ButtonFace: colour = palette.color(QPalette::Button); break;
    case SystemColour::Menu: colour = palette.color(QPalette::Window); break;
    case SystemColour::WindowText: colour = palette.color(QPalette::WindowText); break;
    case SystemColour::ScrollBar: colour = palette.color(QPalette::Mid); break;
    case SystemColour::ToolTip: colour = palette.color(QPalette::ToolTipBase); break;
    }
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
        static_cast<std::uint8_t>(colour.blue())};
}

}  // namespace corvane
