#include "platform/ListBoxControl.h"

#include "platform/internal/ControlWidgets.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>

#include <algorithm>

namespace corvane {

namespace {

constexpr int kDefaultTabStop = 48;

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

}  // namespace corvane
