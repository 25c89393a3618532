#include "platform/TreeViewControl.h"

#include "platform/ImageList.h"
#include "platform/TreeViewInputHook.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/ControlWidgets.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyleOption>
#include <QTreeWidgetItemIterator>
#include <QWheelEvent>

#include <functional>
#include <utility>

namespace corvane {

namespace {

TreeWidget* Tree(const Control& c) { return dynamic_cast<TreeWidget*>(c.Impl().widget.data()); }

// Keeps the tree's one selected item unless the handlers of
// SelectionChanging let the user move it. The views select through here
// from mouse and keyboard alike; the program's own changes pass (see
// TreeWidget::MaySelect).
class GatedSelectionModel final : public QItemSelectionModel {
public:
    GatedSelectionModel(QAbstractItemModel* model, TreeWidget& tree) : QItemSelectionModel(model, &tree), tree_(tree) {}

    using QItemSelectionModel::select;

    void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override
    {
        refused_ = QPersistentModelIndex();
        if (command == NoUpdate) {
            QItemSelectionModel::setCurrentIndex(index, command);
            return;
        }
        if (!Allowed(index)) {
            // The view goes on to select the same item: refused already.
            refused_ = index.siblingAtColumn(0);
            return;
        }
        // The selection that follows is the one just allowed.
        approved_ = index.siblingAtColumn(0);
        QItemSelectionModel::setCurrentIndex(index, command);
        approved_ = QPersistentModelIndex();
    }

    void select(const QItemSelection& selection, SelectionFlags command) override
    {
        const QPersistentModelIndex refused = std::exchange(refused_, QPersistentModelIndex());
        if (command.testFlag(Select) && !selection.isEmpty()) {
            const QModelIndex target = selection.indexes().constFirst().siblingAtColumn(0);
            if ((refused.isValid() && target == refused) || !Allowed(target)) {
                // Refused: the caret goes back to the selected item.
                const QModelIndexList selected = selectedIndexes();
                if (!selected.isEmpty())
                    QItemSelectionModel::setCurrentIndex(selected.constFirst(), NoUpdate);
                return;
            }
        }
        QItemSelectionModel::select(selection, command);
    }

private:
    bool Allowed(const QModelIndex& index)
    {
        if (!index.isValid())
            return true;
        const QModelIndex row = index.siblingAtColumn(0);
        if (row == approved_ || isSelected(row))
            return true;
        return tree_.MaySelect(row);
    }

    TreeWidget& tree_;
    QPersistentModelIndex approved_;
    QPersistentModelIndex refused_;
};

void ForEachBelow(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& visit)
{
    visit(item);
    for (int i = 0; i < item->childCount(); ++i)
        ForEachBelow(item->child(i), visit);
}

}  // namespace

// --------------------------------------------------------------- TreeWidget

TreeWidget::TreeWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent)
    : ItemTreeWidget(dialog, control, layout, parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);  // done here, after the handlers of ItemExpanding
    setAnimated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Long texts scroll sideways rather than being cut short.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QItemSelectionModel* old = selectionModel();
    auto* gated = new GatedSelectionModel(model(), *this);
    setSelectionModel(gated);
    delete old;
    // The widget's own selection signals stay with the model it was made with.
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()})
        connect(bar, &QAbstractSlider::actionTriggered, [this](int) {
            if (hook != nullptr)
                hook->OnTreeScroll();
        });
    connect(gated, &QItemSelectionModel::selectionChanged, [this] {
        if (!IsUserChange(dialog_, control_))
            return;
        const QList<QTreeWidgetItem*> selected = selectedItems();
        dialog_.Notify(Notification::SelectionChanged, id_, selected.isEmpty() ? 0 : KeyOf(selected.front()));
    });
}

std::intptr_t TreeWidget::KeyOf(const QTreeWidgetItem* item) const
{
    return item != nullptr ? static_cast<std::intptr_t>(item->data(0, kItemHandleRole).toLongLong()) : 0;
}

QTreeWidgetItem* TreeWidget::ItemOf(std::intptr_t key) const
{
    auto it = items_.find(key);
    return it == items_.end() ? nullptr : it->second;
}

