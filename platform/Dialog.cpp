#include "platform/Dialog.h"

#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/internal/DialogInternals.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QPlainTextEdit>

namespace corvane {

// ---------------------------------------------------------------- DialogImpl

void DialogImpl::Notify(Notification code, int controlId, std::intptr_t item, int otherControlId)
{
    if (tearingDown)
        return;
    NotifyEvent event;
    event.code = code;
    event.controlId = controlId;
    event.item = item;
    event.otherControlId = otherControlId;
    owner.Notify(event);
}

bool DialogImpl::BuildAsChild(Dialog& d, QWidget* parent, bool visible)
{
    if (parent == nullptr || d.impl_->widget)
        return false;
    d.impl_->modal = false;
    d.impl_->embedIn = parent;
    const bool built = d.Build(visible);
    // Built before its parent was shown, it would show with it otherwise.
    if (!visible && d.impl_->widget)
        d.impl_->widget->setVisible(false);
    return built;
}

int DialogImpl::ControlIdOf(const QWidget* w) const
{
    for (; w != nullptr; w = w->parentWidget()) {
        for (const auto& control : controls)
            if (control->Impl().widget == w)
                return control->Id();
        if (w == widget.get())
            break;
    }
    return 0;
}

// -------------------------------------------------------------- DialogWidget

DialogWidget::DialogWidget(DialogImpl& impl, QWidget* parent) : QDialog(parent), impl_(impl) {}

// A widget inside another one goes with its parent when that parent goes
// first; the dialog then forgets it rather than deleting it a second time.
DialogWidget::~DialogWidget()
{
    if (impl_.widget.get() == this) {
        (void)impl_.widget.release();
        impl_.open = false;
    }
}

void DialogWidget::reject()
{
    // Only a dialog that is a window of its own is cancelled by Escape or a close.
    if (!impl_.embedIn)
        DialogImpl::CallCancel(impl_.owner);
}

void DialogWidget::keyPressEvent(QKeyEvent* event)
{
    // F1 asks for help: it presses the dialog's Help button, when it has one.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        Dialog& dialog = impl_.owner;
        if (Control* help = dialog.GetControl(kIdHelp); help != nullptr && help->IsEnabled()) {
            NotifyEvent notify{Notification::Clicked, kIdHelp};
            dialog.Notify(notify);
            event->accept();
            return;
        }
    }
    // Inside another widget, Enter and Escape go on to the window around it
    // (the sheet's or the host's buttons), as other keys do.
    if (impl_.embedIn)
        QWidget::keyPressEvent(event);
    else
        QDialog::keyPressEvent(event);
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (impl_.tearingDown)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (w == nullptr)
        return false;
    if (event->type() == QEvent::FocusOut) {
        const int id = impl_.ControlIdOf(w);
        if (id != 0)
            impl_.Notify(Notification::KillFocus, id, -1, impl_.ControlIdOf(QApplication::focusWidget()));
    } else if (event->type() == QEvent::FocusIn) {
        const int id = impl_.ControlIdOf(w);
        if (id != 0)
            impl_.Notify(Notification::SetFocus, id);
    } else if (event->type() == QEvent::KeyPress) {
        // Multi-line edits: the character filter and the length limit.
        auto* multi = qobject_cast<QPlainTextEdit*>(w);
        const int id = impl_.ControlIdOf(w);
        Control* control = id != 0 ? impl_.byId[id] : nullptr;
        if (multi == nullptr || control == nullptr)
            return false;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.isEmpty() || !typed.at(0).isPrint())
            return false;
        const ControlImpl& ci = control->Impl();
        if (ci.charFilter)
            for (char32_t c : typed.toStdU32String())
                if (!ci.charFilter(c))
                    return true;
        if (ci.limit != 0 && static_cast<std::size_t>(multi->toPlainText().size()) >= ci.limit
            && !multi->textCursor().hasSelection())
            return true;
    }
    return false;
}

// -------------------------------------------------------------------- Dialog

Dialog::Dialog(const DialogTemplate& layout, Window* parent)
    : layout_(layout), parent_(parent), impl_(std::make_unique<DialogImpl>(*this))
{}

Dialog::~Dialog()
{
    impl_->tearingDown = true;
    impl_->controls.clear();
    impl_->byId.clear();
    impl_->widget.reset();
    impl_->radioGroups.clear();
}

