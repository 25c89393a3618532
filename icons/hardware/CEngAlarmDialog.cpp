#include "icons/hardware/CEngAlarmDialog.h"

#include "icons/hardware/CEngAlarmIcon.h"
#include "icons/hardware/HardwareIconNet.h"
#include "netdoc/CNetDoc.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "res/EngAlarmDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"
#include "shell/ComboFill.h"

namespace corvane {

CEngAlarmDialog::CEngAlarmDialog(CEngAlarmIcon& icon, Window* parent)
    : CIconDialog(res::kEngAlarmDialog, icon, kHelpContext, parent), alarm_(icon)
{
    SetSections(true, false, false);
}

bool CEngAlarmDialog::OnInitDialog()
{
    if (auto* combo = GetControlAs<ComboBoxControl>(res::kIdcAlarmSound))
        FillComboBox(*combo, kSoundTexts, 0, static_cast<int>(kSoundTexts.size()) - 1);
    sound_ = alarm_.Sound();
    return CIconDialog::OnInitDialog();
}

void CEngAlarmDialog::DoDataExchange(DataExchange& exchange)
{
    DdxComboIndex(exchange, res::kIdcAlarmSound, sound_);
    CIconDialog::DoDataExchange(exchange);
}

bool CEngAlarmDialog::ValidateFields()
{
    chirpAccepted_ = false;
    CNetDoc* net = NetDocumentOf(alarm_);
    if (sound_ == CEngAlarmIcon::kChirp && net != nullptr && IsBatteryPoweredNet(alarm_)
        && (alarm_.Header().warningFlags & CEngAlarmIcon::kChirpNoticePending) != 0) {
        if (net->ShowAdvisory(CAdvisoryDlg::kOkCancel, kChirpNotice) == kIdCancel)
            return false;
        chirpAccepted_ = true;
    }
    return true;
}

void CEngAlarmDialog::ApplyToIcon()
{
    alarm_.SetSound(sound_);
    if (chirpAccepted_)
        alarm_.Header().warningFlags =
            static_cast<std::uint16_t>(alarm_.Header().warningFlags & ~CEngAlarmIcon::kChirpNoticePending);
}

}  // namespace corvane
