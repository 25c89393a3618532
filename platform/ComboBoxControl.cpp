#include "platform/ComboBoxControl.h"

#include "platform/internal/DialogInternals.h"

#include <QComboBox>

namespace corvane {

namespace {

QComboBox* Combo(const Control& c) { return qobject_cast<QComboBox*>(c.Impl().widget.data()); }

QString ToQt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr int kDataRole = Qt::UserRole + 1;

}  // namespace

void ComboBoxControl::SetText(std::string_view text)
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr)
        return;
    ProgrammaticChange change(Impl());
    if (combo->isEditable())
        combo->setEditText(ToQt(text));
    else
        combo->setCurrentIndex(FindStringExact(-1, text));
}

std::string ComboBoxControl::GetText() const
{
    QComboBox* combo = Combo(*this);
    return combo != nullptr ? combo->currentText().toStdString() : std::string();
}

int ComboBoxControl::AddString(std::string_view text)
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr)
        return -1;
    ProgrammaticChange change(Impl());
    const QString value = ToQt(text);
    int index = combo->count();
    if ((Style() & control_style::kSorted) != 0) {
        index = 0;
        while (index < combo->count() && QString::compare(combo->itemText(index), value, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    combo->insertItem(index, value);
    return index;
}

int ComboBoxControl::InsertString(int index, std::string_view text)
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr || index > combo->count())
        return -1;
    ProgrammaticChange change(Impl());
    const int at = index < 0 ? combo->count() : index;
    combo->insertItem(at, ToQt(text));
    return at;
}

bool ComboBoxControl::DeleteString(int index)
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr || index < 0 || index >= combo->count())
        return false;
    ProgrammaticChange change(Impl());
    combo->removeItem(index);
    return true;
}

void ComboBoxControl::ResetContent()
{
    if (QComboBox* combo = Combo(*this)) {
        ProgrammaticChange change(Impl());
        combo->clear();
    }
}

int ComboBoxControl::GetCount() const
{
    QComboBox* combo = Combo(*this);
    return combo != nullptr ? combo->count() : 0;
}

int ComboBoxControl::GetCurSel() const
{
    QComboBox* combo = Combo(*this);
    return combo != nullptr ? combo->currentIndex() : -1;
}

bool ComboBoxControl::SetCurSel(int index)
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr || index >= combo->count() || index < -1)
        return false;
    ProgrammaticChange change(Impl());
    combo->setCurrentIndex(index);
    return index >= 0;
}

std::string ComboBoxControl::GetLBText(int index) const
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr || index < 0 || index >= combo->count())
        return {};
    return combo->itemText(index).toStdString();
}

bool ComboBoxControl::SetItemData(int index, std::intptr_t data)
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr || index < 0 || index >= combo->count())
        return false;
    combo->setItemData(index, QVariant::fromValue<qlonglong>(data), kDataRole);
    return true;
}

std::intptr_t ComboBoxControl::GetItemData(int index) const
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr || index < 0 || index >= combo->count())
        return 0;
    return static_cast<std::intptr_t>(combo->itemData(index, kDataRole).toLongLong());
}

int ComboBoxControl::FindStringExact(int startAfter, std::string_view text) const
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr)
        return -1;
    const QString value = ToQt(text);
    for (int i = std::max(startAfter + 1, 0); i < combo->count(); ++i)
        if (QString::compare(combo->itemText(i), value, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int ComboBoxControl::SelectString(int startAfter, std::string_view prefix)
{
    QComboBox* combo = Combo(*this);
    if (combo == nullptr)
        return -1;
    const QString value = ToQt(prefix);
    for (int i = std::max(startAfter + 1, 0); i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(value, Qt::CaseInsensitive)) {
            SetCurSel(i);
            return i;
        }
    }
    return -1;
}

}  // namespace corvane
