#include "platform/ListViewControl.h"

#include "platform/ImageList.h"
#include "platform/internal/ControlWidgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace corvane {

namespace {

ListViewWidget* View(const Control& c) { return dynamic_cast<ListViewWidget*>(c.Impl().widget.data()); }

Qt::Alignment AlignOf(ColumnAlign align)
{
    switch (align) {
    case ColumnAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlign::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColumnAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// Each text of a row as its column aligns it.
void ApplyAlignment(const ListViewWidget& view, QTreeWidgetItem& item)
{
    for (std::size_t c = 0; c < view.columnAlign.size(); ++c)
        item.setTextAlignment(static_cast<int>(c), view.columnAlign[c]);
}

int FirstSelected(const ListViewWidget& view)
{
    int first = -1;
    for (QTreeWidgetItem* item : view.selectedItems()) {
        const int row = view.indexOfTopLevelItem(item);
        if (row >= 0 && (first < 0 || row < first))
            first = row;
    }
    return first;
}

}  // namespace

ListViewWidget::ListViewWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent)
    : ItemTreeWidget(dialog, control, layout, parent)
{
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode((layout.style & control_style::kExtendedSelection) != 0 ? QAbstractItemView::ExtendedSelection
                                                                             : QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QTreeWidget::itemSelectionChanged, [this] {
        if (IsUserChange(dialog_, control_))
            dialog_.Notify(Notification::SelectionChanged, id_, FirstSelected(*this));
    });
}

std::intptr_t ListViewWidget::KeyOf(const QTreeWidgetItem* item) const
{
    return indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

QTreeWidgetItem* ListViewWidget::ItemOf(std::intptr_t key) const
{
    return key >= 0 && key < topLevelItemCount() ? topLevelItem(static_cast<int>(key)) : nullptr;
}

QRect ListViewWidget::StateImageRect(QTreeWidgetItem* item) const
{
    if (stateImageWidth <= 0 || item == nullptr || item->data(0, kItemStateRole).toInt() <= 0)
        return {};
    QStyleOptionViewItem option = ItemOption(item);
    if (option.rect.isEmpty() || !option.features.testFlag(QStyleOptionViewItem::HasDecoration))
        return {};
    QRect decoration = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
    decoration.setWidth(std::min(decoration.width(), stateImageWidth));
    return decoration;
}

bool ListViewWidget::ClickStateImageAt(const QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    if (item == nullptr || !StateImageRect(item).contains(at))
        return false;
    dialog_.Notify(Notification::ItemChecked, id_, KeyOf(item));
    return true;
}

void ListViewWidget::mousePressEvent(QMouseEvent* event)
{
    if (ClickStateImageAt(event)) {
        swallowRelease_ = true;
        event->accept();
        return;
    }
    ItemTreeWidget::mousePressEvent(event);
}

void ListViewWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click on a state image counts again.
    if (ClickStateImageAt(event)) {
        swallowRelease_ = true;
        event->accept();
        return;
    }
    ItemTreeWidget::mouseDoubleClickEvent(event);
}

void ListViewWidget::keyPressEvent(QKeyEvent* event)
{
    if (stateImageWidth > 0 && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (QTreeWidgetItem* item = currentItem(); item != nullptr && item->data(0, kItemStateRole).toInt() > 0)
            dialog_.Notify(Notification::ItemChecked, id_, KeyOf(item));
        event->accept();
        return;
    }
    ItemTreeWidget::keyPressEvent(event);
}

ListViewControl::~ListViewControl() = default;

int ListViewControl::InsertColumn(int index, std::string_view heading, int width, ColumnAlign align)
{
    ListViewWidget* view = View(*this);
    if (view == nullptr || index < 0)
        return -1;
    const int count = view->columnCount();
    const int at = std::min(index, count);
    ProgrammaticChange change(Impl());
    view->setColumnCount(count + 1);
    // Texts from the new column on move right.
    auto shift = [&](QTreeWidgetItem* item) {
        for (int c = count; c > at; --c)
            item->setText(c, item->text(c - 1));
        item->setText(at, QString());
    };
    QTreeWidgetItem* headerItem = view->headerItem();
    shift(headerItem);
    headerItem->setText(at, ToQString(heading));
    view->columnAlign.insert(view->columnAlign.begin() + at, AlignOf(align));
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        shift(view->topLevelItem(row));
        ApplyAlignment(*view, *view->topLevelItem(row));
    }
    // Shifting moved the sizes with the texts only; the new column gets its own.
    std::vector<int> widths;
    for (int c = 0; c < count; ++c)
        widths.push_back(view->header()->sectionSize(c));
    widths.insert(widths.begin() + at, std::max(0, width));
    for (int c = 0; c <= count; ++c)
        view->header()->resizeSection(c, widths[static_cast<std::size_t>(c)]);
    return at;
}

