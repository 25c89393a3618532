#include "platform/PromptSink.h"

#include "platform/ColourValue.h"
#include "platform/FileFilter.h"
#include "platform/HelpPage.h"
#include "platform/PromptAutomation.h"
#include "platform/internal/PrintPrompts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace corvane {

namespace {

constexpr const char* kDefaultCaption = "Corvane";
// The id of an extra control of a file dialog, kept on its widget.
constexpr const char* kControlIdProperty = "corvaneControlId";

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string FromQt(const QString& text) { return text.toStdString(); }

// The widget a prompt stacks over. Window handles carry no widget, so the
// prompt goes over the topmost modal dialog when one is open (which is
// where a prompt asked for from inside a dialog belongs), else over the
// active window when the caller named an owner, else over nothing.
QWidget* OwnerWidget(WindowHandle owner)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return owner ? QApplication::activeWindow() : nullptr;
}

// ------------------------------------------------------------ message boxes

struct ButtonChoice {
    QMessageBox::StandardButton button;
    int endCode;
};

// The buttons of a box in their order, and the answer of Escape and the close box.
struct ButtonSet {
    std::vector<ButtonChoice> choices;
    int escapeCode;
};

ButtonSet ButtonsOf(MessageBoxButtons buttons)
{
    switch (buttons) {
    case MessageBoxButtons::Ok: return {{{QMessageBox::Ok, kIdOk}}, kIdOk};
    case MessageBoxButtons::OkCancel: return {{{QMessageBox::Ok, kIdOk}, {QMessageBox::Cancel, kIdCancel}}, kIdCancel};
    case MessageBoxButtons::YesNo: return {{{QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}}, kIdNo};
    case MessageBoxButtons::YesNoCancel:
        return {{{QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}, {QMessageBox::Cancel, kIdCancel}}, kIdCancel};
    case MessageBoxButtons::RetryCancel:
        return {{{QMessageBox::Retry, kIdRetry}, {QMessageBox::Cancel, kIdCancel}}, kIdCancel};
    }
    return {{{QMessageBox::Ok, kIdOk}}, kIdOk};
}

