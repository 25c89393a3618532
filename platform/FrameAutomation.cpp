#include "platform/FrameAutomation.h"

#include "platform/CanvasWindow.h"
#include "platform/ChildFrame.h"
#include "platform/KeyCodes.h"
#include "platform/MdiFrame.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/FrameWidgets.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>

namespace corvane::frame_automation {

namespace {

int ToolkitKey(int key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return key;
    if (key >= key_code::kF1 && key <= key_code::kF12)
        return Qt::Key_F1 + (key - key_code::kF1);
    switch (key) {
    case key_code::kBackspace: return Qt::Key_Backspace;
    case key_code::kTab: return Qt::Key_Tab;
    case key_code::kReturn: return Qt::Key_Return;
    case key_code::kShift: return Qt::Key_Shift;
    case key_code::kControl: return Qt::Key_Control;
    case key_code::kAlt: return Qt::Key_Alt;
    case key_code::kEscape: return Qt::Key_Escape;
    case key_code::kSpace: return Qt::Key_Space;
    case key_code::kPageUp: return Qt::Key_PageUp;
    case key_code::kPageDown: return Qt::Key_PageDown;
    case key_code::kEnd: return Qt::Key_End;
    case key_code::kHome: return Qt::Key_Home;
    case key_code::kLeft: return Qt::Key_Left;
    case key_code::kUp: return Qt::Key_Up;
    case key_code::kRight: return Qt::Key_Right;
    case key_code::kDown: return Qt::Key_Down;
    case key_code::kInsert: return Qt::Key_Insert;
    case key_code::kDelete: return Qt::Key_Delete;
    default: return 0;
    }
}

Qt::KeyboardModifiers ToolkitModifiers(unsigned modifiers)
{
    Qt::KeyboardModifiers result = Qt::NoModifier;
    if ((modifiers & key_modifier::kShift) != 0)
        result |= Qt::ShiftModifier;
    if ((modifiers & key_modifier::kCtrl) != 0)
        result |= Qt::ControlModifier;
    if ((modifiers & key_modifier::kAlt) != 0)
        result |= Qt::AltModifier;
    return result;
}

QString KeyText(int key, unsigned modifiers)
{
    if ((modifiers & (key_modifier::kCtrl | key_modifier::kAlt)) != 0)
        return {};
    if (key >= 'A' && key <= 'Z')
        return QString(QChar((modifiers & key_modifier::kShift) != 0 ? key : key - 'A' + 'a'));
    if ((key >= '0' && key <= '9') || key == key_code::kSpace)
        return QString(QChar(key));
    return {};
}

bool SendKeyTo(QWidget* target, int key, unsigned modifiers)
{
    const int toolkitKey = ToolkitKey(key);
    if (target == nullptr || toolkitKey == 0)
        return false;
    const QString text = KeyText(key, modifiers);
    QPointer<QWidget> guard = target;
    QKeyEvent press(QEvent::KeyPress, toolkitKey, ToolkitModifiers(modifiers), text);
    QApplication::sendEvent(target, &press);
    if (guard == nullptr)
        return true;
    QKeyEvent release(QEvent::KeyRelease, toolkitKey, ToolkitModifiers(modifiers), text);
    QApplication::sendEvent(target, &release);
    return true;
}

// The item of the command in the menus shown on the frame's bar, and the
// popup that holds it.
bool FindMenuItem(const QList<QAction*>& actions, QMenu* holder, int commandId, QMenu*& menu, QAction*& item)
{
    for (QAction* action : actions) {
        if (CommandIdOf(action) == commandId) {
            menu = holder;
            item = action;
            return true;
        }
        if (QMenu* sub = action->menu(); sub != nullptr && FindMenuItem(sub->actions(), sub, commandId, menu, item))
            return true;
    }
    return false;
}

bool FindFrameMenuItem(MdiFrame& frame, int commandId, QMenu*& menu, QAction*& item)
{
    const MdiFrameImpl& d = frame.Impl();
    if (!d.window)
        return false;
    return FindMenuItem(d.window->menuBar()->actions(), nullptr, commandId, menu, item);
}

// Opening a popup updates its items (and those of the popups around it).
void OpenAround(QMenu* menu)
{
    std::vector<QMenu*> chain;
    for (QObject* o = menu; o != nullptr; o = o->parent())
        if (auto* m = qobject_cast<QMenu*>(o))
            chain.insert(chain.begin(), m);
    for (QMenu* m : chain)
        Q_EMIT m->aboutToShow();
}

std::string ToText(const QString& text) { return text.toStdString(); }

}  // namespace

std::vector<std::string> MenuBarTitles(const MdiFrame& frame)
{
    std::vector<std::string> titles;
    const MdiFrameImpl& d = frame.Impl();
    if (!d.window)
        return titles;
    for (const QAction* action : d.window->menuBar()->actions())
        titles.push_back(ToText(action->text()));
    return titles;
}

std::vector<std::string> MenuItemTexts(const MdiFrame& frame, std::string_view title)
{
    std::vector<std::string> texts;
    const MdiFrameImpl& d = frame.Impl();
    if (!d.window)
        return texts;
    for (const QAction* entry : d.window->menuBar()->actions()) {
        const QMenu* menu = entry->menu();
        if (menu == nullptr || ToText(entry->text()) != title)
            continue;
        for (const QAction* action : menu->actions())
            texts.push_back(action->isSeparator() ? std::string() : ToText(action->text()));
        break;
    }
    return texts;
}

MenuItemLook LookAtMenuItem(MdiFrame& frame, int commandId)
{
    MenuItemLook look;
    QMenu* menu = nullptr;
    QAction* item = nullptr;
    if (!FindFrameMenuItem(frame, commandId, menu, item))
        return look;
    if (menu != nullptr)
        OpenAround(menu);
    else
        frame.UpdateCommandUi();
    look.found = true;
    look.enabled = item->isEnabled();
    look.checked = item->isChecked();
    look.text = ToText(item->text());
    look.prompt = ToText(item->statusTip());
    return look;
}

bool ChooseMenuItem(MdiFrame& frame, int commandId)
{
    QMenu* menu = nullptr;
    QAction* item = nullptr;
    if (!FindFrameMenuItem(frame, commandId, menu, item))
        return false;
    if (menu != nullptr)
        OpenAround(menu);
    else
        frame.UpdateCommandUi();
    if (!item->isEnabled())
        return false;
    item->trigger();
    return true;
}

bool PressKey(MdiFrame& frame, int key, unsigned modifiers)
{
    QMainWindow* window = frame.Impl().window.get();
    if (window == nullptr)
        return false;
    // The widget that has (or last had) the focus in the frame's window.
    QWidget* focus = window->focusWidget();
    QWidget* target = focus != nullptr ? focus : window;
    return SendKeyTo(target, key, modifiers);
}

bool ClickToolBarButton(MdiFrame& frame, int commandId)
{
    for (int index = 0; index < frame.ToolBarCount(); ++index) {
        const ToolBarImpl& bar = frame.GetToolBar(index)->Impl();
        for (QAction* button : bar.buttons) {
            if (CommandIdOf(button) != commandId || bar.bar == nullptr)
                continue;
            frame.UpdateCommandUi();
            auto* widget = qobject_cast<QToolButton*>(bar.bar->widgetForAction(button));
            if (widget == nullptr || !button->isEnabled())
                return false;
            widget->click();
            return true;
        }
    }
    return false;
}

bool HoverToolBarButton(MdiFrame& frame, int commandId, bool over)
{
    for (int index = 0; index < frame.ToolBarCount(); ++index) {
        const ToolBarImpl& bar = frame.GetToolBar(index)->Impl();
        for (QAction* button : bar.buttons) {
            if (CommandIdOf(button) != commandId || bar.bar == nullptr)
                continue;
            QWidget* widget = bar.bar->widgetForAction(button);
            if (widget == nullptr)
                return false;
            if (over) {
                const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
                QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
                QApplication::sendEvent(widget, &enter);
            } else {
                QEvent leave(QEvent::Leave);
                QApplication::sendEvent(widget, &leave);
            }
            return true;
        }
    }
    return false;
}

bool CloseChildFrame(ChildFrame& child)
{
    QMdiSubWindow* sub = child.Impl().sub;
    if (sub == nullptr)
        return false;
    sub->close();
    return true;
}

bool SendMouse(CanvasWindow& window, MouseAction action, MouseButton button, Point point, unsigned modifiers)
{
    CanvasWidget* canvas = window.Canvas().canvas;
    if (canvas == nullptr)
        return false;
    Qt::MouseButton qtButton = Qt::NoButton;
    switch (button) {
    case MouseButton::Left: qtButton = Qt::LeftButton; break;
    case MouseButton::Right: qtButton = Qt::RightButton; break;
    case MouseButton::Middle: qtButton = Qt::MiddleButton; break;
    case MouseButton::None: break;
    }
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton changed = qtButton;
    Qt::MouseButtons held = qtButton;
    switch (action) {
    case MouseAction::Press: type = QEvent::MouseButtonPress; break;
    case MouseAction::Release:
        type = QEvent::MouseButtonRelease;
        held = Qt::NoButton;
        break;
    case MouseAction::DoubleClick: type = QEvent::MouseButtonDblClick; break;
    case MouseAction::Move: changed = Qt::NoButton; break;
    }
    const QPointF local(point.x, point.y);
    const QPointF global(canvas->mapToGlobal(QPoint(point.x, point.y)));
    QMouseEvent event(type, local, global, changed, held, ToolkitModifiers(modifiers));
    QApplication::sendEvent(canvas, &event);
    return true;
}

bool MovePointer(Point screenPoint)
{
    QCursor::setPos(screenPoint.x, screenPoint.y);
    QApplication::processEvents();
    return true;
}

bool TurnWheel(CanvasWindow& window, Point point, int notches)
{
    CanvasWidget* canvas = window.Canvas().canvas;
    if (canvas == nullptr || notches == 0)
        return false;
    const QPointF local(point.x, point.y);
    const QPointF global(canvas->mapToGlobal(QPoint(point.x, point.y)));
    QWheelEvent event(local, global, QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &event);
    return true;
}

bool SendKey(CanvasWindow& window, int key, unsigned modifiers)
{
    return SendKeyTo(window.Canvas().canvas, key, modifiers);
}

std::string ToolTipAt(CanvasWindow& window, Point point)
{
    CanvasWidget* canvas = window.Canvas().canvas;
    if (canvas == nullptr)
        return {};
    const QPoint local(point.x, point.y);
    QHelpEvent event(QEvent::ToolTip, local, canvas->mapToGlobal(local));
    QApplication::sendEvent(canvas, &event);
    const std::string text = window.Canvas().toolTip;
    QToolTip::hideText();
    return text;
}

bool ChooseOpenPopupItem(int commandId)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr)
        return false;
    for (QAction* action : menu->actions()) {
        if (CommandIdOf(action) != commandId)
            continue;
        if (!action->isEnabled() || !action->isVisible())
            return false;
        menu->setActiveAction(action);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &press);
        return true;
    }
    return false;
}

std::vector<std::string> OpenPopupTexts()
{
    std::vector<std::string> texts;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        for (const QAction* action : menu->actions())
            texts.push_back(action->isSeparator() ? std::string() : ToText(action->text()));
    return texts;
}

bool DismissOpenPopup()
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr)
        return false;
    menu->close();
    return true;
}

}  // namespace corvane::frame_automation