bool Dialog::Build(bool visible)
{
    if (impl_->widget)
        return false;
    QWidget* parentWidget = impl_->embedIn;
    if (auto* parentDialog = dynamic_cast<Dialog*>(parent_);
        parentWidget == nullptr && parentDialog != nullptr && parentDialog->impl_->widget)
        parentWidget = parentDialog->impl_->widget.get();
    impl_->widget = std::make_unique<DialogWidget>(*impl_, parentWidget);
    DialogWidget& w = *impl_->widget;
    if (impl_->embedIn)
        w.setWindowFlags(Qt::Widget);
    w.setWindowTitle(QString::fromUtf8(layout_.caption.data(), static_cast<qsizetype>(layout_.caption.size())));
    w.setFixedSize(layout_.width, layout_.height);
    endCode_ = 0;

    for (const ControlTemplate& entry : layout_.controls) {
        std::unique_ptr<Control> control = CreateControl(*this, *impl_, entry, &w);
        if (!control)
            continue;
        if (QWidget* cw = control->Impl().widget) {
            cw->installEventFilter(&w);
            for (QWidget* child : cw->findChildren<QWidget*>())
                child->installEventFilter(&w);
        }
        if (entry.id != kIdStatic)
            impl_->byId[entry.id] = control.get();
        impl_->controls.push_back(std::move(control));
    }
    impl_->open = true;
    // A dialog may end itself (EndDialog) while it initialises; it is then
    // never shown. A false result only means the dialog placed the focus.
    OnInitDialog();
    if (!impl_->open)
        return false;
    if (visible)
        w.show();
    return true;
}

int Dialog::DoModal()
{
    impl_->modal = true;
    if (!Build(false)) {
        impl_->widget.reset();
        impl_->controls.clear();
        impl_->byId.clear();
        return endCode_ != 0 ? endCode_ : kIdCancel;
    }
    impl_->widget->exec();
    impl_->open = false;
    impl_->modal = false;
    return endCode_;
}

bool Dialog::Create()
{
    impl_->modal = false;
    return Build(true);
}

bool Dialog::CreateHidden()
{
    impl_->modal = false;
    return Build(false);
}

void Dialog::EndDialog(int code)
{
    if (!impl_->open)
        return;
    endCode_ = code;
    impl_->open = false;
    if (!impl_->widget)
        return;
    if (impl_->modal)
        impl_->widget->EndWith(code);
    else
        impl_->widget->hide();
}

bool Dialog::IsOpen() const { return impl_->open; }

Control* Dialog::GetControl(int id) const
{
    auto it = impl_->byId.find(id);
    return it == impl_->byId.end() ? nullptr : it->second;
}

bool Dialog::UpdateData(bool saveAndValidate)
{
    DataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

void Dialog::SetCaption(std::string_view caption)
{
    if (impl_->widget)
        impl_->widget->setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void Dialog::On(Notification code, int controlId, NotifyHandler handler)
{
    handlers_[{code, controlId}].push_back(std::move(handler));
}

void Dialog::Notify(NotifyEvent& event)
{
    // OK and Cancel have their own virtual handlers.
    if (event.code == Notification::Clicked && event.controlId == kIdOk
        && handlers_.find({event.code, event.controlId}) == handlers_.end()) {
        OnOK();
        return;
    }
    if (event.code == Notification::Clicked && event.controlId == kIdCancel
        && handlers_.find({event.code, event.controlId}) == handlers_.end()) {
        OnCancel();
        return;
    }
    auto it = handlers_.find({event.code, event.controlId});
    if (it == handlers_.end()) {
        OnNotify(event);
        return;
    }
    // Copied: a handler may add handlers while it runs.
    const std::vector<NotifyHandler> handlers = it->second;
    for (const NotifyHandler& handler : handlers)
        handler(event);
}

bool Dialog::SaveImage(const std::string& pngPath) const
{
    if (!impl_->widget)
        return false;
    return impl_->widget->grab().save(QString::fromStdString(pngPath), "PNG");
}

bool Dialog::OnInitDialog() { return UpdateData(false); }

void Dialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(kIdOk);
}

void Dialog::OnCancel() { EndDialog(kIdCancel); }

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnNotify(NotifyEvent&) {}

}  // namespace corvane
