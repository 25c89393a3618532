#include "platform/DialogLayoutCheck.h"

#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/PropertyPage.h"
#include "platform/PropertySheet.h"
#include "platform/internal/ControlWidgets.h"
#include "platform/internal/DialogInternals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string_view>
#include <utility>

namespace corvane {

struct DialogFontScope::Saved {
    QFont font;
};

namespace {

QFont MakeFont(const LayoutFont& font)
{
    QFont made(QString::fromStdString(font.face));
    made.setPointSize(font.pointSize);
    return made;
}

// Joins the parts of a message.
template <class... Parts> std::string Text(const Parts&... parts)
{
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

std::string SizeText(int width, int height) { return Text(width, " x ", height); }

std::string Quoted(std::string_view text) { return Text('"', text, '"'); }

std::string DialogName(const DialogTemplate& layout) { return Text("dialog ", layout.id, " ", Quoted(layout.caption)); }

LayoutFinding ControlFinding(
    const Dialog& dialog, std::size_t entry, const std::string& caption, const std::string& fault)
{
    const DialogTemplate& layout = dialog.Layout();
    const ControlTemplate& control = layout.controls[entry];
    return {layout.id, control.id, static_cast<int>(entry),
        Text(DialogName(layout), ", control ", control.id, " ", Quoted(caption), " (entry ", entry, "): ", fault)};
}

// The room a push button's caption and picture take with the button's frame
// and margins (the picture and the space beside it as the toolkit measures
// them), without the least width the style gives captioned buttons.
QSize PushButtonNeed(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features = QStyleOptionButton::None;
    QSize contents
        = button.text().isEmpty() ? QSize(0, 0) : button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    if (!button.icon().isNull()) {
        constexpr int kPictureSpace = 4;
        const QSize picture = button.iconSize();
        contents
            = QSize(contents.width() + picture.width() + kPictureSpace, std::max(contents.height(), picture.height()));
    }
    return button.style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button);
}

// What a control shows that must fit it, the room that takes, and what to
// call it in a finding.
struct CaptionRoom {
    QString caption;
    QSize need;
    std::string_view what = "caption";
};

// The caption the widget shows, and the room it and a push button's picture
// need; an empty size when it shows neither or its kind shows no caption. A
// picture button is named by the caption it had, which stays its
// accessible name.
CaptionRoom CaptionNeed(QWidget& widget)
{
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        // Statics wrap their text at their width.
        const QRect wrapped = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 1 << 20), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
        return {label->text(), label->text().isEmpty() ? QSize() : wrapped.size()};
    }
    if (auto* push = qobject_cast<QPushButton*>(&widget)) {
        if (!push->icon().isNull())
            return {push->text().isEmpty() ? push->accessibleName() : push->text(), PushButtonNeed(*push), "picture"};
        return {push->text(), push->text().isEmpty() ? QSize() : PushButtonNeed(*push)};
    }
    // Check boxes and radio buttons: the box, its spacing and the caption beside it.
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        return {button->text(), button->text().isEmpty() ? QSize() : button->sizeHint()};
    // A group box's caption sits in the frame's top edge; only its width counts.
    if (auto* group = qobject_cast<QGroupBox*>(&widget))
        return {group->title(), group->title().isEmpty() ? QSize() : QSize(group->minimumSizeHint().width(), 0)};
    return {};
}

// A list view's headings and rows must fit their columns, and the columns
// the list less its vertical scroll bar.
void CheckColumns(const Dialog& dialog, std::size_t entry, QTreeWidget& view, std::vector<LayoutFinding>& findings)
{
    QHeaderView& header = *view.header();
    const QAbstractItemView& items = view;
    int total = 0;
    for (int column = 0; column < view.columnCount(); ++column) {
        const int width = header.sectionSize(column);
        total += width;
        const int need = std::max(header.sectionSizeHint(column), items.sizeHintForColumn(column));
        if (need > width)
            findings.push_back(ControlFinding(dialog, entry, "",
                Text("column ", column, " ", Quoted(view.headerItem()->text(column).toStdString()), " needs ", need,
                    " pixels, it is ", width)));
    }
    const int room
        = view.maximumViewportSize().width() - view.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &view);
    if (total > room)
        findings.push_back(
            ControlFinding(dialog, entry, "", Text("its columns take ", total, " pixels, the list shows ", room)));
}

}  // namespace