QMessageBox::Icon IconOf(MessageBoxIcon icon)
{
    switch (icon) {
    case MessageBoxIcon::None: return QMessageBox::NoIcon;
    case MessageBoxIcon::Information: return QMessageBox::Information;
    case MessageBoxIcon::Warning: return QMessageBox::Warning;
    case MessageBoxIcon::Error: return QMessageBox::Critical;
    case MessageBoxIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

int RunMessageBox(QWidget* parent, const MessageBoxRequest& request)
{
    QMessageBox box(parent);
    box.setWindowTitle(ToQt(request.caption.empty() ? kDefaultCaption : request.caption));
    // Texts are plain, with '\n' line breaks; a '<' in a file name must not turn them into markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQt(request.text));
    box.setIcon(IconOf(request.icon));
    const ButtonSet set = ButtonsOf(request.buttons);
    QMessageBox::StandardButtons standard;
    for (const ButtonChoice& choice : set.choices)
        standard |= choice.button;
    box.setStandardButtons(standard);
    QMessageBox::StandardButton defaultButton = set.choices.front().button;
    QMessageBox::StandardButton escapeButton = set.choices.front().button;
    for (const ButtonChoice& choice : set.choices) {
        if (choice.endCode == request.defaultButton)
            defaultButton = choice.button;
        if (choice.endCode == set.escapeCode)
            escapeButton = choice.button;
    }
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    if (request.beep)
        QApplication::beep();
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const ButtonChoice& choice : set.choices)
        if (choice.button == pressed)
            return choice.endCode;
    return set.escapeCode;
}

// A question or complaint of a file dialog, over the file dialog.
int AskOver(QWidget* dialog, const std::string& text, MessageBoxButtons buttons, MessageBoxIcon icon, int defaultButton)
{
    MessageBoxRequest request;
    request.caption = FromQt(dialog->windowTitle());
    request.text = text;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = defaultButton;
    return RunMessageBox(dialog, request);
}

// ------------------------------------------------------------- file dialogs

// The option controls below the file list: static texts, group boxes, check
// boxes and radio buttons at their template positions. Radio buttons form
// groups as in dialogs: a button with kGroup, or one that does not follow
// another radio button, starts a new group. Other kinds are not offered
// there and are left out.
class ExtraControls {
public:
    ExtraControls(const FileDialogRequest& request, QWidget* parent) : panel_(new QWidget(parent))
    {
        QButtonGroup* group = nullptr;
        bool afterRadio = false;
        int right = 0;
        int bottom = 0;
        bool anyShown = false;
        for (const ControlTemplate& layout : request.extraControls) {
            QWidget* widget = nullptr;
            QAbstractButton* button = nullptr;
            const QString text = ToQt(layout.text);
            switch (layout.kind) {
            case ControlKind::Static: {
                auto* label = new QLabel(text, panel_);
                label->setWordWrap(true);
                widget = label;
                break;
            }
            case ControlKind::GroupBox: widget = new QGroupBox(text, panel_); break;
            case ControlKind::CheckBox: button = new QCheckBox(text, panel_); break;
            case ControlKind::RadioButton: {
                auto* radio = new QRadioButton(text, panel_);
                radio->setAutoExclusive(false);
                if (group == nullptr || !afterRadio || (layout.style & control_style::kGroup) != 0) {
                    group = new QButtonGroup(panel_);
                    group->setExclusive(true);
                }
                group->addButton(radio);
                button = radio;
                break;
            }
            default: break;
            }
            afterRadio = layout.kind == ControlKind::RadioButton;
            if (button != nullptr)
                widget = button;
            if (widget == nullptr)
                continue;
            widget->setGeometry(layout.rect.x, layout.rect.y, layout.rect.width, layout.rect.height);
            widget->setEnabled((layout.style & control_style::kDisabled) == 0);
            bool shown = (layout.style & control_style::kHidden) == 0;
            if (auto it = request.extraVisible.find(layout.id); it != request.extraVisible.end())
                shown = it->second;
            widget->setHidden(!shown);
            anyShown = anyShown || shown;
            right = std::max(right, layout.rect.x + layout.rect.width);
            bottom = std::max(bottom, layout.rect.y + layout.rect.height);
            if (layout.id == kIdStatic)
                continue;
            widget->setProperty(kControlIdProperty, layout.id);
            if (button == nullptr)
                continue;
            buttons_.emplace_back(layout.id, button);
            if (auto it = request.extraChecks.find(layout.id); it != request.extraChecks.end())
                SetState(*button, it->second);
        }
        panel_->setFixedHeight(bottom);
        panel_->setMinimumWidth(right);
        panel_->setHidden(!anyShown);
    }

    QWidget* Panel() const { return panel_; }

    // 0 unchecked, 1 checked, 2 indeterminate (three-state check boxes).
    std::map<int, int> States() const
    {
        std::map<int, int> states;
        for (const auto& [id, button] : buttons_) {
            const auto* check = qobject_cast<const QCheckBox*>(button);
            if (check != nullptr && check->checkState() == Qt::PartiallyChecked)
                states[id] = 2;
            else
                states[id] = button->isChecked() ? 1 : 0;
        }
        return states;
    }

private:
    static void SetState(QAbstractButton& button, int state)
    {
        if (auto* check = qobject_cast<QCheckBox*>(&button); check != nullptr && state == 2) {
            check->setTristate(true);
            check->setCheckState(Qt::PartiallyChecked);
            return;
        }
        // An exclusive group keeps one button checked; only checking is passed on.
        if (state != 0)
            button.setChecked(true);
    }

    QWidget* panel_;
    std::vector<std::pair<int, QAbstractButton*>> buttons_;
};

bool Exists(const std::string& path) { return QFileInfo::exists(ToQt(path)); }

// The toolkit's file dialog (its own widgets, so that option controls fit
// below the file list) with the name rules of the program's dialogs: the
// default extension is added before anything is checked, the overwrite
// question names the file that will really be written, and an open dialog
// can refuse names of missing files.
class PromptFileDialog final : public QFileDialog {
public:
    PromptFileDialog(const FileDialogRequest& request, QWidget* parent)
        : QFileDialog(parent), request_(request), entries_(ParseFileFilter(request.filter))
    {
        // First, so that the widgets exist for everything below.
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);   // asked in accept(), once the extension is added
        setOption(QFileDialog::HideNameFilterDetails);  // descriptions show as the callers wrote them
        setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        setFileMode(request.open && request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::AnyFile);
        setWindowTitle(ToQt(!request.title.empty() ? request.title : request.open ? "Open" : "Save As"));
        if (!request.acceptLabel.empty())
            setLabelText(QFileDialog::Accept, ToQt(request.acceptLabel));
        for (const std::string& filter : ToToolkitNameFilters(entries_))
            nameFilters_.append(ToQt(filter));
        if (!nameFilters_.isEmpty()) {
            setNameFilters(nameFilters_);
            selectNameFilter(nameFilters_.at(ClampFilterIndex(request.filterIndex, entries_.size()) - 1));
        }
        const FileDialogStart start = SplitFileDialogStart(request.folder, request.fileName);
        if (!start.folder.empty())
            setDirectory(ToQt(start.folder));
        if (!start.name.empty())
            selectFile(ToQt(start.name));
        if (!request.extraControls.empty()) {
            extras_.emplace(request, this);
            if (auto* grid = qobject_cast<QGridLayout*>(layout()))
                grid->addWidget(extras_->Panel(), grid->rowCount(), 0, 1, grid->columnCount());
            else if (layout() != nullptr)
                layout()->addWidget(extras_->Panel());
        }
    }

    void accept() override
    {
        const QStringList files = ChosenNames();
        if (files.isEmpty())
            return;
        if (files.size() == 1 && QFileInfo(files.front()).isDir()) {
            QFileDialog::accept();  // a folder was chosen: the dialog goes there
            return;
        }
        const std::string extension = ChooseDefaultExtension(request_.defaultExtension, SelectedEntry());
        std::vector<std::string> chosen;
        for (const QString& file : files) {
            std::string path = FromQt(file);
            if (HasWildcard(FromQt(QFileInfo(file).fileName())))
                return;  // a pattern names no file; the filter says what is listed
            // An open dialog takes an existing name as it is: a file without
            // an extension can still be opened.
            if (!request_.open || !Exists(path))
                path = ApplyDefaultExtension(path, extension);
            chosen.push_back(std::move(path));
        }
        for (const std::string& path : chosen) {
            const QFileInfo info(ToQt(path));
            if (info.isDir()) {
                setDirectory(info.absoluteFilePath());
                return;
            }
            if (!info.dir().exists()) {
                AskOver(this, path + "\nPath does not exist.\nCheck the path and try again.", MessageBoxButtons::Ok,
                    MessageBoxIcon::Warning, 0);
                return;
            }
            if (request_.open && (request_.fileMustExist || request_.multiSelect) && !info.exists()) {
                AskOver(this, FromQt(info.fileName()) + "\nFile not found.\nCheck the file name and try again.",
                    MessageBoxButtons::Ok, MessageBoxIcon::Warning, 0);
                return;
            }
        }
        if (!request_.open && request_.overwritePrompt && Exists(chosen.front())) {
            const std::string name = FromQt(QFileInfo(ToQt(chosen.front())).fileName());
            if (AskOver(this, name + " already exists.\nDo you want to replace it?", MessageBoxButtons::YesNo,
                    MessageBoxIcon::Warning, kIdNo)
                != kIdYes)
                return;
        }
        chosen_ = std::move(chosen);
        QDialog::accept();
    }

    FileDialogResult Result() const
    {
        FileDialogResult result;
        result.paths = chosen_;
        result.filterIndex = SelectedFilterIndex();
        if (extras_)
            result.extraChecks = extras_->States();
        return result;
    }

private:
    // What the name field holds, as full paths; the toolkit's own answer
    // when it is empty. The field is read rather than the toolkit's
    // selection, which drops typed names of missing files when several may
    // be chosen, so that each typed name gets the default extension.
    QStringList ChosenNames() const
    {
        const auto* edit = findChild<const QLineEdit*>("fileNameEdit");
        if (edit == nullptr || edit->text().isEmpty())
            return selectedFiles();
        const QDir folder = directory();
        QStringList files;
        for (const std::string& name :
            SplitTypedFileNames(FromQt(edit->text()), request_.open && request_.multiSelect)) {
            QString path = ToQt(name);
            if (path == "~" || path.startsWith("~/"))
                path.replace(0, 1, QDir::homePath());
            files.append(QDir::cleanPath(folder.absoluteFilePath(path)));
        }
        return files;
    }

    // The 1-based index of the selected filter. The toolkit names it by the
    // text it shows (the description alone, see HideNameFilterDetails), so
    // the position in its list of types is asked first.
    int SelectedFilterIndex() const
    {
        if (entries_.empty())
            return 0;
        if (const auto* types = findChild<const QComboBox*>("fileTypeCombo");
            types != nullptr && types->count() == nameFilters_.size() && types->currentIndex() >= 0)
            return types->currentIndex() + 1;
        const QString shown = selectedNameFilter();
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (shown == nameFilters_.at(static_cast<qsizetype>(i)) || shown == ToQt(entries_[i].description))
                return static_cast<int>(i) + 1;
        return ClampFilterIndex(request_.filterIndex, entries_.size());
    }

    const FileFilterEntry* SelectedEntry() const
    {
        const int index = SelectedFilterIndex();
        return index >= 1 ? &entries_[static_cast<std::size_t>(index - 1)] : nullptr;
    }

    const FileDialogRequest& request_;
    std::vector<FileFilterEntry> entries_;
    QStringList nameFilters_;
    std::optional<ExtraControls> extras_;
    std::vector<std::string> chosen_;
};

