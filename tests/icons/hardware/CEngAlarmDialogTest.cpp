#include "icons/hardware/CEngAlarmDialog.h"

#include "HardwareDialogDriver.h"
#include "HardwareIconTestSupport.h"

#include "icons/hardware/CEngAlarmIcon.h"
#include "platform/ComboBoxControl.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

namespace corvane {
namespace c_eng_alarm_dialog_test {
namespace {

using test::Click;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class EngAlarmDialog : public test::HardwareIconNetTest {
protected:
    bool Choose(CEngAlarmIcon& alarm, int sound, bool pressCancelIfOpen = true)
    {
        return test::RunDialog<CEngAlarmDialog>(alarm, [&](CEngAlarmDialog& d) {
            d.GetControlAs<ComboBoxControl>(res::kIdcAlarmSound)->SetCurSel(sound);
            Click(d, kIdOk);
            if (pressCancelIfOpen && d.IsOpen())
                Click(d, kIdCancel);
        });
    }
};

TEST_F(EngAlarmDialog, OpensOnTheStoredSoundAndStoresTheChoiceOnOk)
{
    auto& alarm = Place<CEngAlarmIcon>(doc, kDrop, 0);
    EXPECT_EQ(alarm.ModeWord(), 5);
    EXPECT_TRUE(test::RunDialog<CEngAlarmDialog>(alarm, [&](CEngAlarmDialog& d) {
        auto* combo = d.GetControlAs<ComboBoxControl>(res::kIdcAlarmSound);
        ASSERT_EQ(combo->GetCount(), 3);
        EXPECT_EQ(combo->GetCurSel(), 1);
        EXPECT_EQ(combo->GetLBText(2), "Chirp when input HI");
        combo->SetCurSel(0);
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(alarm.ModeWord(), 1);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{CEngAlarmDialog::kHelpContext});

    EXPECT_FALSE(test::RunDialog<CEngAlarmDialog>(alarm, [&](CEngAlarmDialog& d) {
        d.GetControlAs<ComboBoxControl>(res::kIdcAlarmSound)->SetCurSel(2);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(alarm.ModeWord(), 1);
    EXPECT_TRUE(services.advisories.empty());
}

TEST_F(EngAlarmDialog, ChirpInABatteryNetAsksOncePerIcon)
{
    PlaceProgramWith(0);  // battery powered
    auto& alarm = Place<CEngAlarmIcon>(doc, kDrop, 0);
    services.advisoryAnswers = {kIdCancel};
    EXPECT_FALSE(Choose(alarm, 2));
    EXPECT_EQ(alarm.ModeWord(), 5) << "a refused chirp writes nothing";
    EXPECT_TRUE(Choose(alarm, 2));
    EXPECT_EQ(alarm.ModeWord(), 9);
    EXPECT_TRUE(Choose(alarm, 2));
    ASSERT_EQ(services.advisories.size(), 2u) << "asked until accepted, then never again";
    EXPECT_EQ(services.advisories[0], (std::pair<int, std::string>{CAdvisoryDlg::kOkCancel,
                                          std::string(CEngAlarmDialog::kChirpNotice)}));
    EXPECT_EQ(alarm.Header().warningFlags & CEngAlarmIcon::kChirpNoticePending, 0);

    auto& other = Place<CEngAlarmIcon>(doc, kDrop, 0);
    EXPECT_TRUE(Choose(other, 2));
    EXPECT_EQ(services.advisories.size(), 3u) << "each icon asks for itself";
}

TEST_F(EngAlarmDialog, ChirpOutsideABatteryNetNeverAsks)
{
    PlaceProgramWith(1);
    auto& alarm = Place<CEngAlarmIcon>(doc, kDrop, 0);
    EXPECT_TRUE(Choose(alarm, 2));
    EXPECT_EQ(alarm.ModeWord(), 9);
    EXPECT_TRUE(services.advisories.empty());
}

}  // namespace
}  // namespace c_eng_alarm_dialog_test
}  // namespace corvane
