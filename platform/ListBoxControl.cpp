#include "platform/ListBoxControl.h"

#include "platform/KeyCodes.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/ControlWidgets.h"
#include "platform/internal/ToolkitCursor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyledItemDelegate>
#include <QTextOption>

#include <algorithm>
#include <array>

namespace corvane {

namespace {

constexpr int kDefaultTabStop = 48;
// The insertion mark: a dotted red line along the gap and, at both ends, an
// arrow pointing into the list. The arrow's outline, from its tip, with x
// growing towards its tail; the arrows lie inside the list's edges.
constexpr std::array<QPoint, 7> kInsertArrow = {{{0, 0}, {5, 5}, {5, 2}, {9, 2}, {9, -1}, {5, -1}, {5, -5}}};
constexpr int kInsertArrowLength = 9;
constexpr QRgb kInsertMarkColour = 0xFFFF0000;

ListBoxWidget* List(const Control& c) { return dynamic_cast<ListBoxWidget*>(c.Impl().widget.data()); }

bool Multiple(const Control& c)
{
    return (c.Style() & (control_style::kMultipleSelection | control_style::kExtendedSelection)) != 0;
}

// Draws an item's text with its tab characters aligned to the list's tab stops.
class TabStopDelegate final : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(ListBoxWidget& list) : QStyledItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget != nullptr ? widget->style() : nullptr;
        if (style == nullptr)
            return;
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setWrapMode(QTextOption::NoWrap);
        const std::vector<int>& stops = list_.tabStops;
        if (stops.size() <= 1) {
            layout.setTabStopDistance(stops.empty() ? kDefaultTabStop : stops.front());
        } else {
            QList<qreal> positions;
            for (int stop : stops)
                positions.append(stop);
            layout.setTabArray(positions);
            layout.setTabStopDistance(std::max(1, stops[stops.size() - 1] - stops[stops.size() - 2]));
        }
        QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        textRect.adjust(margin, 0, -margin, 0);
        painter->save();
        painter->setFont(item.font);
        const bool selected = (item.state & QStyle::State_Selected) != 0;
        const QPalette::ColorGroup group = (item.state & QStyle::State_Enabled) == 0 ? QPalette::Disabled
            : (item.state & QStyle::State_Active) != 0                               ? QPalette::Active
                                                                                     : QPalette::Inactive;
        painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRectF(textRect), text, layout);
        painter->restore();
    }

private:
    ListBoxWidget& list_;
};

MouseEvent ToMouseEvent(const QMouseEvent& event)
{
    MouseEvent mouse;
    if (event.button() == Qt::LeftButton)
        mouse.button = MouseButton::Left;
    else if (event.button() == Qt::RightButton)
        mouse.button = MouseButton::Right;
    else if (event.button() == Qt::MiddleButton)
        mouse.button = MouseButton::Middle;
    const QPoint at = event.position().toPoint();
    mouse.point = {at.x(), at.y()};
    const Qt::MouseButtons held = event.buttons();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const std::array<std::pair<bool, unsigned>, 6> flags = {{
        {held.testFlag(Qt::LeftButton), mouse_flag::kLeft},
        {held.testFlag(Qt::RightButton), mouse_flag::kRight},
        {held.testFlag(Qt::MiddleButton), mouse_flag::kMiddle},
        {modifiers.testFlag(Qt::ShiftModifier), mouse_flag::kShift},
        {modifiers.testFlag(Qt::ControlModifier), mouse_flag::kCtrl},
        {modifiers.testFlag(Qt::AltModifier), mouse_flag::kAlt},
    }};
    for (const auto& [on, flag] : flags)
        if (on)
            mouse.flags |= flag;
    return mouse;
}

}  // namespace

ListBoxWidget::ListBoxWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent)
    : QListWidget(parent)
{
    const int id = layout.id;
    if ((layout.style & control_style::kExtendedSelection) != 0)
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    else if ((layout.style & control_style::kMultipleSelection) != 0)
        setSelectionMode(QAbstractItemView::MultiSelection);
    else
        setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    useTabStops = (layout.style & control_style::kTabStops) != 0;
    if (useTabStops)
        setItemDelegate(new TabStopDelegate(*this));
    connect(this, &QListWidget::itemSelectionChanged, [this, &dialog, &control, id] {
        if (IsUserChange(dialog, control))
            dialog.Notify(Notification::SelectionChanged, id, currentRow());
    });
    connect(this, &QListWidget::itemDoubleClicked, [this, &dialog, id](QListWidgetItem* item) {
        if (!dialog.tearingDown)
            dialog.Notify(Notification::DoubleClicked, id, row(item));
    });
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event)
{
    if (hook == nullptr || !hook->OnButtonDown(ToMouseEvent(*event)))
        QListWidget::mousePressEvent(event);
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (hook == nullptr || !hook->OnMouseMove(ToMouseEvent(*event)))
        QListWidget::mouseMoveEvent(event);
}

void ListBoxWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (hook == nullptr || !hook->OnButtonUp(ToMouseEvent(*event)))
        QListWidget::mouseReleaseEvent(event);
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event)
{
    if (hook == nullptr || !hook->OnKeyDown(KeyFromToolkit(event->key())))
        QListWidget::keyPressEvent(event);
}

void ListBoxWidget::EndOwnTracking()
{
    // Away from every item, so the release makes no click.
    const QPointF away(-1, -1);
    QMouseEvent release(
        QEvent::MouseButtonRelease, away, viewport()->mapToGlobal(away), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QListWidget::mouseReleaseEvent(&release);
}

void ListBoxWidget::OwnClick(QPoint at)
{
    const QPointF local(at);
    const QPointF global(viewport()->mapToGlobal(local));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QListWidget::mousePressEvent(&press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QListWidget::mouseReleaseEvent(&release);
}

void ListBoxWidget::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (insertMark < 0)
        return;
    // The top of the item after the gap, or the bottom of the last item; an
    // empty list marks its top, a gap below the client area its bottom row.
    int y = 0;
    if (count() > 0) {
        const bool afterLast = insertMark >= count();
        const QRect item = visualItemRect(this->item(afterLast ? count() - 1 : insertMark));
        y = std::min(afterLast ? item.bottom() + 1 : item.top(), viewport()->height() - 1);
    }
    const QColor red = QColor::fromRgb(kInsertMarkColour);
    const int right = viewport()->width() - 1;
    QPainter painter(viewport());
    painter.setPen(QPen(red, 1, Qt::DotLine));
    painter.drawLine(0, y, right, y);
    QPolygon leftArrow;
    QPolygon rightArrow;
    for (const QPoint& corner : kInsertArrow) {
        leftArrow << QPoint(kInsertArrowLength - corner.x(), y + corner.y());
        rightArrow << QPoint(right - kInsertArrowLength + corner.x(), y + corner.y());
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawPolygon(leftArrow, Qt::OddEvenFill);
    painter.drawPolygon(rightArrow, Qt::OddEvenFill);
}

int ListBoxControl::AddString(std::string_view text)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr)
        return -1;
    const QString value = ToQString(text);
    int index = list->count();
    if ((Style() & control_style::kSorted) != 0) {
        index = 0;
        while (index < list->count() && QString::compare(list->item(index)->text(), value, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    ProgrammaticChange change(Impl());
    list->insertItem(index, value);
    return index;
}

int ListBoxControl::InsertString(int index, std::string_view text)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || index < -1 || index > list->count())
        return -1;
    const int at = index < 0 ? list->count() : index;
    ProgrammaticChange change(Impl());
    list->insertItem(at, ToQString(text));
    return at;
}

bool ListBoxControl::DeleteString(int index)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || index < 0 || index >= list->count())
        return false;
    ProgrammaticChange change(Impl());
    delete list->takeItem(index);
    return true;
}

void ListBoxControl::ResetContent()
{
    if (ListBoxWidget* list = List(*this)) {
        ProgrammaticChange change(Impl());
        list->clear();
    }
}

int ListBoxControl::GetCount() const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr ? list->count() : 0;
}

std::string ListBoxControl::GetText(int index) const
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || index < 0 || index >= list->count())
        return {};
    return list->item(index)->text().toStdString();
}

bool ListBoxControl::SetItemData(int index, std::intptr_t data)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || index < 0 || index >= list->count())
        return false;
    list->item(index)->setData(kItemDataRole, QVariant::fromValue<qlonglong>(data));
    return true;
}

std::intptr_t ListBoxControl::GetItemData(int index) const
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || index < 0 || index >= list->count())
        return 0;
    return static_cast<std::intptr_t>(list->item(index)->data(kItemDataRole).toLongLong());
}

int ListBoxControl::FindStringExact(int startAfter, std::string_view text) const
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || list->count() == 0)
        return -1;
    const int count = list->count();
    const int first = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
    const QString value = ToQString(text);
    for (int n = 0; n < count; ++n) {
        const int i = (first + n) % count;
        if (QString::compare(list->item(i)->text(), value, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int ListBoxControl::GetCurSel() const
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr)
        return -1;
    if (Multiple(*this))
        return list->currentRow();
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

bool ListBoxControl::SetCurSel(int index)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || Multiple(*this) || index < -1 || index >= list->count())
        return false;
    ProgrammaticChange change(Impl());
    if (index < 0) {
        list->clearSelection();
        list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        return false;
    }
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(index));
    return true;
}

bool ListBoxControl::SetSel(int index, bool select)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || !Multiple(*this) || index < -1 || index >= list->count())
        return false;
    ProgrammaticChange change(Impl());
    if (index < 0) {
        if (select)
            list->selectAll();
        else
            list->clearSelection();
        return true;
    }
    list->item(index)->setSelected(select);
    return true;
}

