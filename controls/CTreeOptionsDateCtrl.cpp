#include "controls/CTreeOptionsDateCtrl.h"

#include "platform/DateTimeControl.h"
#include "platform/LocaleFormats.h"

namespace corvane {

const TreeOptionsEditorClass& CTreeOptionsDateCtrl::Class()
{
    static const TreeOptionsEditorClass kClass{
        "CTreeOptionsDateCtrl", nullptr, &MakeTreeOptionsEditor<CTreeOptionsDateCtrl>};
    return kClass;
}

std::string CTreeOptionsDateCtrl::GetDisplayText(const TreeOptionsTime& time) const
{
    return FormatLocaleShortDate(time.year, time.month, time.day);
}

DateTimeControl* CTreeOptionsDateCtrl::Picker() const { return dynamic_cast<DateTimeControl*>(GetControl()); }

bool CTreeOptionsDateCtrl::ReadTime(TreeOptionsTime& time)
{
    if (Picker() == nullptr)
        return false;
    const DateTimeFields f = Picker()->GetTime();
    lastRead_ = time;
    lastRead_.year = static_cast<std::uint16_t>(f.year);
    lastRead_.month = static_cast<std::uint16_t>(f.month);
    lastRead_.day = static_cast<std::uint16_t>(f.day);
    lastRead_.hour = static_cast<std::uint16_t>(f.hour);
    lastRead_.minute = static_cast<std::uint16_t>(f.minute);
    lastRead_.second = static_cast<std::uint16_t>(f.second);
    time = lastRead_;
    return true;
}

void CTreeOptionsDateCtrl::WriteTime(const TreeOptionsTime& time)
{
    if (Picker() == nullptr)
        return;
    // A record that holds no date yet leaves the picker at its own value.
    Picker()->SetTime({time.year, time.month, time.day, time.hour, time.minute, time.second});
}

}  // namespace corvane