// --------------------------------------------------------------------- sink

class ToolkitPromptSink final : public PromptSink {
public:
    int ShowMessageBox(const MessageBoxRequest& request) override
    {
        return RunMessageBox(OwnerWidget(request.owner), request);
    }

    std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request) override
    {
        PromptFileDialog dialog(request, OwnerWidget(request.owner));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Result();
    }

    std::optional<std::uint32_t> ChooseColour(WindowHandle owner, std::uint32_t initial) override
    {
        const RgbColour rgb = RgbFromStoredColour(initial);
        QColorDialog dialog(QColor(rgb.red, rgb.green, rgb.blue), OwnerWidget(owner));
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QColor chosen = dialog.selectedColor().toRgb();
        return StoredColourFromRgb({static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
            static_cast<std::uint8_t>(chosen.blue())});
    }

    std::optional<FontChoice> ChooseFont(WindowHandle owner, const FontChoice& initial) override
    {
        QFont font = initial.family.empty() ? QApplication::font() : QFont(ToQt(initial.family));
        font.setPointSize(initial.pointSize > 0 ? initial.pointSize : FontChoice{}.pointSize);
        font.setBold(initial.bold);
        font.setItalic(initial.italic);
        // The dialog lists real families only; given an alias ("Sans Serif")
        // or a family this machine lacks it would fall back to a plain style.
        font.setFamily(QFontInfo(font).family());
        QFontDialog dialog(font, OwnerWidget(owner));
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QFont chosen = dialog.selectedFont();
        FontChoice choice;
        choice.family = FromQt(chosen.family());
        // A font sized in pixels has no point size; keep the one asked for then.
        const double points = chosen.pointSizeF();
        choice.pointSize = points > 0 ? static_cast<int>(std::lround(points)) : font.pointSize();
        choice.bold = chosen.bold();
        choice.italic = chosen.italic();
        return choice;
    }

    std::optional<std::string> ChooseFolder(
        WindowHandle owner, const std::string& title, const std::string& initial) override
    {
        QFileDialog dialog(OwnerWidget(owner));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setWindowTitle(ToQt(title.empty() ? "Choose Folder" : title));
        if (!initial.empty())
            dialog.setDirectory(ToQt(initial));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return FromQt(dialog.selectedFiles().front());
    }

    std::optional<PrintSetup> ShowPageSetupDialog(const PrintPromptRequest& request) override
    {
        return internal::RunPageSetupPrompt(OwnerWidget(request.owner), request);
    }

    std::optional<PrintSetup> ShowPrintDialog(const PrintPromptRequest& request) override
    {
        return internal::RunPrintPrompt(OwnerWidget(request.owner), request);
    }

    void ShowHelp(WindowHandle owner, std::uint32_t helpId) override
    {
        // Help never fails: whatever goes wrong, the user is told the topic.
        MessageBoxRequest request;
        request.owner = owner;
        request.icon = MessageBoxIcon::Information;
        request.text = MissingHelpText(helpId);
        try {
            const char* variable = std::getenv("CORVANE_HELP_DIR");
            const std::filesystem::path programFolder
                = QCoreApplication::instance() != nullptr ? FromQt(QCoreApplication::applicationDirPath()) : "";
            const std::optional<std::filesystem::path> page
                = FindHelpPage(HelpFolder(variable != nullptr ? variable : "", programFolder), helpId);
            if (page) {
                if (QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(page->string()))))
                    return;
                request.text = UnopenedHelpText(helpId, *page);
            }
        } catch (const std::exception&) {
            // fall through to the message
        }
        ShowMessageBox(request);
    }
};

}  // namespace