std::intptr_t TreeWidget::Register(QTreeWidgetItem* item)
{
    const std::intptr_t handle = nextHandle_++;
    item->setData(0, kItemHandleRole, QVariant::fromValue<qlonglong>(handle));
    items_[handle] = item;
    return handle;
}

void TreeWidget::Forget(QTreeWidgetItem* item)
{
    ForEachBelow(item, [this](QTreeWidgetItem* each) {
        items_.erase(KeyOf(each));
        glyphs.erase(KeyOf(each));
    });
}

QRect TreeWidget::ImageRect(QTreeWidgetItem* item) const
{
    QStyleOptionViewItem option = ItemOption(item);
    if (option.rect.isEmpty() || !option.features.testFlag(QStyleOptionViewItem::HasDecoration))
        return {};
    return style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
}

QRect TreeWidget::LabelRect(QTreeWidgetItem* item) const
{
    QStyleOptionViewItem option = ItemOption(item);
    if (option.rect.isEmpty())
        return {};
    const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    // Only as wide as the text with its margins, as the label of a tree item is.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int width = option.fontMetrics.horizontalAdvance(option.text) + 2 * margin;
    return QRect(text.left(), option.rect.top(), width, option.rect.height());
}

void TreeWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    ItemTreeWidget::mouseReleaseEvent(event);
    if (click && hook != nullptr)
        hook->OnTreeClick({event->position().toPoint().x(), event->position().toPoint().y()});
}

void TreeWidget::wheelEvent(QWheelEvent* event)
{
    if (hook != nullptr)
        hook->OnTreeScroll();
    ItemTreeWidget::wheelEvent(event);
}

void TreeWidget::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    ItemTreeWidget::drawRow(painter, option, index);
    QTreeWidgetItem* item = itemFromIndex(index);
    const auto glyph = glyphs.find(KeyOf(item));
    if (glyph == glyphs.end() || glyph->second.kind == TreeGlyphKind::None)
        return;
    const QRect image = ImageRect(item);
    if (!image.isEmpty())
        DrawGlyph(*painter, image, glyph->second);
}

void TreeWidget::DrawGlyph(QPainter& painter, const QRect& image, const TreeItemGlyph& glyph) const
{
    painter.save();
    if (glyph.kind == TreeGlyphKind::ColourSwatch) {
        painter.fillRect(image, QColor(glyph.colour.red, glyph.colour.green, glyph.colour.blue));
        painter.restore();
        return;
    }
    const bool box = glyph.kind == TreeGlyphKind::CheckBox;
    painter.fillRect(
        image, box && glyph.partlyChecked ? palette().color(QPalette::Button) : palette().color(QPalette::Base));
    // A 16 x 16 square centred in the image.
    const QPoint centre((image.left() + image.right() + 1) / 2, (image.top() + image.bottom() + 1) / 2);
    const QRect square(centre.x() - 8, centre.y() - 8, 16, 16);
    if (themedGlyphs) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = square;
        button.state = (glyph.enabled ? QStyle::State_Enabled : QStyle::State_None)
            | (glyph.checked ? QStyle::State_On : QStyle::State_Off);
        style()->drawPrimitive(
            box ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, &button, &painter, this);
        painter.restore();
        return;
    }
    // Plain framed glyphs: a sunken square or circle, a tick or a dot.
    const QColor ink = glyph.enabled ? QColor(0, 0, 0) : QColor(128, 128, 128);
    const QRect inner = square.adjusted(1, 1, -2, -2);
    painter.setRenderHint(QPainter::Antialiasing, !box);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.setBrush(glyph.enabled ? QColor(255, 255, 255) : QColor(192, 192, 192));
    if (box)
        painter.drawRect(inner);
    else
        painter.drawEllipse(inner);
    if (glyph.checked) {
        painter.setPen(QPen(ink, 2));
        painter.setBrush(ink);
        if (box) {
            QPainterPath tick;
            tick.moveTo(inner.left() + 3, inner.center().y());
            tick.lineTo(inner.left() + 6, inner.bottom() - 3);
            tick.lineTo(inner.right() - 3, inner.top() + 3);
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(tick);
        } else {
            painter.drawEllipse(inner.center() + QPoint(1, 1), 2, 2);
        }
    }
    painter.restore();
}