bool ListViewControl::DeleteColumn(int index)
{
    ListViewWidget* view = View(*this);
    if (view == nullptr || index < 0 || index >= view->columnCount())
        return false;
    const int count = view->columnCount();
    ProgrammaticChange change(Impl());
    std::vector<int> widths;
    for (int c = 0; c < count; ++c)
        if (c != index)
            widths.push_back(view->header()->sectionSize(c));
    auto shift = [&](QTreeWidgetItem* item) {
        for (int c = index; c + 1 < count; ++c)
            item->setText(c, item->text(c + 1));
        item->setText(count - 1, QString());
    };
    view->columnAlign.erase(view->columnAlign.begin() + index);
    shift(view->headerItem());
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        shift(view->topLevelItem(row));
        ApplyAlignment(*view, *view->topLevelItem(row));
    }
    view->setColumnCount(count - 1);
    for (int c = 0; c + 1 < count; ++c)
        view->header()->resizeSection(c, widths[static_cast<std::size_t>(c)]);
    return true;
}

int ListViewControl::GetColumnCount() const
{
    ListViewWidget* view = View(*this);
    return view != nullptr ? view->columnCount() : 0;
}

bool ListViewControl::SetColumnWidth(int index, int width)
{
    ListViewWidget* view = View(*this);
    if (view == nullptr || index < 0 || index >= view->columnCount())
        return false;
    view->header()->resizeSection(index, std::max(0, width));
    return true;
}

int ListViewControl::GetColumnWidth(int index) const
{
    ListViewWidget* view = View(*this);
    if (view == nullptr || index < 0 || index >= view->columnCount())
        return -1;
    return view->header()->sectionSize(index);
}

int ListViewControl::InsertItem(int index, std::string_view text, int image)
{
    ListViewWidget* view = View(*this);
    if (view == nullptr || index < 0)
        return -1;
    const int at = std::min(index, view->topLevelItemCount());
    auto* item = new QTreeWidgetItem();
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setText(0, ToQString(text));
    ApplyAlignment(*view, *item);
    if (view->HasCheckBoxes())
        item->setCheckState(0, Qt::Unchecked);
    item->setData(0, kItemImageRole, image);
    item->setData(0, kItemStateRole, 0);
    ProgrammaticChange change(Impl());
    view->insertTopLevelItem(at, item);
    UpdateItemIcon(at);
    return at;
}

bool ListViewControl::SetItemText(int item, int column, std::string_view text)
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr || column < 0 || column >= std::max(1, view->columnCount()))
        return false;
    row->setText(column, ToQString(text));
    return true;
}

std::string ListViewControl::GetItemText(int item, int column) const
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr || column < 0 || column >= std::max(1, view->columnCount()))
        return {};
    return row->text(column).toStdString();
}

bool ListViewControl::SetItemImage(int item, int image)
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr)
        return false;
    row->setData(0, kItemImageRole, image);
    UpdateItemIcon(item);
    return true;
}

int ListViewControl::GetItemImage(int item) const
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    return row != nullptr ? row->data(0, kItemImageRole).toInt() : -1;
}

bool ListViewControl::DeleteItem(int item)
{
    ListViewWidget* view = View(*this);
    if (view == nullptr || view->ItemOf(item) == nullptr)
        return false;
    ProgrammaticChange change(Impl());
    delete view->takeTopLevelItem(item);
    return true;
}

void ListViewControl::DeleteAllItems()
{
    if (ListViewWidget* view = View(*this)) {
        ProgrammaticChange change(Impl());
        // clear() would also drop the headings.
        while (view->topLevelItemCount() > 0)
            delete view->takeTopLevelItem(view->topLevelItemCount() - 1);
    }
}

int ListViewControl::GetItemCount() const
{
    ListViewWidget* view = View(*this);
    return view != nullptr ? view->topLevelItemCount() : 0;
}

bool ListViewControl::SetItemData(int item, std::intptr_t data)
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr)
        return false;
    row->setData(0, kItemDataRole, QVariant::fromValue<qlonglong>(data));
    return true;
}

std::intptr_t ListViewControl::GetItemData(int item) const
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    return row != nullptr ? static_cast<std::intptr_t>(row->data(0, kItemDataRole).toLongLong()) : 0;
}

int ListViewControl::FindItemData(int startAfter, std::intptr_t data) const
{
    ListViewWidget* view = View(*this);
    if (view == nullptr)
        return -1;
    for (int row = std::max(startAfter + 1, 0); row < view->topLevelItemCount(); ++row)
        if (static_cast<std::intptr_t>(view->topLevelItem(row)->data(0, kItemDataRole).toLongLong()) == data)
            return row;
    return -1;
}

