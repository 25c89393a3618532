#include "icons/hardware/CEngInputsDialog.h"

#include "../function/ChildDialogDriver.h"
#include "HardwareIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/hardware/CACEngIcon.h"
#include "icons/hardware/CTCEngIcon.h"
#include "icons/hardware/CVHEngIcon.h"
#include "icons/hardware/CVLEngIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <functional>

namespace corvane {
namespace c_eng_inputs_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::array kRangeRadios{res::kIdcEngRange1, res::kIdcEngRange2, res::kIdcEngRange3, res::kIdcEngRange4,
    res::kIdcEngRange5, res::kIdcEngRange6, res::kIdcEngRange7};
constexpr std::string_view kUnscaled = "Enable scaling:\nOutput = (1.0 * input) + 0.0";
constexpr std::string_view kConflictStart = "This analog input icon is configured with a sensor excitation time.";
constexpr std::string_view kSettlingStart = "Battery-powered program nets can extend battery life by minimizing ADC";
constexpr std::string_view kExcitationStart = "If sensor excitation time is needed";
constexpr std::uint16_t kTypeExcitation = 26;

class EngInputsDialog : public test::HardwareIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck() != 0; }
    static bool Visible(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }
    static void Settle(Dialog& d, int index)
    {
        d.GetControlAs<ComboBoxControl>(res::kIdcEngSettling)->SetCurSel(index);
    }

    // Opens the input's dialog, lets drive act on it, and returns whether it ended with OK.
    static bool Run(CEngInputsIcon& input, const std::function<void(CEngInputsDialog&)>& drive)
    {
        CEngInputsDialog dialog(input);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }

    static std::string Units(const CEngInputsIcon& input)
    {
        const auto& data = input.GetOutputEntries()[0].data;
        return std::string(data.begin(), std::find(data.begin(), data.end(), std::uint8_t{0}));
    }

    std::vector<std::string> AdvisoryTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& [type, text] : services.advisories)
            texts.push_back(text);
        return texts;
    }

    static bool StartsWith(const std::string& text, std::string_view start) { return text.starts_with(start); }
};

TEST_F(EngInputsDialog, OpensWithTheControlsOfEachKindAndCancelChangesNothing)
{
    struct Case {
        std::function<CEngInputsIcon&(CNetDoc&)> place;
        std::string_view group;
        bool switchable;
        bool thermocouple;
        std::string_view firstRange;
        int shownRanges;
        std::string_view units;
        std::uint32_t help;
    };
    const std::vector<Case> cases{
        {[](CNetDoc& d) -> CEngInputsIcon& { return Place<CVLEngIcon>(d, kDrop, 0); }, "Range", true, false,
            "+/- 1.25 V", 7, "VDC", 12506},
        {[](CNetDoc& d) -> CEngInputsIcon& { return Place<CACEngIcon>(d, kDrop, 1); }, "Range", false, false,
            "+/- 20 mA", 7, "mA", 12508},
        {[](CNetDoc& d) -> CEngInputsIcon& { return Place<CTCEngIcon>(d, kDrop, 2); }, "Type", true, true,
            "J -200 to +1000 C", 7, "'C", 12505},
        {[](CNetDoc& d) -> CEngInputsIcon& { return Place<CVHEngIcon>(d, kDrop, 3); }, "Range", false, false,
            "+/- 20 V", 4, "VDC", 12507},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstRange);
        CEngInputsIcon& input = c.place(doc);
        const std::vector<std::uint8_t> before = Saved(input);
        const int bitmap = input.BitmapId();
        Prompts().helpIds.clear();
        EXPECT_FALSE(Run(input, [&](CEngInputsDialog& d) {
            EXPECT_EQ(Text(d, res::kIdcEngRangeGroup), c.group);
            EXPECT_EQ(Text(d, res::kIdcEngRange1), c.firstRange);
            EXPECT_TRUE(Checked(d, res::kIdcEngRange1));
            for (std::size_t i = 0; i < kRangeRadios.size(); ++i)
                EXPECT_EQ(Visible(d, kRangeRadios[i]), static_cast<int>(i) < c.shownRanges) << i;
            for (const int id : {res::kIdcEngInputTypeGroup, res::kIdcEngThermocouple, res::kIdcEngLowVoltage,
                     res::kIdcEngThermocouplePicture, res::kIdcEngLowVoltagePicture})
                EXPECT_EQ(Visible(d, id), c.switchable) << id;
            EXPECT_EQ(Visible(d, res::kIdcEngAutoRange), !c.thermocouple);
            EXPECT_EQ(Visible(d, res::kIdcEngCelsius), c.thermocouple);
            EXPECT_EQ(Visible(d, res::kIdcEngScaling), !c.thermocouple);
            EXPECT_EQ(Visible(d, res::kIdcEngEditScaling), !c.thermocouple);
            EXPECT_EQ(Visible(d, CIconDialog::kIdcUnits), !c.thermocouple);
            EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), c.units);
            EXPECT_EQ(Text(d, CIconDialog::kIdcName), input.Header().name);
            EXPECT_EQ(Text(d, res::kIdcEngExcitation), "0");
            EXPECT_EQ(d.GetControlAs<ComboBoxControl>(res::kIdcEngSettling)->GetCount(), 16);
            EXPECT_EQ(d.GetControlAs<ComboBoxControl>(res::kIdcEngSettling)->GetLBText(15), "400 %");
            EXPECT_TRUE(Checked(d, res::kIdcEngRejectNone));
            if (!c.thermocouple) {
                EXPECT_EQ(Text(d, res::kIdcEngScaling), kUnscaled);
                EXPECT_FALSE(d.GetControl(res::kIdcEngEditScaling)->IsEnabled());
            }
            Click(d, kIdHelp);
            SetText(d, res::kIdcEngExcitation, "20");
            Click(d, res::kIdcEngReject60Hz);
            Click(d, kIdCancel);
        }));
        EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{c.help});
        EXPECT_EQ(Saved(input), before);
        EXPECT_EQ(input.BitmapId(), bitmap);
    }
}