bool TreeWidget::ExpandByUser(QTreeWidgetItem* item, bool expand)
{
    if (item == nullptr || item->childCount() == 0 || item->isExpanded() == expand)
        return false;
    const std::intptr_t handle = KeyOf(item);
    if (IsUserChange(dialog_, control_) && NotifyRefusable(dialog_, Notification::ItemExpanding, id_, handle))
        return false;
    // A handler may have deleted the item or changed it.
    item = ItemOf(handle);
    if (item == nullptr || item->childCount() == 0 || item->isExpanded() == expand)
        return false;
    item->setExpanded(expand);
    return true;
}

bool TreeWidget::MaySelect(const QModelIndex& index)
{
    if (!IsUserChange(dialog_, control_))
        return true;
    return !NotifyRefusable(dialog_, Notification::SelectionChanging, id_, KeyOf(itemFromIndex(index)));
}

QRect TreeWidget::ExpanderRect(QTreeWidgetItem* item) const
{
    if (item == nullptr)
        return {};
    const QRect cell = visualRect(indexFromItem(item, 0));
    if (cell.isEmpty())
        return {};
    // The button sits in the indentation just before the item's cell.
    const int indent = indentation();
    QStyleOption option;
    option.initFrom(this);
    option.rect = isRightToLeft() ? QRect(cell.right() + 1, cell.top(), indent, cell.height())
                                  : QRect(cell.left() - indent, cell.top(), indent, cell.height());
    return style()->subElementRect(QStyle::SE_TreeViewDisclosureItem, &option, this);
}

QTreeWidgetItem* TreeWidget::ExpanderAt(const QPoint& position) const
{
    QTreeWidgetItem* item = itemAt(position);
    if (item == nullptr || item->childCount() == 0 || !ExpanderRect(item).contains(position))
        return nullptr;
    return item;
}

bool TreeWidget::ToggleAtExpander(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    QTreeWidgetItem* item = ExpanderAt(event->position().toPoint());
    if (item == nullptr)
        return false;
    ExpandByUser(item, !item->isExpanded());
    swallowRelease_ = true;
    event->accept();
    return true;
}

void TreeWidget::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    if (pressed_ && hook != nullptr) {
        hook->OnTreeButtonDown({event->position().toPoint().x(), event->position().toPoint().y()});
        if (!dialog_.open)
            return;
    }
    if (ToggleAtExpander(event))
        return;
    ItemTreeWidget::mousePressEvent(event);
}

void TreeWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (ToggleAtExpander(event))
        return;
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    const std::intptr_t handle = KeyOf(item);
    const bool onItem = item != nullptr && item == currentItem();
    ItemTreeWidget::mouseDoubleClickEvent(event);
    // After the DoubleClicked notification, a double click on an item
    // expands or collapses it.
    if (onItem && event->button() == Qt::LeftButton) {
        if (QTreeWidgetItem* still = ItemOf(handle);
            still != nullptr && !CheckBoxRect(still).contains(event->position().toPoint()))
            ExpandByUser(still, !still->isExpanded());
    }
}

