#include "platform/internal/ControlWidgets.h"

#include <QBuffer>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace corvane {

namespace {

// The item delegate of list and tree views, its item layout open to the
// widget so that a click can be tested against the check box the delegate draws.
class ItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::initStyleOption;
    using QStyledItemDelegate::QStyledItemDelegate;
};

}  // namespace

bool NotifyRefusable(DialogImpl& dialog, Notification code, int controlId, std::intptr_t item)
{
    if (dialog.tearingDown)
        return false;
    NotifyEvent event;
    event.code = code;
    event.controlId = controlId;
    event.item = item;
    dialog.owner.Notify(event);
    return event.refuse;
}

QImage DecodeImage(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty() || bytes.size() > kMaxImageBytes)
        return {};
    QByteArray data
        = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "bmp" && format != "gif")
        return {};
    // The header's size is checked before any pixel is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > kMaxImageSide || size.height() > kMaxImageSide)
        return {};
    QImage image = reader.read();  // of an animated picture, the first frame
    if (image.isNull() || image.width() > kMaxImageSide || image.height() > kMaxImageSide)
        return {};
    return image;
}

// ------------------------------------------------------------ ItemTreeWidget

ItemTreeWidget::ItemTreeWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent)
    : QTreeWidget(parent), dialog_(dialog), control_(control), id_(layout.id),
      checkBoxes_((layout.style & control_style::kCheckBoxes) != 0)
{
    setItemDelegate(new ItemDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    connect(this, &QTreeWidget::itemDoubleClicked, [this](QTreeWidgetItem* item, int) {
        if (!dialog_.tearingDown)
            dialog_.Notify(Notification::DoubleClicked, id_, KeyOf(item));
    });
}

QRect ItemTreeWidget::CheckBoxRect(QTreeWidgetItem* item) const
{
    if (item == nullptr || !checkBoxes_)
        return {};
    const QModelIndex index = indexFromItem(item, 0);
    const QRect cell = visualRect(index);
    auto* delegate = dynamic_cast<ItemDelegate*>(itemDelegateForIndex(index));
    if (!index.isValid() || cell.isEmpty() || delegate == nullptr)
        return {};
    // The same layout the delegate draws with.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = cell;
    delegate->initStyleOption(&option, index);
    if (!option.features.testFlag(QStyleOptionViewItem::HasCheckIndicator))
        return {};
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

QStyleOptionViewItem ItemTreeWidget::ItemOption(QTreeWidgetItem* item) const
{
    QStyleOptionViewItem option;
    if (item == nullptr)
        return option;
    const QModelIndex index = indexFromItem(item, 0);
    const QRect cell = visualRect(index);
    auto* delegate = dynamic_cast<ItemDelegate*>(itemDelegateForIndex(index));
    if (!index.isValid() || cell.isEmpty() || delegate == nullptr)
        return option;
    initViewItemOption(&option);
    option.rect = cell;
    delegate->initStyleOption(&option, index);
    return option;
}

bool ItemTreeWidget::ToggleCheckAt(const QMouseEvent* event)
{
    if (!checkBoxes_ || event->button() != Qt::LeftButton)
        return false;
    const QPoint at = event->position().toPoint();
    QTreeWidgetItem* item = itemAt(at);
    if (item == nullptr || !item->flags().testFlag(Qt::ItemIsEnabled) || !CheckBoxRect(item).contains(at))
        return false;
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    dialog_.Notify(Notification::ItemChecked, id_, KeyOf(item));
    return true;
}

// A click on a check box toggles it and changes neither the selection nor
// the current item; the release that follows is the click's own.
void ItemTreeWidget::mousePressEvent(QMouseEvent* event)
{
    swallowRelease_ = false;
    if (ToggleCheckAt(event)) {
        swallowRelease_ = true;
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void ItemTreeWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (swallowRelease_) {
        swallowRelease_ = false;
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void ItemTreeWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click on a check box toggles it again.
    if (ToggleCheckAt(event)) {
        swallowRelease_ = true;
        event->accept();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void ItemTreeWidget::keyPressEvent(QKeyEvent* event)
{
    if (checkBoxes_ && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (QTreeWidgetItem* item = currentItem(); item != nullptr && item->flags().testFlag(Qt::ItemIsEnabled)) {
            item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            dialog_.Notify(Notification::ItemChecked, id_, KeyOf(item));
        }
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

}  // namespace corvane
