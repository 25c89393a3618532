#include "platform/ControlAutomation.h"

#include "platform/internal/ControlWidgets.h"
#include "platform/internal/DialogInternals.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace corvane::control_automation {

namespace {

Qt::KeyboardModifiers ToolkitModifiers(unsigned modifiers)
{
    Qt::KeyboardModifiers result = Qt::NoModifier;
    if ((modifiers & kShift) != 0)
        result |= Qt::ShiftModifier;
    if ((modifiers & kCtrl) != 0)
        result |= Qt::ControlModifier;
    return result;
}

bool SendClicks(QWidget* target, QPoint at, Qt::KeyboardModifiers modifiers, bool twice)
{
    if (target == nullptr || !target->rect().contains(at))
        return false;
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, local, global, Qt::LeftButton, buttons, modifiers);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (twice) {
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
    }
    return true;
}

// An item of a list or tree view that is on show (its parents expanded),
// scrolled into view.
QTreeWidgetItem* ShownItem(ItemTreeWidget& view, std::intptr_t key)
{
    QTreeWidgetItem* item = view.ItemOf(key);
    if (item == nullptr || item->isHidden())
        return nullptr;
    for (QTreeWidgetItem* parent = item->parent(); parent != nullptr; parent = parent->parent())
        if (!parent->isExpanded() || parent->isHidden())
            return nullptr;
    view.scrollToItem(item);
    return item;
}

// Where a click on the item lands: on its text, clear of its check box.
bool ItemPoint(Control& control, std::intptr_t item, QWidget*& target, QPoint& at)
{
    QWidget* widget = control.Impl().widget.data();
    if (auto* list = dynamic_cast<ListBoxWidget*>(widget)) {
        QListWidgetItem* row = item >= 0 && item < list->count() ? list->item(static_cast<int>(item)) : nullptr;
        if (row == nullptr)
            return false;
        list->scrollToItem(row);
        target = list->viewport();
        at = list->visualItemRect(row).center();
        return true;
    }
    if (auto* view = dynamic_cast<ItemTreeWidget*>(widget)) {
        QTreeWidgetItem* row = ShownItem(*view, item);
        if (row == nullptr)
            return false;
        QRect cell = view->visualRect(view->indexFromItem(row, 0));
        const QRect check = view->CheckBoxRect(row);
        if (!check.isEmpty())
            cell.setLeft(check.right() + 1);
        target = view->viewport();
        at = cell.center();
        // A tree item's text, where a click counts as one on the item.
        if (auto* tree = dynamic_cast<TreeWidget*>(view); tree != nullptr && !tree->LabelRect(row).isEmpty())
            at = tree->LabelRect(row).center();
        return !cell.isEmpty();
    }
    if (auto* strip = dynamic_cast<TabStripWidget*>(widget)) {
        if (item < 0 || item >= strip->Bar()->count())
            return false;
        target = strip->Bar();
        at = strip->Bar()->tabRect(static_cast<int>(item)).center();
        return true;
    }
    return false;
}

// The part of the control that keys go to: the one with the focus, or that
// had it last, or the one the control gives the focus to.
QWidget* KeyTarget(Control& control)
{
    QWidget* widget = control.Impl().widget.data();
    if (widget == nullptr)
        return nullptr;
    if (QWidget* focus = widget->focusWidget(); focus != nullptr && (focus == widget || widget->isAncestorOf(focus)))
        return focus;
    QWidget* target = widget;
    while (target->focusProxy() != nullptr)
        target = target->focusProxy();
    return target;
}

bool SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (target == nullptr)
        return false;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
    return true;
}

}  // namespace

bool ClickItem(Control& control, std::intptr_t item, unsigned modifiers)
{
    QWidget* target = nullptr;
    QPoint at;
    return ItemPoint(control, item, target, at) && SendClicks(target, at, ToolkitModifiers(modifiers), false);
}

bool DoubleClickItem(Control& control, std::intptr_t item)
{
    QWidget* target = nullptr;
    QPoint at;
    return ItemPoint(control, item, target, at) && SendClicks(target, at, Qt::NoModifier, true);
}

bool ClickItemCheckBox(Control& control, std::intptr_t item)
{
    auto* view = dynamic_cast<ItemTreeWidget*>(control.Impl().widget.data());
    QTreeWidgetItem* row = view != nullptr ? ShownItem(*view, item) : nullptr;
    const QRect check = view != nullptr ? view->CheckBoxRect(row) : QRect();
    return !check.isEmpty() && SendClicks(view->viewport(), check.center(), Qt::NoModifier, false);
}

bool ClickItemExpander(Control& control, std::intptr_t item)
{
    auto* tree = dynamic_cast<TreeWidget*>(control.Impl().widget.data());
    QTreeWidgetItem* row = tree != nullptr ? ShownItem(*tree, item) : nullptr;
    if (row == nullptr || row->childCount() == 0)
        return false;
    const QRect button = tree->ExpanderRect(row);
    return !button.isEmpty() && SendClicks(tree->viewport(), button.center(), Qt::NoModifier, false);
}

