#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/DateTimeControl.h"
#include "platform/EditControl.h"
#include "platform/IpAddressControl.h"
#include "platform/ListBoxControl.h"
#include "platform/ListViewControl.h"
#include "platform/LogBoxControl.h"
#include "platform/PictureControl.h"
#include "platform/ProgressControl.h"
#include "platform/SliderControl.h"
#include "platform/SpinControl.h"
#include "platform/TabControl.h"
#include "platform/TreeViewControl.h"
#include "platform/internal/ControlWidgets.h"
#include "platform/internal/DialogInternals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>

#include <algorithm>
#include <ctime>

namespace corvane {

namespace {

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool Has(const ControlTemplate& t, std::uint32_t bit) { return (t.style & bit) != 0; }

// The radio group that the next radio button joins: a button with kGroup, or
// one that does not follow another radio button, starts a new one.
QButtonGroup* RadioGroupFor(DialogImpl& impl, const ControlTemplate& layout, const Dialog& dialog)
{
    const auto& controls = dialog.Layout().controls;
    const auto* self = &layout;
    const bool followsRadio = self != controls.data() && (self - 1)->kind == ControlKind::RadioButton;
    if (Has(layout, control_style::kGroup) || !followsRadio || impl.radioGroups.empty()) {
        auto group = std::make_unique<QButtonGroup>();
        group->setExclusive(true);
        impl.radioGroups.push_back(std::move(group));
    }
    return impl.radioGroups.back().get();
}

QWidget* MakeEdit(DialogImpl& impl, const ControlTemplate& layout, QWidget* parent, int id)
{
    if (Has(layout, control_style::kMultiLine)) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setPlainText(ToQt(layout.text));
        edit->setReadOnly(Has(layout, control_style::kReadOnly));
        edit->setTabChangesFocus(true);
        QObject::connect(edit, &QPlainTextEdit::textChanged, [&impl, id] { impl.Notify(Notification::Changed, id); });
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    edit->setText(ToQt(layout.text));
    edit->setReadOnly(Has(layout, control_style::kReadOnly));
    if (Has(layout, control_style::kPassword))
        edit->setEchoMode(QLineEdit::Password);
    if (Has(layout, control_style::kNumber))
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    if (Has(layout, control_style::kUpperCase))
        QObject::connect(edit, &QLineEdit::textEdited, [edit](const QString& text) {
            if (text != text.toUpper()) {
                const int caret = edit->cursorPosition();
                edit->setText(text.toUpper());
                edit->setCursorPosition(caret);
            }
        });
    QObject::connect(edit, &QLineEdit::textChanged, [&impl, id] { impl.Notify(Notification::Changed, id); });
    return edit;
}

QWidget* MakeButton(
    DialogImpl& impl, const ControlTemplate& layout, QWidget* parent, int id, const Dialog& dialog, ControlImpl& ci)
{
    QAbstractButton* button = nullptr;
    switch (layout.kind) {
    case ControlKind::CheckBox: button = new QCheckBox(ToQt(layout.text), parent); break;
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(ToQt(layout.text), parent);
        radio->setAutoExclusive(false);
        ci.radioGroup = RadioGroupFor(impl, layout, dialog);
        ci.radioGroup->addButton(radio);
        button = radio;
        break;
    }
    default: {
        auto* push = new QPushButton(ToQt(layout.text), parent);
        push->setAutoDefault(false);
        push->setDefault(Has(layout, control_style::kDefault));
        button = push;
        break;
    }
    }
    QObject::connect(button, &QAbstractButton::clicked, [&impl, id] { impl.Notify(Notification::Clicked, id); });
    return button;
}

QWidget* MakeCombo(DialogImpl& impl, const ControlTemplate& layout, QWidget* parent, int id, ControlImpl& ci)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(!Has(layout, control_style::kDropDownList));
    QObject::connect(combo, &QComboBox::activated,
        [&impl, id](int index) { impl.Notify(Notification::SelectionChanged, id, index); });
    if (combo->isEditable())
        QObject::connect(combo, &QComboBox::editTextChanged, [&impl, id, &ci] {
            if (IsUserChange(impl, ci))
                impl.Notify(Notification::Changed, id);
        });
    return combo;
}

QWidget* MakeSlider(DialogImpl& impl, const ControlTemplate& layout, QWidget* parent, int id, ControlImpl& ci)
{
    const bool vertical = Has(layout, control_style::kVertical);
    auto* slider = new QSlider(vertical ? Qt::Vertical : Qt::Horizontal, parent);
    slider->setRange(0, 100);
    slider->setSingleStep(1);
    slider->setPageStep(20);
    slider->setTickPosition(vertical ? QSlider::TicksRight : QSlider::TicksBelow);
    slider->setTickInterval(100);
    // Vertical sliders run from the top down, their keys alike.
    slider->setInvertedAppearance(vertical);
    slider->setInvertedControls(vertical);
    QObject::connect(slider, &QSlider::valueChanged, [&impl, &ci, id](int value) {
        if (IsUserChange(impl, ci))
            impl.Notify(Notification::Changed, id, value);
    });
    return slider;
}

QWidget* MakeLogBox(QWidget* parent)
{
    auto* log = new QPlainTextEdit(parent);
    log->setReadOnly(true);
    log->setUndoRedoEnabled(false);
    log->setTabChangesFocus(true);
    return log;
}

QWidget* MakeProgress(QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    return bar;
}

}  // namespace

