#pragma once

// Qt side of the list, tree, spin, tab, IP address and picture controls: the
// widgets that need more than the toolkit's own. CreateControl makes them;
// the typed controls and control_automation use them. Included only by
// platform's own .cpp files.

#include "platform/Cursor.h"
#include "platform/ListBoxMouseHook.h"
#include "platform/TreeViewControl.h"
#include "platform/TreeViewInputHook.h"
#include "platform/internal/DialogInternals.h"

#include <QDateTimeEdit>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QToolButton>
#include <QTreeWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane {

class ImageList;

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// True when a change comes from the user: the program is not changing the
// control and the dialog is not going away. Tests the dialog first, since a
// control's state goes before its widget when the dialog is destroyed.
inline bool IsUserChange(const DialogImpl& dialog, const ControlImpl& control)
{
    return !dialog.tearingDown && control.programmaticChange == 0;
}

// Sends a notification that a handler may refuse; true when one did.
bool NotifyRefusable(DialogImpl& dialog, Notification code, int controlId, std::intptr_t item);

// The largest picture file or image the controls take.
inline constexpr std::size_t kMaxImageBytes = 16u << 20;
inline constexpr int kMaxImageSide = 8192;

// Decodes PNG, BMP or GIF bytes (a GIF's first frame); a null image for
// anything else or a picture larger than kMaxImageSide.
QImage DecodeImage(std::span<const std::uint8_t> bytes);

// The icon of an image of the list, showing selectedImage (when not -1)
// while selected; a null icon when there is no such image.
QIcon IconFromList(const ImageList* images, int image, int selectedImage);
QSize IconSizeOf(const ImageList& images);

// What list and tree items carry besides their texts (column 0).
inline constexpr int kItemDataRole = Qt::UserRole + 1;
inline constexpr int kItemImageRole = Qt::UserRole + 2;
inline constexpr int kItemStateRole = Qt::UserRole + 3;
inline constexpr int kItemSelectedImageRole = Qt::UserRole + 3;
inline constexpr int kItemHandleRole = Qt::UserRole + 4;

// ------------------------------------------------------------ list and tree

// Base of the list view's and the tree view's widgets. Check boxes are drawn
// from each item's check state and toggled only here, by a click on one or
// the Space key, so that ItemChecked comes from the user alone.
class ItemTreeWidget : public QTreeWidget {
public:
    ItemTreeWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent);

    // The item's key in notifications (row index or handle), and back; null
    // for an unknown key.
    virtual std::intptr_t KeyOf(const QTreeWidgetItem* item) const = 0;
    virtual QTreeWidgetItem* ItemOf(std::intptr_t key) const = 0;
    bool HasCheckBoxes() const { return checkBoxes_; }
    // Where the item's check box is drawn, in viewport coordinates; empty
    // when it has none or is not on show.
    QRect CheckBoxRect(QTreeWidgetItem* item) const;
    // The layout the item is drawn with; an empty rectangle when it is not on show.
    QStyleOptionViewItem ItemOption(QTreeWidgetItem* item) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A left press on a check box toggles it; true when it did.
    bool ToggleCheckAt(const QMouseEvent* event);

    DialogImpl& dialog_;
    ControlImpl& control_;
    int id_;
    bool checkBoxes_;
    bool swallowRelease_ = false;
};

class ListViewWidget final : public ItemTreeWidget {
public:
    ListViewWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent);
    std::intptr_t KeyOf(const QTreeWidgetItem* item) const override;
    QTreeWidgetItem* ItemOf(std::intptr_t key) const override;

    // The text alignment of each column, which its rows' texts take.
    std::vector<Qt::Alignment> columnAlign;
    // The width of the state images drawn left of a row's image; 0 without.
    int stateImageWidth = 0;
    // Where the row's state image is drawn, in viewport coordinates; empty
    // when it has none or is not on show.
    QRect StateImageRect(QTreeWidgetItem* item) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A left press on a state image tells the dialog; true when it did.
    bool ClickStateImageAt(const QMouseEvent* event);
};

