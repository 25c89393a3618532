#include "platform/Control.h"

#include "platform/internal/DialogInternals.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace corvane {

Control::Control(Dialog& owner, const ControlTemplate& layout, std::unique_ptr<ControlImpl> impl)
    : owner_(owner), id_(layout.id), kind_(layout.kind), style_(layout.style), impl_(std::move(impl))
{}

Control::~Control() = default;

void Control::SetText(std::string_view text)
{
    QWidget* w = impl_->widget;
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(value);
    else if (impl_->wrappedCaption) {
        impl_->wrappedCaption = value;
        WrapButtonCaption(*impl_);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(value);
    else if (w != nullptr)
        w->setWindowTitle(value);
}

std::string Control::GetText() const
{
    QWidget* w = impl_->widget;
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text().toStdString();
    if (impl_->wrappedCaption)
        return impl_->wrappedCaption->toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().toStdString();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title().toStdString();
    return w != nullptr ? w->windowTitle().toStdString() : std::string();
}

void Control::Enable(bool enable)
{
    if (impl_->widget)
        impl_->widget->setEnabled(enable);
}

bool Control::IsEnabled() const { return impl_->widget && impl_->widget->isEnabled(); }

void Control::Show(bool show)
{
    if (impl_->widget)
        impl_->widget->setVisible(show);
}

// Visible as far as the control itself is concerned, even while the dialog
// is hidden.
bool Control::IsVisible() const { return impl_->widget && !impl_->widget->isHidden(); }

void Control::SetFocus()
{
    if (impl_->widget)
        impl_->widget->setFocus(Qt::OtherFocusReason);
}

// The control the dialog gives the keyboard to, whether or not the dialog
// itself is the active window just now.
bool Control::HasFocus() const
{
    QWidget* w = impl_->widget;
    if (w == nullptr)
        return false;
    QWidget* focus = w->window()->focusWidget();
    return focus != nullptr && (focus == w || w->isAncestorOf(focus));
}

void Control::Move(const DialogRect& rect)
{
    if (impl_->widget)
        impl_->widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
    WrapButtonCaption(*impl_);
}

DialogRect Control::Rect() const
{
    if (!impl_->widget)
        return {};
    const QRect r = impl_->widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace corvane