TEST_F(EngInputsDialog, OkComposesTheModeWordFromTheControls)
{
    struct Case {
        std::string label;
        std::function<CEngInputsIcon&(CNetDoc&)> place;
        std::function<void(CEngInputsDialog&)> set;
        std::uint16_t mode;
        std::string units;
    };
    const std::vector<Case> cases{
        {"low range 3, 50 Hz, 160 %", [](CNetDoc& d) -> CEngInputsIcon& { return Place<CVLEngIcon>(d, kDrop, 0); },
            [](CEngInputsDialog& d) {
                Click(d, res::kIdcEngRange3);
                Click(d, res::kIdcEngReject50Hz);
                Settle(d, 3);
            },
            0x01A2, "VDC"},
        {"auto-range keeps the last range",
            [](CNetDoc& d) -> CEngInputsIcon& { return Place<CVLEngIcon>(d, kDrop, 1); },
            [](CEngInputsDialog& d) {
                Click(d, res::kIdcEngRange5);
                Click(d, res::kIdcEngAutoRange);
            },
            0x5004, "VDC"},
        {"current scaled, 60 Hz", [](CNetDoc& d) -> CEngInputsIcon& { return Place<CACEngIcon>(d, kDrop, 2); },
            [](CEngInputsDialog& d) {
                Click(d, res::kIdcEngScaling);
                Click(d, res::kIdcEngReject60Hz);
                SetText(d, CIconDialog::kIdcUnits, "PSI");
            },
            0x8848, "PSI"},
        {"thermocouple K in Fahrenheit, 400 %",
            [](CNetDoc& d) -> CEngInputsIcon& { return Place<CTCEngIcon>(d, kDrop, 3); },
            [](CEngInputsDialog& d) {
                Click(d, res::kIdcEngFahrenheit);
                Click(d, res::kIdcEngRange2);
                Settle(d, 15);
            },
            0xC799, "'F"},
        {"high level range 4", [](CNetDoc& d) -> CEngInputsIcon& { return Place<CVHEngIcon>(d, kDrop, 0); },
            [](CEngInputsDialog& d) { Click(d, res::kIdcEngRange4); }, 0x2003, "VDC"},
        {"no range checked ranges itself",
            [](CNetDoc& d) -> CEngInputsIcon& {
                CEngInputsIcon& input = Place<CVLEngIcon>(d, kDrop, 0);
                input.SetModeWord(0x0007);
                return input;
            },
            [](CEngInputsDialog&) {}, 0x1007, "VDC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CEngInputsIcon& input = c.place(doc);
        EXPECT_TRUE(Run(input, [&](CEngInputsDialog& d) {
            c.set(d);
            Click(d, kIdOk);
        }));
        EXPECT_EQ(input.ModeWord(), c.mode);
        EXPECT_EQ(Units(input), c.units);
    }
}

TEST_F(EngInputsDialog, ConfirmingAnUnchangedCurrentInputKeepsItsRecord)
{
    CEngInputsIcon& input = Place<CACEngIcon>(doc, kDrop, 1);
    input.SetModeWord(0x400B);
    const std::vector<std::uint8_t> before = Saved(input);
    EXPECT_TRUE(Run(input, [&](CEngInputsDialog& d) {
        EXPECT_TRUE(Checked(d, res::kIdcEngRange4));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(Saved(input), before);
    EXPECT_EQ(input.BitmapId(), 406);
}

TEST_F(EngInputsDialog, SwitchingLowVoltageToThermocoupleResetsRangeScalingAndAutoRange)
{
    CEngInputsIcon& input = Place<CVLEngIcon>(doc, kDrop, 2);
    input.SetModeWord(0x9803);  // channel C, scaling, auto-range, range 3
    input.SetPoints({20.0F, 4.0F, 100.0F, 0.0F});
    EXPECT_TRUE(Run(input, [&](CEngInputsDialog& d) {
        EXPECT_TRUE(Checked(d, res::kIdcEngLowVoltage));
        EXPECT_TRUE(Checked(d, res::kIdcEngScaling));
        EXPECT_EQ(Text(d, res::kIdcEngScaling), "Enable scaling:\nOutput = (6.25 * input) + -25");
        EXPECT_FALSE(d.GetControl(res::kIdcEngRange1)->IsEnabled());
        Click(d, res::kIdcEngThermocouple);
        EXPECT_TRUE(Checked(d, res::kIdcEngRange1));
        EXPECT_FALSE(Visible(d, res::kIdcEngScaling));
        EXPECT_FALSE(Visible(d, res::kIdcEngAutoRange));
        EXPECT_FALSE(Checked(d, res::kIdcEngAutoRange));
        EXPECT_TRUE(d.GetControl(res::kIdcEngRange1)->IsEnabled());
        EXPECT_EQ(Text(d, res::kIdcEngRangeGroup), "Type");
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "'C");
        Click(d, res::kIdcEngFahrenheit);
        EXPECT_EQ(Text(d, res::kIdcEngRange1), "J -328 to +1832 F");
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "'F");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(input.ModeWord(), 0x8018);
    EXPECT_EQ(input.BitmapId(), 407);
    EXPECT_EQ(Units(input), "'F");
    EXPECT_EQ(Saved(input).size(), 88u);
}

TEST_F(EngInputsDialog, PicturesSwitchTheKindAndChoosingTheShownKindChangesNothing)
{
    CEngInputsIcon& input = Place<CTCEngIcon>(doc, kDrop, 0);
    input.SetModeWord(0x0015);  // Celsius type S
    EXPECT_TRUE(Run(input, [&](CEngInputsDialog& d) {
        Click(d, res::kIdcEngThermocouple);
        EXPECT_TRUE(Checked(d, res::kIdcEngRange6));
        NotifyEvent voltage{Notification::Clicked, res::kIdcEngLowVoltagePicture};
        d.Notify(voltage);
        EXPECT_TRUE(Checked(d, res::kIdcEngLowVoltage));
        EXPECT_TRUE(Checked(d, res::kIdcEngRange1));
        EXPECT_EQ(Text(d, res::kIdcEngRange1), "+/- 1.25 V");
        EXPECT_TRUE(Visible(d, res::kIdcEngScaling));
        EXPECT_FALSE(Checked(d, res::kIdcEngScaling));
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "VDC");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(input.ModeWord(), 0x0000);
    EXPECT_EQ(input.BitmapId(), 405);
    EXPECT_EQ(Units(input), "VDC");
}

TEST_F(EngInputsDialog, AutoRangeDisablesTheRangeRadios)
{
    CEngInputsIcon& input = Place<CACEngIcon>(doc, kDrop, 0);
    Run(input, [&](CEngInputsDialog& d) {
        Click(d, res::kIdcEngAutoRange);
        for (const int id : kRangeRadios)
            EXPECT_FALSE(d.GetControl(id)->IsEnabled()) << id;
        Click(d, res::kIdcEngAutoRange);
        for (const int id : kRangeRadios)
            EXPECT_TRUE(d.GetControl(id)->IsEnabled()) << id;
        Click(d, kIdCancel);
    });
}

TEST_F(EngInputsDialog, ScalingPointsAndUnitsReachTheIconOnOkOnly)
{
    CEngInputsIcon& input = Place<CVLEngIcon>(doc, kDrop, 1);
    const auto edit = [&](bool ok) {
        return Run(input, [&](CEngInputsDialog& d) {
            Click(d, res::kIdcEngScaling);
            EXPECT_TRUE(d.GetControl(res::kIdcEngEditScaling)->IsEnabled());
            test::ChildDialogDriver child([&d] { return d.OpenChild(); },
                [](Dialog& eqn) {
                    EXPECT_EQ(eqn.GetControl(res::kIdcEqnInputLabel)->GetText(), "* Input +");
                    EXPECT_EQ(eqn.GetControl(res::kIdcEqnHighSignal)->GetText(), "");
                    eqn.GetControl(res::kIdcEqnHighSignal)->SetText("20");
                    eqn.GetControl(res::kIdcEqnLowSignal)->SetText("4");
                    eqn.GetControl(res::kIdcEqnHighReal)->SetText("100");
                    eqn.GetControl(res::kIdcEqnLowReal)->SetText("0");
                    Click(eqn, res::kIdcEqnCalculate);
                    Click(eqn, kIdOk);
                });
            Click(d, res::kIdcEngEditScaling);
            EXPECT_EQ(child.runs, 1);
            EXPECT_EQ(Text(d, res::kIdcEngScaling), "Enable scaling:\nOutput = (6.25 * input) + -25");
            SetText(d, CIconDialog::kIdcUnits, "PSI");
            Click(d, ok ? kIdOk : kIdCancel);
        });
    };
    EXPECT_FALSE(edit(false));
    EXPECT_EQ(input.Points(), ScalingPoints{});
    EXPECT_EQ(input.ModeWord(), 0x4000);
    EXPECT_EQ(Units(input), "Vdc");

    EXPECT_TRUE(edit(true));
    EXPECT_EQ(input.Points(), (ScalingPoints{20.0F, 4.0F, 100.0F, 0.0F}));
    EXPECT_EQ(input.ModeWord(), 0x4800);
    EXPECT_EQ(Units(input), "PSI");
    EXPECT_EQ(Saved(input).size(), 104u);

    // Reopened, the equation follows from the points kept.
    Run(input, [&](CEngInputsDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcEngScaling), "Enable scaling:\nOutput = (6.25 * input) + -25");
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "PSI");
        Click(d, kIdCancel);
    });
}

TEST_F(EngInputsDialog, RefusesAnExcitationTimeOutsideItsRange)
{
    struct Case {
        std::string text;
        bool accepted;
        std::uint16_t stored;
    };
    const std::vector<Case> cases{
        {"0", true, 0}, {"990", true, 990}, {"991", false, 0}, {"-1", false, 0}, {"ten", false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CEngInputsIcon& input = Place<CVLEngIcon>(doc, kDrop, 0);
        Prompts().messageBoxes.clear();
        Run(input, [&](CEngInputsDialog& d) {
            SetText(d, res::kIdcEngExcitation, c.text);
            Click(d, kIdOk);
            EXPECT_EQ(d.IsOpen(), !c.accepted);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
        EXPECT_EQ(input.ExcitationTime(), c.stored);
        EXPECT_EQ(Prompts().messageBoxes.empty(), c.accepted);
        if (c.text == "991" || c.text == "-1") {
            ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
            EXPECT_EQ(Prompts().messageBoxes[0].text, "Sensor excitation time must be between 0 and 990 milliseconds");
        }
    }
}

TEST_F(EngInputsDialog, WarnsOfTheExcitationIconAndCancelClearsTheTime)
{
    struct Case {
        bool excitationIcon;
        std::optional<int> answer;
        std::uint16_t stored;
    };
    const std::vector<Case> cases{
        {false, std::nullopt, 30},
        {true, kIdOk, 30},
        {true, 5, 30},  // the user chose not to see it again: as OK
        {true, kIdCancel, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.value_or(-1));
        CNetDoc net(services, factory);
        services.advisories.clear();
        if (c.answer)
            services.advisoryAnswers = {*c.answer};
        if (c.excitationIcon)
            Place<test::RelayIcon>(net, "Excitation", 1, kTypeExcitation);
        CEngInputsIcon& input = Place<CACEngIcon>(net, kDrop, 1);
        EXPECT_TRUE(Run(input, [&](CEngInputsDialog& d) {
            SetText(d, res::kIdcEngExcitation, "30");
            Click(d, kIdOk);
        }));
        EXPECT_EQ(input.ExcitationTime(), c.stored);
        ASSERT_EQ(services.advisories.size(), c.excitationIcon ? 1u : 0u);
        if (c.excitationIcon) {
            EXPECT_EQ(services.advisories[0].first, CAdvisoryDlg::kOkCancel);
            EXPECT_TRUE(StartsWith(services.advisories[0].second, kConflictStart));
        }
    }
}

TEST_F(EngInputsDialog, BatteryNetAsksOncePerIconAndCancelKeepsTheDialogOpen)
{
    PlaceProgramWith(0);  // battery powered
    CEngInputsIcon& input = Place<CVLEngIcon>(doc, kDrop, 0);
    services.advisoryAnswers = {kIdCancel};
    Run(input, [&](CEngInputsDialog& d) {
        Settle(d, 5);
        SetText(d, res::kIdcEngExcitation, "100");
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        Click(d, kIdCancel);
    });
    ASSERT_EQ(AdvisoryTexts().size(), 1u);
    EXPECT_TRUE(StartsWith(AdvisoryTexts()[0], kSettlingStart));
    EXPECT_EQ(input.ModeWord(), 0x0000);
    EXPECT_EQ(input.Header().warningFlags & 0x3, 0x3);

    services.advisories.clear();
    services.advisoryAnswers = {kIdOk, kIdCancel, kIdOk};
    EXPECT_TRUE(Run(input, [&](CEngInputsDialog& d) {
        Settle(d, 5);
        SetText(d, res::kIdcEngExcitation, "100");
        Click(d, kIdOk);  // settling accepted, excitation refused: stays open
        EXPECT_TRUE(d.IsOpen());
        Click(d, kIdOk);  // only the excitation question is asked again
    }));
    const std::vector<std::string> texts = AdvisoryTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_TRUE(StartsWith(texts[0], kSettlingStart));
    EXPECT_TRUE(StartsWith(texts[1], kExcitationStart));
    EXPECT_TRUE(StartsWith(texts[2], kExcitationStart));
    EXPECT_EQ(input.ModeWord(), 0x0280);
    EXPECT_EQ(input.ExcitationTime(), 100);
    EXPECT_EQ(input.Header().warningFlags & 0x3, 0);

    services.advisories.clear();
    EXPECT_TRUE(Run(input, [&](CEngInputsDialog& d) { Click(d, kIdOk); }));
    EXPECT_TRUE(services.advisories.empty());
}

TEST_F(EngInputsDialog, MainsPoweredNetAsksNoBatteryQuestion)
{
    PlaceProgramWith(2);
    CEngInputsIcon& input = Place<CVLEngIcon>(doc, kDrop, 0);
    EXPECT_TRUE(Run(input, [&](CEngInputsDialog& d) {
        Settle(d, 9);
        SetText(d, res::kIdcEngExcitation, "100");
        Click(d, kIdOk);
    }));
    EXPECT_TRUE(services.advisories.empty());
    EXPECT_EQ(input.Header().warningFlags & 0x3, 0x3);
    EXPECT_EQ(input.ModeWord(), 0x0480);
}

}  // namespace
}  // namespace c_eng_inputs_dialog_test
}  // namespace corvane
