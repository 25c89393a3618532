#include "platform/SpinControl.h"

#include "platform/DataExchange.h"
#include "platform/internal/ControlWidgets.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <string>

namespace corvane {

namespace {

SpinWidget* Spin(const Control& c) { return dynamic_cast<SpinWidget*>(c.Impl().widget.data()); }

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    return button;
}

}  // namespace

// --------------------------------------------------------------- SpinWidget

SpinWidget::SpinWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent)
    : QWidget(parent), dialog_(dialog), control_(control), id_(layout.id),
      vertical_((layout.style & control_style::kVertical) != 0)
{
    buddyInteger = (layout.style & control_style::kBuddyInteger) != 0;
    upButton = MakeArrow(this, vertical_ ? Qt::UpArrow : Qt::RightArrow);
    downButton = MakeArrow(this, vertical_ ? Qt::DownArrow : Qt::LeftArrow);
    // A step on each press, and again while the button is held.
    connect(upButton, &QToolButton::pressed, [this] { StepByUser(1); });
    connect(downButton, &QToolButton::pressed, [this] { StepByUser(-1); });
    resize(layout.rect.width, layout.rect.height);
    Relayout();
}

int SpinWidget::Clamp(int value) const { return std::clamp(value, std::min(lower, upper), std::max(lower, upper)); }

// The user stepped: the buddy's number (which the user may have typed) is the
// start; the handlers may refuse; at either end the position stays.
void SpinWidget::StepByUser(int direction)
{
    if (dialog_.tearingDown)
        return;
    if (int typed = 0; ReadBuddy(typed))
        position = typed;
    const int delta = upper >= lower ? direction : -direction;
    if (IsUserChange(dialog_, control_) && NotifyRefusable(dialog_, Notification::Changed, id_, delta))
        return;
    const int next = Clamp(position + delta);
    if (next == position)
        return;
    position = next;
    WriteBuddy();
}

void SpinWidget::SetBuddy(Control* newBuddy)
{
    if (buddy != nullptr && buddy->Impl().widget)
        buddy->Impl().widget->removeEventFilter(this);
    buddy = newBuddy;
    if (buddy != nullptr && qobject_cast<QLineEdit*>(buddy->Impl().widget.data()) != nullptr)
        buddy->Impl().widget->installEventFilter(this);
}

bool SpinWidget::ReadBuddy(int& value) const
{
    if (!buddyInteger || buddy == nullptr || dialog_.tearingDown)
        return false;
    std::int64_t number = 0;
    if (!ParseInt(buddy->GetText(), number) || number < std::min(lower, upper) || number > std::max(lower, upper))
        return false;
    value = static_cast<int>(number);
    return true;
}

void SpinWidget::WriteBuddy()
{
    if (buddyInteger && buddy != nullptr && !dialog_.tearingDown)
        buddy->SetText(std::to_string(position));
}

void SpinWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void SpinWidget::Relayout()
{
    const int w = width();
    const int h = height();
    if (vertical_) {
        upButton->setGeometry(0, 0, w, h / 2);
        downButton->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        downButton->setGeometry(0, 0, w / 2, h);
        upButton->setGeometry(w / 2, 0, w - w / 2, h);
    }
}

// The buddy's up and down keys step as the arrows do.
bool SpinWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || dialog_.tearingDown || buddy == nullptr || !isEnabled()
        || watched != buddy->Impl().widget.data())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return false;
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        StepByUser(key->key() == Qt::Key_Up ? 1 : -1);
        return true;
    }
    return false;
}

// -------------------------------------------------------------- SpinControl

void SpinControl::SetRange(int lower, int upper)
{
    if (SpinWidget* spin = Spin(*this)) {
        spin->lower = lower;
        spin->upper = upper;
        spin->position = spin->Clamp(spin->position);
    }
}

int SpinControl::GetLower() const
{
    SpinWidget* spin = Spin(*this);
    return spin != nullptr ? spin->lower : 0;
}

int SpinControl::GetUpper() const
{
    SpinWidget* spin = Spin(*this);
    return spin != nullptr ? spin->upper : 0;
}

int SpinControl::SetPos(int position)
{
    SpinWidget* spin = Spin(*this);
    if (spin == nullptr)
        return 0;
    const int previous = spin->position;
    spin->position = spin->Clamp(position);
    spin->WriteBuddy();
    return previous;
}

int SpinControl::GetPos(bool* error) const
{
    SpinWidget* spin = Spin(*this);
    if (error != nullptr)
        *error = false;
    if (spin == nullptr)
        return 0;
    if (spin->buddyInteger && spin->buddy != nullptr) {
        int typed = 0;
        if (spin->ReadBuddy(typed))
            spin->position = typed;
        else if (error != nullptr)
            *error = true;
    }
    return spin->position;
}

void SpinControl::SetBuddy(Control* buddy)
{
    if (SpinWidget* spin = Spin(*this))
        spin->SetBuddy(buddy != this ? buddy : nullptr);
}

Control* SpinControl::GetBuddy() const
{
    SpinWidget* spin = Spin(*this);
    return spin != nullptr ? spin->buddy : nullptr;
}

}  // namespace corvane