std::unique_ptr<PromptSink> MakeToolkitPromptSink() { return std::make_unique<ToolkitPromptSink>(); }

// -------------------------------------------------------- prompt automation

namespace prompt_automation {

namespace {

QWidget* OpenPrompt() { return QApplication::activeModalWidget(); }

QMessageBox::StandardButton MessageBoxButtonOf(int endCode)
{
    switch (endCode) {
    case kIdOk: return QMessageBox::Ok;
    case kIdCancel: return QMessageBox::Cancel;
    case kIdYes: return QMessageBox::Yes;
    case kIdNo: return QMessageBox::No;
    case kIdRetry: return QMessageBox::Retry;
    default: return QMessageBox::NoButton;
    }
}

QFileDialog* OpenFileDialog()
{
    auto* dialog = qobject_cast<QFileDialog*>(OpenPrompt());
    return dialog != nullptr && dialog->fileMode() != QFileDialog::Directory ? dialog : nullptr;
}

// The confirming (or cancelling) button of a common dialog, as the user sees it.
QAbstractButton* DialogButton(QDialog& dialog, bool confirm)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    if (box == nullptr)
        return nullptr;
    if (!confirm)
        return box->button(QDialogButtonBox::Cancel);
    for (const QDialogButtonBox::StandardButton which :
        {QDialogButtonBox::Ok, QDialogButtonBox::Open, QDialogButtonBox::Save})
        if (QAbstractButton* button = box->button(which))
            return button;
    return nullptr;
}

}  // namespace

