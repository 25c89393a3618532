#include "platform/DialogLayoutCheck.h"

#include "platform/Control.h"
#include "platform/Dialog.h"
#include "platform/PropertyPage.h"
#include "platform/PropertySheet.h"
#include "platform/internal/DialogInternals.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <memory>
#include <string_view>

namespace corvane {

namespace {

QFont MakeFont(const LayoutFont& font)
{
    QFont made(QString::fromStdString(font.face));
    made.setPointSize(font.pointSize);
    return made;
}

// Widgets made while it lives take the font; the toolkit's own font comes
// back when it goes.
class ApplicationFontScope {
public:
    explicit ApplicationFontScope(const LayoutFont& font) : saved_(QApplication::font())
    {
        QApplication::setFont(MakeFont(font));
    }
    ~ApplicationFontScope() { QApplication::setFont(saved_); }
    ApplicationFontScope(const ApplicationFontScope&) = delete;
    ApplicationFontScope& operator=(const ApplicationFontScope&) = delete;

private:
    QFont saved_;
};

std::string SizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string DialogName(const DialogTemplate& layout)
{
    return "dialog " + std::to_string(layout.id) + " " + Quoted(layout.caption);
}

LayoutFinding ControlFinding(const DialogTemplate& layout, std::size_t entry, const std::string& fault)
{
    const ControlTemplate& control = layout.controls[entry];
    std::string message = DialogName(layout) + ", control " + std::to_string(control.id) + " " + Quoted(control.text)
        + " (entry " + std::to_string(entry) + "): " + fault;
    return {layout.id, control.id, static_cast<int>(entry), std::move(message)};
}

bool InsideDialog(const DialogRect& r, const DialogTemplate& layout)
{
    return r.x >= 0 && r.y >= 0 && r.width >= 0 && r.height >= 0 && r.x + r.width <= layout.width
        && r.y + r.height <= layout.height;
}

// The room a push button's caption takes with the button's frame and
// margins, without the least width the style gives captioned buttons.
QSize PushButtonNeed(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.features = QStyleOptionButton::None;
    const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    return button.style()->sizeFromContents(QStyle::CT_PushButton, &option, text, &button);
}

// The room the control's caption needs; an empty size when it has none or
// its kind shows no caption.
QSize CaptionNeed(const ControlTemplate& control, QWidget& widget)
{
    if (control.text.empty())
        return {};
    switch (control.kind) {
    case ControlKind::Static:
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            // Statics wrap their text at their width.
            const QRect wrapped = label->fontMetrics().boundingRect(QRect(0, 0, control.rect.width, 1 << 20),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
            return wrapped.size();
        }
        return {};
    case ControlKind::PushButton:
        if (auto* button = qobject_cast<QPushButton*>(&widget))
            return PushButtonNeed(*button);
        return {};
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        // The box, its spacing and the caption beside it.
        if (auto* button = qobject_cast<QAbstractButton*>(&widget))
            return button->sizeHint();
        return {};
    case ControlKind::GroupBox:
        // The caption sits in the frame's top edge; only its width counts.
        if (auto* group = qobject_cast<QGroupBox*>(&widget))
            return {group->minimumSizeHint().width(), 0};
        return {};
    default: return {};
    }
}

}  // namespace

std::string ResolvedFontFace(const LayoutFont& font) { return QFontInfo(MakeFont(font)).family().toStdString(); }

std::vector<LayoutFinding> CheckDialogLayout(const DialogTemplate& layout, const LayoutFont& font)
{
    std::vector<LayoutFinding> findings;
    const ApplicationFontScope fontScope(font);
    Dialog dialog(layout);
    if (!dialog.CreateHidden()) {
        findings.push_back({layout.id, kIdStatic, -1, DialogName(layout) + ": cannot be built"});
        return findings;
    }
    const auto& controls = dialog.Impl().controls;
    for (std::size_t entry = 0; entry < layout.controls.size() && entry < controls.size(); ++entry) {
        const ControlTemplate& control = layout.controls[entry];
        const DialogRect& r = control.rect;
        if (!InsideDialog(r, layout))
            findings.push_back(ControlFinding(layout, entry,
                "lies outside the " + SizeText(layout.width, layout.height) + " dialog at (" + std::to_string(r.x)
                    + ", " + std::to_string(r.y) + ") size " + SizeText(r.width, r.height)));
        QWidget* widget = controls[entry]->Impl().widget;
        if (widget == nullptr)
            continue;
        const QSize need = CaptionNeed(control, *widget);
        if (need.width() > r.width || need.height() > r.height)
            findings.push_back(ControlFinding(layout, entry,
                "its caption needs " + SizeText(need.width(), need.height()) + " pixels, the control is "
                    + SizeText(r.width, r.height)));
    }
    return findings;
}

std::vector<LayoutFinding> CheckChildSheetLayout(const ChildSheetTemplate& sheet, const LayoutFont& font)
{
    std::vector<LayoutFinding> findings;
    if (sheet.host == nullptr)
        return findings;
    const ApplicationFontScope fontScope(font);
    Dialog host(*sheet.host);
    PropertySheet pages("");
    for (const DialogTemplate* page : sheet.pages)
        if (page != nullptr)
            pages.AddPage(std::make_unique<PropertyPage>(*page));
    if (!host.CreateHidden() || !pages.CreateAsChild(host, sheet.placeholderId)) {
        findings.push_back({sheet.host->id, sheet.placeholderId, -1,
            DialogName(*sheet.host) + ": no sheet over control " + std::to_string(sheet.placeholderId)});
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
                "page " + std::to_string(layout.id) + " " + Quoted(layout.caption) + " is "
                    + SizeText(layout.width, layout.height) + ", its sheet in " + DialogName(*sheet.host) + " shows "
                    + SizeText(area.width(), area.height())});
    }
    return findings;
}

}  // namespace corvane
