#include "LoggerConnectionTest.h"
#include "PinnedTimeZone.h"
#include "TestOutput.h"

#include "commwindow/CChangeModuleName.h"
#include "commwindow/CModuleNodeDlg.h"
#include "icons/hardware/CTevlinkNode.h"
#include "platform/EditControl.h"
#include "platform/FrameAutomation.h"
#include "platform/LocaleFormats.h"
#include "res/ModuleNodeIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace corvane::test {
namespace module_node_test {
namespace {

class ModuleNodeTest : public LoggerConnectionTest {
protected:
    ModuleNodeTest() { SetFormatLocale("en_US"); }
    ~ModuleNodeTest() override { SetFormatLocale(""); }

    // The program connected over the network to a logger with the shipped
    // modules; adjust changes the logger's state before it starts.
    void Connect(const std::function<void(LoggerState&)>& adjust = {})
    {
        StartLogger(false, false, LoggerState{}.firmwareVersion, adjust);
        StartProgram();
        SaveConnections();
        ConnectThroughTheDialog("Plant network");
        ASSERT_TRUE(view_->IsConnected());
        // The whole 1024 x 768 picture in view, bus modules included.
        Shell().MainFrame()->MoveTo({0, 0, 1200, 1000});
        App().ProcessPending();
    }

    const CTevlinkNode* Node(std::uint8_t address) const
    {
        for (const auto& object : view_->GetLaunchDoc()->GetObjects()) {
            const auto* node = dynamic_cast<const CTevlinkNode*>(object.get());
            if (node != nullptr && node->Address() == address)
                return node;
        }
        return nullptr;
    }

