#include "platform/ButtonControl.h"

#include "platform/Bitmap.h"
#include "platform/internal/DialogInternals.h"
#include "platform/internal/DrawingData.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>

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

void ButtonControl::SetPicture(const Bitmap& picture)
{
    QAbstractButton* button = Button(*this);
    if (button == nullptr)
        return;
    const QImage& image = picture.Data().image;
    if (!button->text().isEmpty())
        button->setAccessibleName(button->text());
    button->setText(QString());
    button->setIcon(QIcon(QPixmap::fromImage(image)));
    button->setIconSize(image.size());
}

Bitmap ButtonControl::Picture() const
{
    Bitmap shown;
    QAbstractButton* button = Button(*this);
    if (button != nullptr && !button->icon().isNull())
        shown.Data().image = ToBitmapImage(button->icon().pixmap(button->iconSize()).toImage());
    return shown;
}

}  // namespace corvane