void WrapButtonCaption(ControlImpl& control)
{
    auto* button = qobject_cast<QAbstractButton*>(control.widget.data());
    if (button == nullptr || !control.wrappedCaption)
        return;
    // The width left for the text beside the box, its spacing and margins,
    // as the style sizes the button.
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = QStringLiteral("x");
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const int besideText
        = button->style()
              ->sizeFromContents(radio ? QStyle::CT_RadioButton : QStyle::CT_CheckBox, &option, QSize(0, 0), button)
              .width();
    const int width = std::max(1, button->width() - besideText);
    QStringList lines;
    for (const QString& paragraph : control.wrappedCaption->split(u'\n')) {
        QTextLayout layout(paragraph, button->font());
        QTextOption textOption;
        textOption.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(textOption);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.push_back(paragraph.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
        if (paragraph.isEmpty())
            lines.push_back(QString());
    }
    button->setText(lines.join(u'\n'));
}

std::unique_ptr<Control> CreateControl(Dialog& dialog, DialogImpl& impl, const ControlTemplate& layout, QWidget* parent)
{
    auto ci = std::make_unique<ControlImpl>();
    const int id = layout.id;
    QWidget* widget = nullptr;
    std::unique_ptr<Control> control;
    ControlImpl& c = *ci;
    // The control made from the entry before this one (a spin's buddy).
    Control* previous
        = &layout != dialog.Layout().controls.data() && !impl.controls.empty() ? impl.controls.back().get() : nullptr;

    switch (layout.kind) {
    case ControlKind::Edit: widget = MakeEdit(impl, layout, parent, id); break;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: widget = MakeButton(impl, layout, parent, id, dialog, c); break;
    case ControlKind::ComboBox: widget = MakeCombo(impl, layout, parent, id, c); break;
    case ControlKind::GroupBox: widget = new QGroupBox(ToQt(layout.text), parent); break;
    case ControlKind::Static: {
        auto* label = new QLabel(ToQt(layout.text), parent);
        label->setWordWrap(true);
        widget = label;
        break;
    }
    case ControlKind::Picture: widget = new PictureWidget(parent); break;
    case ControlKind::ListBox: widget = new ListBoxWidget(impl, c, layout, parent); break;
    case ControlKind::ListView: widget = new ListViewWidget(impl, c, layout, parent); break;
    case ControlKind::TreeView: widget = new TreeWidget(impl, c, layout, parent); break;
    case ControlKind::Spin: widget = new SpinWidget(impl, c, layout, parent); break;
    case ControlKind::ProgressBar: widget = MakeProgress(parent); break;
    case ControlKind::Slider: widget = MakeSlider(impl, layout, parent, id, c); break;
    case ControlKind::DatePicker:
    case ControlKind::TimePicker: widget = new PickerWidget(impl, c, layout, parent); break;
    case ControlKind::IpAddress: widget = new IpAddressWidget(impl, c, layout, parent); break;
    case ControlKind::Tab: widget = new TabStripWidget(impl, c, layout, parent); break;
    case ControlKind::LogBox: widget = MakeLogBox(parent); break;
    }
    if (widget == nullptr)
        return nullptr;
    widget->setGeometry(layout.rect.x, layout.rect.y, layout.rect.width, layout.rect.height);
    if ((layout.kind == ControlKind::CheckBox || layout.kind == ControlKind::RadioButton)
        && Has(layout, control_style::kMultiLine)) {
        c.wrappedCaption = ToQt(layout.text);
        c.widget = widget;
        WrapButtonCaption(c);
    }
    widget->setEnabled(!Has(layout, control_style::kDisabled));
    if (Has(layout, control_style::kHidden))
        widget->hide();
    c.widget = widget;

    switch (layout.kind) {
    case ControlKind::Edit: control = std::make_unique<EditControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: control = std::make_unique<ButtonControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::ComboBox: control = std::make_unique<ComboBoxControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::Picture: control = std::make_unique<PictureControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::ListBox: control = std::make_unique<ListBoxControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::ListView: control = std::make_unique<ListViewControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::TreeView: control = std::make_unique<TreeViewControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::Spin: {
        auto spin = std::make_unique<SpinControl>(dialog, layout, std::move(ci));
        if (Has(layout, control_style::kBuddyInteger))
            spin->SetBuddy(previous);
        control = std::move(spin);
        break;
    }
    case ControlKind::ProgressBar: {
        auto progress = std::make_unique<ProgressControl>(dialog, layout, std::move(ci));
        progress->SetRange(0, 100);
        control = std::move(progress);
        break;
    }
    case ControlKind::Slider: {
        auto slider = std::make_unique<SliderControl>(dialog, layout, std::move(ci));
        slider->SetTicFreq(0);
        control = std::move(slider);
        break;
    }
    case ControlKind::DatePicker:
    case ControlKind::TimePicker: {
        auto picker = std::make_unique<DateTimeControl>(dialog, layout, std::move(ci));
        picker->SetFormat({});
        picker->SetTimeSeconds(static_cast<std::int64_t>(std::time(nullptr)));
        control = std::move(picker);
        break;
    }
    case ControlKind::IpAddress: control = std::make_unique<IpAddressControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::Tab: control = std::make_unique<TabControl>(dialog, layout, std::move(ci)); break;
    case ControlKind::LogBox: {
        auto log = std::make_unique<LogBoxControl>(dialog, layout, std::move(ci));
        log->SetText(layout.text);
        control = std::move(log);
        break;
    }
    case ControlKind::Static:
    case ControlKind::GroupBox: control = std::make_unique<Control>(dialog, layout, std::move(ci)); break;
    }
    return control;
}

}  // namespace corvane
