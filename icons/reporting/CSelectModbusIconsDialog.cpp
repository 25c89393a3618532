#include "icons/reporting/CSelectModbusIconsDialog.h"

#include "platform/ListBoxControl.h"
#include "res/ResourceIds.h"
#include "res/SelectModbusIconsDialog.h"

#include <array>
#include <span>
#include <string_view>

namespace corvane {
namespace {

constexpr std::array<std::string_view, 4> kIconTexts{"This is the icon list", "Icon01", "Icon02", "Icon03"};
constexpr std::array<std::string_view, 4> kGroupTexts{"This is the group list", "Group01", "Group02", "Group03"};

void Fill(const Dialog& dialog, int id, std::span<const std::string_view> texts)
{
    if (auto* list = dialog.GetControlAs<ListBoxControl>(id))
        for (const std::string_view text : texts)
            list->AddString(text);
}

}  // namespace

CSelectModbusIconsDialog::CSelectModbusIconsDialog(Window* parent) : Dialog(res::kSelectModbusIconsDialog, parent)
{
    On(Notification::Clicked, res::kIdcSelectModbusButton, [](NotifyEvent&) {});
}

bool CSelectModbusIconsDialog::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    Fill(*this, res::kIdcSelectModbusIconList, kIconTexts);
    Fill(*this, res::kIdcSelectModbusGroupList, kGroupTexts);
    return result;
}

}  // namespace corvane