void TreeWidget::keyPressEvent(QKeyEvent* event)
{
    if (hook != nullptr) {
        const QString typed = event->text();
        if (typed.size() == 1 && typed.at(0).isPrint() && hook->OnTreeChar(typed.at(0).unicode())) {
            event->accept();
            return;
        }
        if (hook->OnTreeKeyDown(KeyFromToolkit(event->key()))) {
            event->accept();
            return;
        }
    }
    QTreeWidgetItem* item = currentItem();
    const bool plain = (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    if (item != nullptr && plain) {
        switch (event->key()) {
        case Qt::Key_Plus:
            ExpandByUser(item, true);
            event->accept();
            return;
        case Qt::Key_Minus:
            ExpandByUser(item, false);
            event->accept();
            return;
        case Qt::Key_Asterisk: {
            std::vector<std::intptr_t> below;
            ForEachBelow(item, [&](QTreeWidgetItem* each) { below.push_back(KeyOf(each)); });
            for (std::intptr_t handle : below)
                ExpandByUser(ItemOf(handle), true);
            event->accept();
            return;
        }
        case Qt::Key_Right:
            if (item->childCount() > 0 && !item->isExpanded()) {
                ExpandByUser(item, true);
                event->accept();
                return;
            }
            break;
        case Qt::Key_Left:
            if (item->childCount() > 0 && item->isExpanded()) {
                ExpandByUser(item, false);
                event->accept();
                return;
            }
            break;
        default: break;
        }
    }
    ItemTreeWidget::keyPressEvent(event);
}

// One item is selected at a time; the user cannot clear the selection.
QItemSelectionModel::SelectionFlags TreeWidget::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags flags = ItemTreeWidget::selectionCommand(index, event);
    if (!index.isValid()
        || (flags.testFlag(QItemSelectionModel::Deselect) && !flags.testFlag(QItemSelectionModel::Select)))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

// ---------------------------------------------------------- TreeViewControl

TreeViewControl::~TreeViewControl() = default;

TreeItem TreeViewControl::InsertItem(
    std::string_view text, TreeItem parent, TreeItem after, int image, int selectedImage)
{
    TreeWidget* tree = Tree(*this);
    if (tree == nullptr)
        return 0;
    QTreeWidgetItem* parentItem = nullptr;
    if (parent != kTreeRoot && (parentItem = tree->ItemOf(parent)) == nullptr)
        return 0;
    const int count = parentItem != nullptr ? parentItem->childCount() : tree->topLevelItemCount();
    auto childAt = [&](int i) { return parentItem != nullptr ? parentItem->child(i) : tree->topLevelItem(i); };
    const QString value = ToQString(text);
    int position = count;
    if (after == kTreeFirst) {
        position = 0;
    } else if (after == kTreeSorted) {
        position = 0;
        while (position < count && QString::compare(childAt(position)->text(0), value, Qt::CaseInsensitive) <= 0)
            ++position;
    } else if (after != kTreeLast) {
        // After a sibling; anything else appends.
        QTreeWidgetItem* sibling = tree->ItemOf(after);
        if (sibling != nullptr && sibling->parent() == parentItem)
            position
                = (parentItem != nullptr ? parentItem->indexOfChild(sibling) : tree->indexOfTopLevelItem(sibling)) + 1;
    }
    auto* item = new QTreeWidgetItem();
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setText(0, value);
    if (tree->HasCheckBoxes())
        item->setCheckState(0, Qt::Unchecked);
    item->setData(0, kItemImageRole, image);
    item->setData(0, kItemSelectedImageRole, selectedImage);
    item->setIcon(0, IconFromList(images_.get(), image, selectedImage));
    ProgrammaticChange change(Impl());
    if (parentItem != nullptr)
        parentItem->insertChild(position, item);
    else
        tree->insertTopLevelItem(position, item);
    return tree->Register(item);
}

bool TreeViewControl::DeleteItem(TreeItem item)
{
    if (item == kTreeRoot) {
        DeleteAllItems();
        return true;
    }
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return false;
    ProgrammaticChange change(Impl());
    tree->Forget(found);
    delete found;
    return true;
}

void TreeViewControl::DeleteAllItems()
{
    if (TreeWidget* tree = Tree(*this)) {
        ProgrammaticChange change(Impl());
        tree->ForgetAll();
        tree->clear();
    }
}

int TreeViewControl::GetCount() const
{
    TreeWidget* tree = Tree(*this);
    return tree != nullptr ? tree->Count() : 0;
}

bool TreeViewControl::Exists(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    return tree != nullptr && tree->ItemOf(item) != nullptr;
}

std::string TreeViewControl::GetItemText(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    return found != nullptr ? found->text(0).toStdString() : std::string();
}

bool TreeViewControl::SetItemText(TreeItem item, std::string_view text)
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return false;
    found->setText(0, ToQString(text));
    return true;
}

bool TreeViewControl::SetItemData(TreeItem item, std::intptr_t data)
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return false;
    found->setData(0, kItemDataRole, QVariant::fromValue<qlonglong>(data));
    return true;
}

std::intptr_t TreeViewControl::GetItemData(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    return found != nullptr ? static_cast<std::intptr_t>(found->data(0, kItemDataRole).toLongLong()) : 0;
}

bool TreeViewControl::SetItemImage(TreeItem item, int image, int selectedImage)
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return false;
    found->setData(0, kItemImageRole, image);
    found->setData(0, kItemSelectedImageRole, selectedImage);
    found->setIcon(0, IconFromList(images_.get(), image, selectedImage));
    return true;
}