    // Double-clicks the module's node in the Communication Window while
    // step runs every 50 ms (inside whatever dialog is open) until it
    // returns true or the bound is reached.
    void DoubleClickNode(std::uint8_t address, const std::function<bool()>& step = {})
    {
        const CTevlinkNode* node = Node(address);
        ASSERT_NE(node, nullptr) << int{address};
        RecordingWindow driver;
        bool done = false;
        int rounds = 0;
        driver.onMessage = [&](Message&) {
            if (!done && step)
                done = step();
            // A bound that only keeps a broken build from hanging.
            if (!done && ++rounds > 400) {
                ADD_FAILURE() << "the node dialog did not get where the test wanted";
                done = true;
                if (CModuleNodeDlg* dialog = view_->OpenNodeDialog())
                    dialog->EndDialog(kIdAbort);
            }
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        const Point centre = view_->LogicalToClient(node->Position().Centre());
        using frame_automation::MouseAction;
        frame_automation::SendMouse(*view_, MouseAction::Press, MouseButton::Left, centre);
        frame_automation::SendMouse(*view_, MouseAction::Release, MouseButton::Left, centre);
        frame_automation::SendMouse(*view_, MouseAction::DoubleClick, MouseButton::Left, centre);
        driver.KillTimer(1);
        App().ProcessPending();
        // Without a step no dialog is expected to open.
        EXPECT_EQ(done, static_cast<bool>(step));
    }

    static std::string Text(const Dialog& dialog, int id) { return dialog.GetControl(id)->GetText(); }
    static void Click(const Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }
};

TEST_F(ModuleNodeTest, EachModulesDialogShowsTheModuleAndChangeRenamesIt)
{
    PinnedTimeZone zone("UTC");
    Connect();
    struct Case {
        std::uint8_t address;
        const char* caption;
        const char* typeText;
        const char* firmware;
        const char* serial;
        const char* name;
        const char* newName;
        const char* picture;
    };
    const Case cases[] = {
        {1, "VEXA-7 Module Properties", "VEXA-7 Isolated Input Module", "02.01.00", "700101", "Analog Inputs",
            "Boiler inputs", "module-node-analog-program.png"},
        {4, "VEXA-2 Module Properties", "VEXA-2 Digital Input/Output Module", "01.03.00", "700402", "Digital I/O",
            "Valve outputs", "module-node-digital-program.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::map<int, std::string> shown;
        std::string whileUpdating;
        int stage = 0;
        DoubleClickNode(c.address, [&] {
            CModuleNodeDlg* dialog = view_->OpenNodeDialog();
            if (dialog == nullptr)
                return false;
            if (CChangeModuleName* rename = dialog->OpenNameDialog()) {
                rename->GetControlAs<EditControl>(res::kIdcNewModuleName)->SetText(c.newName);
                Click(*rename, kIdOk);
                return false;
            }
            const std::string name = Text(*dialog, res::kIdcNodeName);
            if (stage == 0 && name == c.name && (c.address != 1 || !Text(*dialog, res::kIdcNodeComments).empty())) {
                for (const int id :
                    {res::kIdcNodeModuleType, res::kIdcNodeFirmware, res::kIdcNodeSerial, res::kIdcNodeAddress,
                        res::kIdcNodeLastCalibration, res::kIdcNodeCalibrationDue, res::kIdcNodeComments}) {
                    if (dialog->GetControl(id) != nullptr)
                        shown[id] = Text(*dialog, id);
                }
                EXPECT_EQ(dialog->Layout().caption, c.caption);
                EXPECT_TRUE(dialog->SaveImage(OutputFile(c.picture).string()));
                stage = 1;
                // Change runs the name dialog (answered above) and sends the name.
                Click(*dialog, res::kIdcNodeChange);
                whileUpdating = Text(*dialog, res::kIdcNodeName);
                return false;
            }
            if (stage == 1 && name == c.newName) {
                Click(*dialog, kIdOk);
                return true;
            }
            return false;
        });
        EXPECT_EQ(shown[res::kIdcNodeModuleType], c.typeText);
        EXPECT_EQ(shown[res::kIdcNodeFirmware], c.firmware);
        EXPECT_EQ(shown[res::kIdcNodeSerial], c.serial);
        EXPECT_EQ(shown[res::kIdcNodeAddress], std::to_string(c.address));
        if (c.address == 1) {
            // The shipped calibration: 2026-01-15 00:00 UTC, due a year later.
            EXPECT_EQ(shown[res::kIdcNodeLastCalibration],
                FormatLocaleShortDate(2026, 1, 15) + " " + FormatLocaleTime(0, 0, 0));
            EXPECT_EQ(shown[res::kIdcNodeCalibrationDue],
                FormatLocaleShortDate(2027, 1, 15) + " " + FormatLocaleTime(0, 0, 0));
            EXPECT_EQ(shown[res::kIdcNodeComments], "Factory calibration");
        }
        EXPECT_EQ(whileUpdating, "   >> Updating : Please Wait <<");
        EXPECT_EQ(stage, 1);
        EXPECT_EQ(logger_->State().modules.at(c.address).name, c.newName);
        EXPECT_EQ(view_->OpenNodeDialog(), nullptr);
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(ModuleNodeTest, SetSnWritesANineDigitSerialNumberWithTheProductionSetting)
{
    Connect();
    ASSERT_FALSE(Shell().Settings().CreateKey("Software\\Tarnwick\\Corvane\\Admin"));
    ASSERT_FALSE(
        Shell().Settings().SetValue("Software\\Tarnwick\\Corvane\\Admin", "ShowProduction", SettingsValue::Dword(1)));
    int stage = 0;
    DoubleClickNode(4, [&] {
        CModuleNodeDlg* dialog = view_->OpenNodeDialog();
        if (dialog == nullptr || Text(*dialog, res::kIdcNodeSerial).empty())
            return false;
        auto* edit = dialog->GetControlAs<EditControl>(res::kIdcNodeNewSerial);
        if (stage == 0) {
            EXPECT_TRUE(dialog->GetControl(res::kIdcNodeSetSerial)->IsVisible());
            edit->SetText("99999999");
            Click(*dialog, res::kIdcNodeSetSerial);
            edit->SetText("987654321");
            Click(*dialog, res::kIdcNodeSetSerial);
            stage = 1;
            return false;
        }
        if (Text(*dialog, res::kIdcNodeSerial) != "987654321")
            return false;
        Click(*dialog, kIdOk);
        return true;
    });
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Valid serial numbers contain 9 decimal digits...");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Invalid serial number");
    EXPECT_EQ(logger_->State().modules.at(4).serialNumber, 987654321u);
}

// A module file is flashed while the module answers "busy" to a few status
// requests; a failed reflash shows its text and the module is read again.
TEST_F(ModuleNodeTest, ReflashInstallsTheFileAndAFailureShowsItsText)
{
    Connect([](LoggerState& state) { state.modules[1].flashBusy = 4; });
    std::vector<std::uint8_t> image(32 + 3000, 0x11);
    std::memcpy(image.data(), "TVLKMODULE", 10);
    image[28] = 0;  // the analog module's firmware
    image[32 + 10] = 3;
    image[32 + 11] = 7;
    image[32 + 12] = 1;
    const std::filesystem::path file = OutputFile("module-analog-3.7.1.bin");
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    }
    FileDialogResult chosen;
    chosen.paths = {file.string()};
    Prompts().fileDialogAnswers = {chosen, chosen};

    std::vector<std::string> firmware;
    int stage = 0;
    DoubleClickNode(1, [&] {
        CModuleNodeDlg* dialog = view_->OpenNodeDialog();
        if (dialog == nullptr)
            return false;
        const std::string version = Text(*dialog, res::kIdcNodeFirmware);
        if (!version.empty() && (firmware.empty() || firmware.back() != version))
            firmware.push_back(version);
        if (stage == 0 && version == "02.01.00") {
            Click(*dialog, res::kIdcNodeReflash);
            stage = 1;
        } else if (stage == 1 && version == "03.07.01" && !dialog->Reflash().Running()) {
            // The second reflash loses its end step's answer from the module.
            SimFault fault{SimFault::Kind::ErrorReply, kRequestTlFlash, 0, 0x0B0B, "Module bus error", 1};
            fault.skip = 5;
            logger_->InjectFault(fault);
            Click(*dialog, res::kIdcNodeReflash);
            stage = 2;
        } else if (stage == 2 && version == "Reflash Needed" && !dialog->Reflash().Running()) {
            Click(*dialog, kIdOk);
            return true;
        }
        return false;
    });
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Reflash operation successful.");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Reflash Complete");
    EXPECT_EQ(Prompts().messageBoxes[1].text, "Error (0B0B) while processing request.\n\nModule bus error");
    EXPECT_EQ(Prompts().messageBoxes[1].caption, "Communication Error");
    EXPECT_EQ(firmware, (std::vector<std::string>{"02.01.00", "03.07.01", "Reflash Needed"}));
    // The first reflash: prepare, erase, three blocks, end, the four busy
    // answers and the last status; the second: up to its refused end.
    std::size_t flashRequests = 0;
    for (const std::uint16_t type : logger_->RequestTypes())
        flashRequests += type == kRequestTlFlash ? 1 : 0;
    EXPECT_EQ(flashRequests, (2u + 3u + 1u + 4u + 1u) + 6u);
    const std::array<std::uint8_t, 3> erased{0xFF, 0xFF, 0xFF};
    EXPECT_EQ(logger_->State().modules.at(1).firmware, erased);
}

TEST_F(ModuleNodeTest, OtherModuleTypesOpenNothingOrAreReportedAsUnknown)
{
    Connect([](LoggerState& state) {
        state.modules[3] = BusModule{5, {1, 0, 0}, 1, "Strange"};
        state.modules[6] = BusModule{2, {1, 0, 0}, 2, "Other"};
    });
    ASSERT_NE(Node(3), nullptr);
    ASSERT_NE(Node(6), nullptr);
    DoubleClickNode(6);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    DoubleClickNode(3);
    App().ProcessPending();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Unknown module type 5 at Tevlink address 3");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Warning");
    EXPECT_EQ(view_->OpenNodeDialog(), nullptr);
}

}  // namespace
}  // namespace module_node_test
}  // namespace corvane::test
