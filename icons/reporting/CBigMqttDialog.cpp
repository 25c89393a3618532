#include "icons/reporting/CBigMqttDialog.h"

#include "base/Cp1252.h"
#include "icons/reporting/CBigMqttIcon.h"
#include "platform/Application.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::string_view kCaption = "MQTT Report";

}  // namespace

CBigMqttDialog::CBigMqttDialog(CBigMqttIcon& icon, Window* parent)
    : CBigDataIconDialog(icon, kHelpContext, kCaption, parent),
      mqtt_(icon),
      currentSeries_(Cp1252ToUtf8(icon.SeriesName())),
      remainConnected_((icon.FlagWord() & CBigMqttIcon::kRemainConnected) != 0 ? 1 : 0)
{
    On(Notification::KillFocus, res::kIdcBigDataSeries, [this](NotifyEvent&) { (void)ConfirmSeriesChange(); });
}

bool CBigMqttDialog::OnInitDialog()
{
    for (const int id : {res::kIdcBigDataSeriesLabel, res::kIdcBigDataSeries, res::kIdcBigDataRemainConnected})
        if (Control* control = GetControl(id))
            control->Show(true);
    if (auto* edit = GetControlAs<EditControl>(res::kIdcBigDataSeries)) {
        edit->SetLimitText(CBigMqttIcon::kSeriesMaxBytes);
        edit->SetText(currentSeries_);
    }
    return CBigDataIconDialog::OnInitDialog();
}

void CBigMqttDialog::DoDataExchange(DataExchange& exchange)
{
    DdxCheck(exchange, res::kIdcBigDataRemainConnected, remainConnected_);
    CBigDataIconDialog::DoDataExchange(exchange);
}

bool CBigMqttDialog::ConfirmSeriesChange()
{
    Control* edit = GetControl(res::kIdcBigDataSeries);
    if (edit == nullptr)
        return true;
    const std::string typed = edit->GetText();
    if (typed == currentSeries_)
        return true;
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = kSeriesChangeText;
    request.buttons = MessageBoxButtons::OkCancel;
    request.icon = MessageBoxIcon::Question;
    if (Application::Instance().Prompts().ShowMessageBox(request) == kIdOk) {
        currentSeries_ = typed;
        return true;
    }
    edit->SetText(currentSeries_);
    return false;
}

bool CBigMqttDialog::ValidateFields()
{
    // A name typed and confirmed with OK straight away is asked about here;
    // declining keeps the dialog open with the current name.
    return ConfirmSeriesChange() && CBigDataIconDialog::ValidateFields();
}

void CBigMqttDialog::ApplyToIcon()
{
    mqtt_.SetSeriesName(Utf8ToCp1252(currentSeries_, CBigMqttIcon::kSeriesMaxBytes));
    mqtt_.SaveSessionSeries();
    std::uint16_t flags = mqtt_.FlagWord();
    if (remainConnected_ == 1)
        flags = static_cast<std::uint16_t>(flags | CBigMqttIcon::kRemainConnected);
    else
        flags = static_cast<std::uint16_t>(flags & ~CBigMqttIcon::kRemainConnected);
    mqtt_.SetFlagWord(flags);
    CBigDataIconDialog::ApplyToIcon();
}

}  // namespace corvane