class TreeWidget final : public ItemTreeWidget {
public:
    TreeWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent);
    std::intptr_t KeyOf(const QTreeWidgetItem* item) const override;
    QTreeWidgetItem* ItemOf(std::intptr_t key) const override;

    // Gives a new item its handle.
    std::intptr_t Register(QTreeWidgetItem* item);
    // Forgets the handles of an item and everything below it.
    void Forget(QTreeWidgetItem* item);
    void ForgetAll()
    {
        items_.clear();
        glyphs.clear();
    }
    int Count() const { return static_cast<int>(items_.size()); }

    // Expands or collapses an item as the user asked, unless a handler of
    // ItemExpanding refuses; true when it changed.
    bool ExpandByUser(QTreeWidgetItem* item, bool expand);
    // Asks the handlers of SelectionChanging whether the user may select the
    // item at index; true when the program is selecting it.
    bool MaySelect(const QModelIndex& index);
    // Where the item's expand button is, in viewport coordinates.
    QRect ExpanderRect(QTreeWidgetItem* item) const;
    // Where the item's image and its text are drawn, in viewport coordinates.
    QRect ImageRect(QTreeWidgetItem* item) const;
    QRect LabelRect(QTreeWidgetItem* item) const;

    TreeViewInputHook* hook = nullptr;
    std::unordered_map<std::intptr_t, TreeItemGlyph> glyphs;
    bool themedGlyphs = true;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    QTreeWidgetItem* ExpanderAt(const QPoint& position) const;
    // A left press on an expander opens or closes its item; true when it did.
    bool ToggleAtExpander(QMouseEvent* event);

    void DrawGlyph(QPainter& painter, const QRect& image, const TreeItemGlyph& glyph) const;

    std::unordered_map<std::intptr_t, QTreeWidgetItem*> items_;
    std::intptr_t nextHandle_ = 1;
    bool pressed_ = false;
};

class ListBoxWidget final : public QListWidget {
public:
    ListBoxWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent);

    bool useTabStops = false;
    std::vector<int> tabStops;  // pixels; see ListBoxControl::SetTabStops

    // See ListBoxControl: the hook that sees input first, the gap that shows
    // the insertion mark (-1: none), whether the list holds the mouse, the
    // pointer set for it.
    ListBoxMouseHook* hook = nullptr;
    int insertMark = -1;
    bool capture = false;
    Cursor shownCursor;

    // Ends the list's own tracking of a pressed button, as a release would.
    void EndOwnTracking();
    // A plain left click at the point that reaches the list, not the hook.
    void OwnClick(QPoint at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// ------------------------------------------------------------------- others

// Two arrow buttons, and the position they step.
class SpinWidget final : public QWidget {
public:
    SpinWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent);

    // direction +1: the up (right) arrow, -1 the down (left) one.
    void StepByUser(int direction);
    void SetBuddy(Control* buddy);
    // The buddy's number when it holds one within the range.
    bool ReadBuddy(int& value) const;
    void WriteBuddy();
    int Clamp(int value) const;

    QToolButton* upButton;
    QToolButton* downButton;
    int lower = 100;
    int upper = 0;
    int position = 0;
    Control* buddy = nullptr;
    bool buddyInteger = false;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Relayout();

    DialogImpl& dialog_;
    ControlImpl& control_;
    int id_;
    bool vertical_;
};

// The tabs, and the frame of the display area below them.
class TabStripWidget final : public QWidget {
public:
    TabStripWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent);

    QTabBar* Bar() const { return bar_; }
    // Selects a tab as the user asked, unless a handler of SelectionChanging
    // refuses; true when it changed.
    bool SelectByUser(int index);
    // The display area in the strip's own coordinates.
    QRect DisplayRect() const;
    void Relayout();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect FrameRect() const;

    DialogImpl& dialog_;
    ControlImpl& control_;
    int id_;
    QTabBar* bar_;
    int barHeight_;
};

// Four number fields between dots, framed as one edit.
class IpAddressWidget final : public QWidget {
public:
    IpAddressWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent);

    std::array<QLineEdit*, 4> fields{};

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Relayout();
    void MoveTo(int field, bool toEnd);

    std::array<QWidget*, 3> dots_{};
};

// A date or time picker. The toolkit's edit keeps only the part its format
// shows (a date-only format drops the time), so the whole value is kept
// here and the edit shows and changes its part of it.
class PickerWidget final : public QDateTimeEdit {
public:
    PickerWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent);

    // Puts the value into the edit (the program's change).
    void ShowValue();
    void SetDisplayFormat(const QString& format);

    QDate date;
    QTime time;

private:
    ControlImpl& control_;
};

// A still picture, centred, scaled down to fit when it is larger; or a
// picture the program draws, at the top-left corner or stretched over the
// control (SetDrawnPicture).
class PictureWidget final : public QWidget {
public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {}

    void SetPicture(QImage image);
    // image may hold see-through pixels (an alpha channel).
    void SetDrawnPicture(QImage image, bool stretch);
    bool HasPicture() const { return !image_.isNull(); }
    QSize ShownSize() const;
    std::function<void()> onLeftPress;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    enum class Placing { Centred, TopLeft, Stretched };
    QImage image_;
    Placing placing_ = Placing::Centred;
};

}  // namespace corvane