std::string ResolvedFontFace(const LayoutFont& font) { return QFontInfo(MakeFont(font)).family().toStdString(); }

DialogFontScope::DialogFontScope(const LayoutFont& font) : saved_(std::make_unique<Saved>())
{
    saved_->font = QApplication::font();
    QApplication::setFont(MakeFont(font));
}

DialogFontScope::~DialogFontScope() { QApplication::setFont(saved_->font); }

std::vector<LayoutFinding> CheckBuiltDialogLayout(const Dialog& dialog)
{
    std::vector<LayoutFinding> findings;
    const DialogTemplate& layout = dialog.Layout();
    const DialogImpl& impl = dialog.Impl();
    if (!impl.widget) {
        findings.push_back({layout.id, kIdStatic, -1, Text(DialogName(layout), ": not built")});
        return findings;
    }
    const QSize size = impl.widget->size();
    for (std::size_t entry = 0; entry < layout.controls.size() && entry < impl.controls.size(); ++entry) {
        QWidget* widget = impl.controls[entry]->Impl().widget;
        if (widget == nullptr)
            continue;
        const QRect r = widget->geometry();
        const auto [caption, need, what] = CaptionNeed(*widget);
        const std::string text = caption.toStdString();
        if (r.x() < 0 || r.y() < 0 || r.x() + r.width() > size.width() || r.y() + r.height() > size.height())
            findings.push_back(ControlFinding(dialog, entry, text,
                Text("lies outside the ", SizeText(size.width(), size.height()), " dialog at (", r.x(), ", ", r.y(),
                    ") size ", SizeText(r.width(), r.height()))));
        if (need.width() > r.width() || need.height() > r.height())
            findings.push_back(ControlFinding(dialog, entry, text,
                Text("its ", what, " needs ", SizeText(need.width(), need.height()), " pixels, the control is ",
                    SizeText(r.width(), r.height()))));
        if (auto* list = dynamic_cast<ListViewWidget*>(widget))
            CheckColumns(dialog, entry, *list, findings);
    }
    return findings;
}

std::vector<LayoutFinding> CheckDialogLayout(const DialogTemplate& layout, const LayoutFont& font)
{
    const DialogFontScope fontScope(font);
    Dialog dialog(layout);
    if (!dialog.CreateHidden())
        return {{layout.id, kIdStatic, -1, Text(DialogName(layout), ": cannot be built")}};
    return CheckBuiltDialogLayout(dialog);
}

std::vector<LayoutFinding> CheckChildSheetLayout(const ChildSheetTemplate& sheet, const LayoutFont& font)
{
    std::vector<LayoutFinding> findings;
    if (sheet.host == nullptr)
        return findings;
    const DialogFontScope fontScope(font);
    Dialog host(*sheet.host);
    PropertySheet pages("");
    for (const DialogTemplate* page : sheet.pages)
        if (page != nullptr)
            pages.AddPage(std::make_unique<PropertyPage>(*page));
    if (!host.CreateHidden() || !pages.CreateAsChild(host, sheet.placeholderId)) {
        findings.push_back({sheet.host->id, sheet.placeholderId, -1,
            Text(DialogName(*sheet.host), ": no sheet over control ", sheet.placeholderId)});
        return findings;
    }
    for (int index = 0; index < pages.GetPageCount(); ++index) {
        PropertyPage* page = pages.GetPage(index);
        if (!pages.SetActivePage(index) || !page->Impl().widget)
            continue;
        const DialogTemplate& layout = page->Layout();
        const QSize area = page->Impl().widget->size();
        if (layout.width > area.width() || layout.height > area.height())
            findings.push_back({layout.id, kIdStatic, -1,
                Text("page ", layout.id, " ", Quoted(layout.caption), " is ", SizeText(layout.width, layout.height),
                    ", its sheet in ", DialogName(*sheet.host), " shows ", SizeText(area.width(), area.height()))});
    }
    return findings;
}

}  // namespace corvane