TreeItem TreeViewControl::GetRootItem() const { return GetChildItem(kTreeRoot); }

TreeItem TreeViewControl::GetParentItem(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    return found != nullptr ? tree->KeyOf(found->parent()) : 0;
}

TreeItem TreeViewControl::GetChildItem(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    if (tree == nullptr)
        return 0;
    if (item == kTreeRoot)
        return tree->KeyOf(tree->topLevelItem(0));
    QTreeWidgetItem* found = tree->ItemOf(item);
    return found != nullptr ? tree->KeyOf(found->child(0)) : 0;
}

TreeItem TreeViewControl::GetNextSiblingItem(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return 0;
    if (QTreeWidgetItem* parent = found->parent())
        return tree->KeyOf(parent->child(parent->indexOfChild(found) + 1));
    return tree->KeyOf(tree->topLevelItem(tree->indexOfTopLevelItem(found) + 1));
}

TreeItem TreeViewControl::GetPrevSiblingItem(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return 0;
    if (QTreeWidgetItem* parent = found->parent())
        return tree->KeyOf(parent->child(parent->indexOfChild(found) - 1));
    return tree->KeyOf(tree->topLevelItem(tree->indexOfTopLevelItem(found) - 1));
}

bool TreeViewControl::ItemHasChildren(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    return found != nullptr && found->childCount() > 0;
}

bool TreeViewControl::Expand(TreeItem item, bool expand)
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return false;
    ProgrammaticChange change(Impl());
    found->setExpanded(expand);
    return true;
}

bool TreeViewControl::IsExpanded(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    return found != nullptr && found->childCount() > 0 && found->isExpanded();
}

bool TreeViewControl::EnsureVisible(TreeItem item)
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return false;
    ProgrammaticChange change(Impl());
    for (QTreeWidgetItem* parent = found->parent(); parent != nullptr; parent = parent->parent())
        parent->setExpanded(true);
    tree->scrollToItem(found);
    return true;
}

bool TreeViewControl::SelectItem(TreeItem item)
{
    TreeWidget* tree = Tree(*this);
    if (tree == nullptr)
        return false;
    ProgrammaticChange change(Impl());
    if (item == 0) {
        tree->clearSelection();
        tree->setCurrentItem(nullptr);
        return true;
    }
    QTreeWidgetItem* found = tree->ItemOf(item);
    if (found == nullptr)
        return false;
    tree->setCurrentItem(found, 0, QItemSelectionModel::ClearAndSelect);
    tree->scrollToItem(found);
    return true;
}

TreeItem TreeViewControl::GetSelectedItem() const
{
    TreeWidget* tree = Tree(*this);
    if (tree == nullptr)
        return 0;
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    return selected.isEmpty() ? 0 : tree->KeyOf(selected.front());
}

bool TreeViewControl::GetCheck(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    return found != nullptr && tree->HasCheckBoxes() && found->checkState(0) == Qt::Checked;
}

bool TreeViewControl::SetCheck(TreeItem item, bool checked)
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr || !tree->HasCheckBoxes())
        return false;
    found->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    return true;
}

void TreeViewControl::SetImageList(const ImageList& images)
{
    images_ = std::make_unique<ImageList>(images);
    TreeWidget* tree = Tree(*this);
    if (tree == nullptr)
        return;
    tree->setIconSize(IconSizeOf(images));
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        QTreeWidgetItem* item = *it;
        item->setIcon(0,
            IconFromList(
                images_.get(), item->data(0, kItemImageRole).toInt(), item->data(0, kItemSelectedImageRole).toInt()));
    }
}

int TreeViewControl::GetItemImage(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    return found != nullptr ? found->data(0, kItemImageRole).toInt() : -1;
}

int TreeViewControl::GetItemSelectedImage(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    return found != nullptr ? found->data(0, kItemSelectedImageRole).toInt() : -1;
}

namespace {

corvane::Rect FromQt(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

}  // namespace

std::optional<Rect> TreeViewControl::GetItemRect(TreeItem item, bool textOnly) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return std::nullopt;
    const QRect cell = tree->visualRect(tree->indexFromItem(found, 0));
    if (cell.isEmpty())
        return std::nullopt;
    if (textOnly)
        return FromQt(tree->LabelRect(found));
    return corvane::Rect{
        0, cell.top(), std::max(tree->viewport()->width(), cell.right() + 1), cell.top() + cell.height()};
}