PromptKind OpenPromptKind()
{
    QWidget* prompt = OpenPrompt();
    if (prompt == nullptr)
        return PromptKind::None;
    if (qobject_cast<QMessageBox*>(prompt) != nullptr)
        return PromptKind::MessageBox;
    if (auto* files = qobject_cast<QFileDialog*>(prompt))
        return files->fileMode() == QFileDialog::Directory ? PromptKind::FolderDialog : PromptKind::FileDialog;
    if (qobject_cast<QColorDialog*>(prompt) != nullptr)
        return PromptKind::ColourDialog;
    if (qobject_cast<QFontDialog*>(prompt) != nullptr)
        return PromptKind::FontDialog;
    return PromptKind::Other;
}

std::string OpenPromptTitle()
{
    QWidget* prompt = OpenPrompt();
    return prompt != nullptr ? FromQt(prompt->windowTitle()) : std::string();
}

std::string OpenPromptText()
{
    auto* box = qobject_cast<QMessageBox*>(OpenPrompt());
    return box != nullptr ? FromQt(box->text()) : std::string();
}

bool PressPromptButton(int endCode)
{
    QWidget* prompt = OpenPrompt();
    if (auto* box = qobject_cast<QMessageBox*>(prompt)) {
        QAbstractButton* button = box->button(MessageBoxButtonOf(endCode));
        if (button == nullptr)
            return false;
        button->click();
        return true;
    }
    auto* dialog = qobject_cast<QDialog*>(prompt);
    if (dialog == nullptr || (endCode != kIdOk && endCode != kIdCancel))
        return false;
    QAbstractButton* button = DialogButton(*dialog, endCode == kIdOk);
    if (button == nullptr) {
        if (endCode == kIdOk)
            dialog->accept();
        else
            dialog->reject();
        return true;
    }
    if (!button->isEnabled())
        return false;
    button->click();
    return true;
}

bool TypePromptFileName(std::string_view name)
{
    QFileDialog* dialog = OpenFileDialog();
    if (dialog == nullptr)
        return false;
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (edit == nullptr)
        return false;
    edit->setText(ToQt(name));
    return true;
}

bool SelectPromptFilter(int index)
{
    QFileDialog* dialog = OpenFileDialog();
    if (dialog == nullptr)
        return false;
    const QStringList filters = dialog->nameFilters();
    if (index < 1 || index > filters.size())
        return false;
    dialog->selectNameFilter(filters.at(index - 1));
    return true;
}

bool ClickPromptControl(int id)
{
    QFileDialog* dialog = OpenFileDialog();
    if (dialog == nullptr)
        return false;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        const QVariant value = button->property(kControlIdProperty);
        if (!value.isValid() || value.toInt() != id)
            continue;
        if (!button->isVisible() || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
    return false;
}

bool SavePromptImage(const std::string& pngPath)
{
    QWidget* prompt = OpenPrompt();
    if (prompt == nullptr)
        return false;
    if (QFileDialog* dialog = OpenFileDialog()) {
        auto* list = dialog->findChild<QAbstractItemView*>("listView");
        QElapsedTimer waited;
        waited.start();
        while (list != nullptr && list->model() != nullptr && list->model()->rowCount(list->rootIndex()) == 0
            && waited.elapsed() < 1000) {
            QEventLoop pause;
            QTimer::singleShot(20, &pause, &QEventLoop::quit);
            pause.exec();
        }
    }
    return prompt->grab().save(ToQt(pngPath), "PNG");
}

}  // namespace prompt_automation

}  // namespace corvane