bool ClickItemImage(Control& control, std::intptr_t item)
{
    if (auto* list = dynamic_cast<ListViewWidget*>(control.Impl().widget.data())) {
        QTreeWidgetItem* row = ShownItem(*list, item);
        const QRect state = row != nullptr ? list->StateImageRect(row) : QRect();
        return !state.isEmpty() && SendClicks(list->viewport(), state.center(), Qt::NoModifier, false);
    }
    auto* tree = dynamic_cast<TreeWidget*>(control.Impl().widget.data());
    QTreeWidgetItem* row = tree != nullptr ? ShownItem(*tree, item) : nullptr;
    const QRect image = row != nullptr ? tree->ImageRect(row) : QRect();
    return !image.isEmpty() && SendClicks(tree->viewport(), image.center(), Qt::NoModifier, false);
}

bool TurnWheel(Control& control, int notches)
{
    auto* view = dynamic_cast<QAbstractScrollArea*>(control.Impl().widget.data());
    if (view == nullptr || notches == 0)
        return false;
    const QPointF at(view->viewport()->rect().center());
    QWheelEvent event(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &event);
    return true;
}

bool ClickSpinArrow(Control& control, bool up)
{
    auto* spin = dynamic_cast<SpinWidget*>(control.Impl().widget.data());
    if (spin == nullptr)
        return false;
    QToolButton* button = up ? spin->upButton : spin->downButton;
    return SendClicks(button, button->rect().center(), Qt::NoModifier, false);
}

bool PressKey(Control& control, Key key, unsigned modifiers)
{
    int code = 0;
    QString text;
    switch (key) {
    case Key::Up: code = Qt::Key_Up; break;
    case Key::Down: code = Qt::Key_Down; break;
    case Key::Left: code = Qt::Key_Left; break;
    case Key::Right: code = Qt::Key_Right; break;
    case Key::PageUp: code = Qt::Key_PageUp; break;
    case Key::PageDown: code = Qt::Key_PageDown; break;
    case Key::Home: code = Qt::Key_Home; break;
    case Key::End: code = Qt::Key_End; break;
    case Key::Space:
        code = Qt::Key_Space;
        text = QStringLiteral(" ");
        break;
    case Key::Return:
        code = Qt::Key_Return;
        text = QStringLiteral("\r");
        break;
    case Key::Backspace: code = Qt::Key_Backspace; break;
    case Key::Plus:
        code = Qt::Key_Plus;
        text = QStringLiteral("+");
        break;
    case Key::Minus:
        code = Qt::Key_Minus;
        text = QStringLiteral("-");
        break;
    case Key::F1: code = Qt::Key_F1; break;
    case Key::Escape: code = Qt::Key_Escape; break;
    }
    return SendKey(KeyTarget(control), code, ToolkitModifiers(modifiers), text);
}

namespace {

// A left-button event at a point of a list box's client area.
bool SendListMouse(Control& control, QEvent::Type type, Point at, unsigned modifiers)
{
    QWidget* target = control.Impl().widget.data();
    if (auto* list = dynamic_cast<ListBoxWidget*>(target))
        target = list->viewport();
    else if (dynamic_cast<PictureWidget*>(target) == nullptr)
        return false;
    const QPoint local(at.x, at.y);
    if (type == QEvent::MouseButtonPress && !target->rect().contains(local))
        return false;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(
        type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held, ToolkitModifiers(modifiers));
    QApplication::sendEvent(target, &event);
    return true;
}

}  // namespace

bool PressMouse(Control& control, Point at, unsigned modifiers)
{
    return SendListMouse(control, QEvent::MouseButtonPress, at, modifiers);
}

bool DragMouse(Control& control, Point to, unsigned modifiers)
{
    return SendListMouse(control, QEvent::MouseMove, to, modifiers);
}

bool ReleaseMouse(Control& control, Point at, unsigned modifiers)
{
    return SendListMouse(control, QEvent::MouseButtonRelease, at, modifiers);
}

bool TypeText(Control& control, std::string_view text)
{
    if (KeyTarget(control) == nullptr)
        return false;
    for (char32_t c : ToQString(text).toStdU32String()) {
        // Printable ASCII keys have their upper-case character's code.
        int code = Qt::Key_unknown;
        if (c >= U' ' && c < 0x7F)
            code = static_cast<int>(c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c);
        const char32_t one[] = {c, 0};
        // The focus may move as the control takes each key.
        SendKey(KeyTarget(control), code, Qt::NoModifier, QString::fromUcs4(one, 1));
    }
    return true;
}

Dialog* OpenModalDialog()
{
    auto* widget = dynamic_cast<DialogWidget*>(QApplication::activeModalWidget());
    return widget != nullptr ? &widget->Owner() : nullptr;
}

}  // namespace corvane::control_automation