bool ListBoxControl::GetSel(int index) const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr && index >= 0 && index < list->count() && list->item(index)->isSelected();
}

int ListBoxControl::GetSelCount() const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr ? static_cast<int>(list->selectedItems().size()) : 0;
}

std::vector<int> ListBoxControl::GetSelItems() const
{
    std::vector<int> rows;
    if (ListBoxWidget* list = List(*this)) {
        for (QListWidgetItem* item : list->selectedItems())
            rows.push_back(list->row(item));
        std::sort(rows.begin(), rows.end());
    }
    return rows;
}

void ListBoxControl::SetTabStops(std::span<const int> pixels)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr)
        return;
    // Positions must rise; anything else is dropped.
    list->tabStops.clear();
    for (int stop : pixels)
        if (stop > 0 && (list->tabStops.empty() || stop > list->tabStops.back()))
            list->tabStops.push_back(stop);
    list->viewport()->update();
}

void ListBoxControl::SetMouseHook(ListBoxMouseHook* hook)
{
    if (ListBoxWidget* list = List(*this))
        list->hook = hook;
}

ListBoxMouseHook* ListBoxControl::MouseHook() const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr ? list->hook : nullptr;
}

ListBoxMouseHook* ListBoxControl::MouseHookAt(Point screen)
{
    for (QWidget* w = QApplication::widgetAt(screen.x, screen.y); w != nullptr; w = w->parentWidget())
        if (auto* list = dynamic_cast<ListBoxWidget*>(w)) {
            const QPoint client = list->viewport()->mapFromGlobal(QPoint(screen.x, screen.y));
            return list->isEnabled() && list->viewport()->rect().contains(client) ? list->hook : nullptr;
        }
    return nullptr;
}

int ListBoxControl::DragDistance() { return QApplication::startDragDistance(); }

int ListBoxControl::GetTopIndex() const
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || list->count() == 0)
        return 0;
    const QModelIndex top = list->indexAt(QPoint(0, 0));
    return top.isValid() ? top.row() : 0;
}

bool ListBoxControl::SetTopIndex(int index)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || index < 0 || index >= list->count())
        return false;
    list->scrollToItem(list->item(index), QAbstractItemView::PositionAtTop);
    return true;
}

int ListBoxControl::GetItemHeight() const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr && list->count() > 0 ? list->visualItemRect(list->item(0)).height() : 0;
}

Size ListBoxControl::ClientSize() const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr ? Size{list->viewport()->width(), list->viewport()->height()} : Size{};
}

int ListBoxControl::ItemFromPoint(Point client) const
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr)
        return -1;
    const QModelIndex index = list->indexAt(QPoint(client.x, client.y));
    return index.isValid() ? index.row() : -1;
}

Point ListBoxControl::ClientToScreen(Point client) const
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr)
        return client;
    const QPoint p = list->viewport()->mapToGlobal(QPoint(client.x, client.y));
    return {p.x(), p.y()};
}

Point ListBoxControl::ScreenToClient(Point screen) const
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr)
        return screen;
    const QPoint p = list->viewport()->mapFromGlobal(QPoint(screen.x, screen.y));
    return {p.x(), p.y()};
}

void ListBoxControl::SetCapture()
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr)
        return;
    list->capture = true;
    if (list->viewport()->isVisible())
        list->viewport()->grabMouse();
}

void ListBoxControl::ReleaseCapture()
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || !list->capture)
        return;
    list->capture = false;
    if (QWidget::mouseGrabber() == list->viewport())
        list->viewport()->releaseMouse();
}

bool ListBoxControl::HasCapture() const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr && list->capture;
}

void ListBoxControl::EndButtonTracking()
{
    if (ListBoxWidget* list = List(*this))
        list->EndOwnTracking();
}

void ListBoxControl::PassClick(Point client)
{
    if (ListBoxWidget* list = List(*this))
        list->OwnClick(QPoint(client.x, client.y));
}

void ListBoxControl::SetCursor(const Cursor& cursor)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr || cursor == list->shownCursor)
        return;
    list->shownCursor = cursor;
    list->viewport()->setCursor(internal::ToToolkitCursor(cursor));
}

Cursor ListBoxControl::GetCursor() const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr ? list->shownCursor : Cursor();
}

void ListBoxControl::SetInsertMark(int gap)
{
    ListBoxWidget* list = List(*this);
    if (list == nullptr)
        return;
    const int mark = gap < 0 || gap > list->count() ? -1 : gap;
    if (mark != list->insertMark) {
        list->insertMark = mark;
        list->viewport()->update();
    }
}

int ListBoxControl::GetInsertMark() const
{
    ListBoxWidget* list = List(*this);
    return list != nullptr ? list->insertMark : -1;
}

}  // namespace corvane
