#include "platform/ButtonControl.h"

#include "platform/internal/DialogInternals.h"

#include <QAbstractButton>

namespace corvane {

namespace {

QAbstractButton* Button(const Control& control) { return qobject_cast<QAbstractButton*>(control.Impl().widget.data()); }

}  // namespace

int ButtonControl::GetCheck() const
{
    QAbstractButton* button = Button(*this);
    return button != nullptr && button->isChecked() ? 1 : 0;
}

void ButtonControl::SetCheck(int state)
{
    QAbstractButton* button = Button(*this);
    if (button == nullptr || !button->isCheckable())
        return;
    ProgrammaticChange change(Impl());
    QButtonGroup* group = Impl().radioGroup;
    if (group != nullptr && state == 0 && button->isChecked()) {
        // An exclusive group will not let its checked button go otherwise.
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
        return;
    }
    button->setChecked(state != 0);
}

void ButtonControl::Click()
{
    if (QAbstractButton* button = Button(*this))
        button->click();
}

}  // namespace corvane