std::optional<Rect> TreeViewControl::GetItemImageRect(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    const QRect image = found != nullptr ? tree->ImageRect(found) : QRect();
    if (image.isEmpty())
        return std::nullopt;
    return FromQt(image);
}

corvane::Rect TreeViewControl::GetClientRect() const
{
    TreeWidget* tree = Tree(*this);
    return tree != nullptr ? corvane::Rect{0, 0, tree->viewport()->width(), tree->viewport()->height()}
                           : corvane::Rect{};
}

Point TreeViewControl::ClientToScreen(Point point) const
{
    TreeWidget* tree = Tree(*this);
    if (tree == nullptr)
        return point;
    const QPoint screen = tree->viewport()->mapToGlobal(QPoint(point.x, point.y));
    return {screen.x(), screen.y()};
}

TreeItem TreeViewControl::HitTest(Point point, unsigned& flags) const
{
    flags = 0;
    TreeWidget* tree = Tree(*this);
    if (tree == nullptr)
        return 0;
    const QPoint at(point.x, point.y);
    QTreeWidgetItem* found = tree->itemAt(at);
    if (found == nullptr) {
        flags = tree_hit::kNowhere;
        return 0;
    }
    const QRect image = tree->ImageRect(found);
    const QRect label = tree->LabelRect(found);
    if (found->childCount() > 0 && tree->ExpanderRect(found).contains(at))
        flags = tree_hit::kOnItemButton;
    else if (image.contains(at))
        flags = tree_hit::kOnItemIcon;
    else if (label.contains(at))
        flags = tree_hit::kOnItemLabel;
    else if (at.x() < (image.isEmpty() ? label.left() : image.left()))
        flags = tree_hit::kOnItemIndent;
    else
        flags = tree_hit::kOnItemRight;
    return tree->KeyOf(found);
}

int TreeViewControl::GetTextWidth(std::string_view text) const
{
    TreeWidget* tree = Tree(*this);
    return tree != nullptr ? tree->fontMetrics().horizontalAdvance(ToQString(text)) : 0;
}

void TreeViewControl::SetItemGlyph(TreeItem item, const TreeItemGlyph& glyph)
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return;
    if (glyph.kind == TreeGlyphKind::None) {
        tree->glyphs.erase(item);
    } else {
        tree->glyphs[item] = glyph;
        if (found->icon(0).isNull()) {
            QPixmap blank(tree->iconSize().isValid() ? tree->iconSize() : QSize(16, 16));
            blank.fill(Qt::transparent);
            found->setIcon(0, QIcon(blank));
        }
    }
    InvalidateItem(item);
}

TreeItemGlyph TreeViewControl::GetItemGlyph(TreeItem item) const
{
    TreeWidget* tree = Tree(*this);
    if (tree == nullptr)
        return {};
    const auto found = tree->glyphs.find(item);
    return found == tree->glyphs.end() ? TreeItemGlyph{} : found->second;
}

void TreeViewControl::SetThemedGlyphs(bool themed)
{
    if (TreeWidget* tree = Tree(*this)) {
        tree->themedGlyphs = themed;
        tree->viewport()->update();
    }
}

void TreeViewControl::InvalidateItem(TreeItem item)
{
    TreeWidget* tree = Tree(*this);
    QTreeWidgetItem* found = tree != nullptr ? tree->ItemOf(item) : nullptr;
    if (found == nullptr)
        return;
    const QRect cell = tree->visualRect(tree->indexFromItem(found, 0));
    if (!cell.isEmpty())
        tree->viewport()->update(QRect(0, cell.top(), tree->viewport()->width(), cell.height()));
}

void TreeViewControl::SetRedraw(bool redraw)
{
    if (TreeWidget* tree = Tree(*this)) {
        tree->viewport()->setUpdatesEnabled(redraw);
        if (redraw)
            tree->viewport()->update();
    }
}

void TreeViewControl::SetInputHook(TreeViewInputHook* hook)
{
    if (TreeWidget* tree = Tree(*this))
        tree->hook = hook;
}

}  // namespace corvane
