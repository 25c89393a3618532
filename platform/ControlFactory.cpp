#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/EditControl.h"
#include "platform/internal/DialogInternals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTimeEdit>
#include <QTreeWidget>

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
            if (ci.programmaticChange == 0)
                impl.Notify(Notification::Changed, id);
        });
    return combo;
}

}  // namespace

std::unique_ptr<Control> CreateControl(Dialog& dialog, DialogImpl& impl, const ControlTemplate& layout, QWidget* parent)
{
    auto ci = std::make_unique<ControlImpl>();
    const int id = layout.id;
    QWidget* widget = nullptr;
    std::unique_ptr<Control> control;
    ControlImpl& c = *ci;

    switch (layout.kind) {
    case ControlKind::Edit: widget = MakeEdit(impl, layout, parent, id); break;
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: widget = MakeButton(impl, layout, parent, id, dialog, c); break;
    case ControlKind::ComboBox: widget = MakeCombo(impl, layout, parent, id, c); break;
    case ControlKind::GroupBox: widget = new QGroupBox(ToQt(layout.text), parent); break;
    case ControlKind::Static:
    case ControlKind::Picture: {
        auto* label = new QLabel(ToQt(layout.text), parent);
        label->setWordWrap(layout.kind == ControlKind::Static);
        widget = label;
        break;
    }
    case ControlKind::ListBox: widget = new QListWidget(parent); break;
    case ControlKind::ListView:
    case ControlKind::TreeView: widget = new QTreeWidget(parent); break;
    case ControlKind::Spin: widget = new QSpinBox(parent); break;
    case ControlKind::ProgressBar: widget = new QProgressBar(parent); break;
    case ControlKind::Slider: widget = new QSlider(Qt::Horizontal, parent); break;
    case ControlKind::DatePicker: widget = new QDateEdit(parent); break;
    case ControlKind::TimePicker: widget = new QTimeEdit(parent); break;
    case ControlKind::IpAddress: widget = new QLineEdit(parent); break;
    case ControlKind::Tab: widget = new QTabBar(parent); break;
    case ControlKind::LogBox: {
        auto* log = new QPlainTextEdit(parent);
        log->setReadOnly(true);
        widget = log;
        break;
    }
    }
    if (widget == nullptr)
        return nullptr;
    widget->setGeometry(layout.rect.x, layout.rect.y, layout.rect.width, layout.rect.height);
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
    default: control = std::make_unique<Control>(dialog, layout, std::move(ci)); break;
    }
    return control;
}

}  // namespace corvane