int ListViewControl::GetSelectedItem() const
{
    ListViewWidget* view = View(*this);
    return view != nullptr ? FirstSelected(*view) : -1;
}

int ListViewControl::GetNextSelected(int after) const
{
    ListViewWidget* view = View(*this);
    if (view == nullptr)
        return -1;
    for (int row = std::max(after + 1, 0); row < view->topLevelItemCount(); ++row)
        if (view->topLevelItem(row)->isSelected())
            return row;
    return -1;
}

std::vector<int> ListViewControl::GetSelectedItems() const
{
    std::vector<int> rows;
    for (int row = GetNextSelected(-1); row >= 0; row = GetNextSelected(row))
        rows.push_back(row);
    return rows;
}

int ListViewControl::GetSelectedCount() const
{
    ListViewWidget* view = View(*this);
    return view != nullptr ? static_cast<int>(view->selectedItems().size()) : 0;
}

bool ListViewControl::SetItemSelected(int item, bool selected)
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr)
        return false;
    ProgrammaticChange change(Impl());
    if (!selected) {
        row->setSelected(false);
    } else if (view->selectionMode() == QAbstractItemView::SingleSelection) {
        view->setCurrentItem(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        row->setSelected(true);
        view->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    }
    return true;
}

bool ListViewControl::EnsureVisible(int item)
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr)
        return false;
    view->scrollToItem(row);
    return true;
}

int ListViewControl::GetTopIndex() const
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->itemAt(0, 0) : nullptr;
    const int index = row != nullptr ? view->indexOfTopLevelItem(row) : -1;
    return index >= 0 ? index : 0;
}

bool ListViewControl::GetCheck(int item) const
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    return row != nullptr && view->HasCheckBoxes() && row->checkState(0) == Qt::Checked;
}

bool ListViewControl::SetCheck(int item, bool checked)
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr || !view->HasCheckBoxes())
        return false;
    row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    return true;
}

void ListViewControl::SetImageList(const ImageList& images)
{
    images_ = std::make_unique<ImageList>(images);
    UpdateIconSize();
}

void ListViewControl::SetStateImageList(const ImageList& images)
{
    stateImages_ = std::make_unique<ImageList>(images);
    UpdateIconSize();
}

bool ListViewControl::SetItemState(int item, int state)
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr || state < 0)
        return false;
    row->setData(0, kItemStateRole, state);
    UpdateItemIcon(item);
    return true;
}

int ListViewControl::GetItemState(int item) const
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    return row != nullptr ? row->data(0, kItemStateRole).toInt() : 0;
}

void ListViewControl::UpdateIconSize()
{
    ListViewWidget* view = View(*this);
    if (view == nullptr)
        return;
    const int stateWidth = stateImages_ ? stateImages_->Width() : 0;
    const int imageWidth = images_ ? images_->Width() : 0;
    const int height = std::max(stateImages_ ? stateImages_->Height() : 0, images_ ? images_->Height() : 0);
    view->stateImageWidth = stateWidth;
    view->setIconSize(QSize(stateWidth + imageWidth, height));
    for (int row = 0; row < view->topLevelItemCount(); ++row)
        UpdateItemIcon(row);
}

void ListViewControl::UpdateItemIcon(int item)
{
    ListViewWidget* view = View(*this);
    QTreeWidgetItem* row = view != nullptr ? view->ItemOf(item) : nullptr;
    if (row == nullptr)
        return;
    const int image = row->data(0, kItemImageRole).toInt();
    if (!stateImages_) {
        row->setIcon(0, IconFromList(images_.get(), image, -1));
        return;
    }
    // The state image keeps its place left of the image, so that a row
    // without an image lines up with the others.
    const int state = row->data(0, kItemStateRole).toInt();
    const QIcon stateIcon = IconFromList(stateImages_.get(), state - 1, -1);
    const QIcon imageIcon = IconFromList(images_.get(), image, -1);
    if (stateIcon.isNull() && imageIcon.isNull()) {
        row->setIcon(0, QIcon());
        return;
    }
    const QSize size = view->iconSize();
    QPixmap combined(size);
    combined.fill(Qt::transparent);
    {
        QPainter painter(&combined);
        const int stateWidth = stateImages_->Width();
        if (!stateIcon.isNull())
            painter.drawPixmap(0, 0, stateIcon.pixmap(stateWidth, stateImages_->Height()));
        if (!imageIcon.isNull() && images_)
            painter.drawPixmap(stateWidth, 0, imageIcon.pixmap(images_->Width(), images_->Height()));
    }
    row->setIcon(0, QIcon(combined));
}

}  // namespace corvane
