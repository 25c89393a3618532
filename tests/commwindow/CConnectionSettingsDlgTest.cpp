#include "commwindow/CConnectionSettingsDlg.h"

#include "ModalDriver.h"
#include "PlatformTestSupport.h"
#include "ScratchFolder.h"

#include "comms/SerialPortNames.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/ListViewControl.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace c_connection_settings_dlg_test {
namespace {

namespace fs = std::filesystem;

// A device folder with two serial ports and two USB loggers known to sysfs,
// of which only the second (ttyACM1) is plugged in.
class ConnectionSettingsDialog : public test::PlatformTest {
protected:
    ConnectionSettingsDialog()
    {
        fs::create_directories(Dev());
        for (const char* node : {"ttyS0", "ttyS3", "ttyACM1"})
            std::ofstream(Dev() / node) << "";
        AddLogger("ttyACM0", "1-1", "LG0");
        AddLogger("ttyACM1", "1-2", "LG1");
    }

    fs::path Dev() const { return scratch_.Path() / "dev"; }
    fs::path Sys() const { return scratch_.Path() / "sys"; }

    void AddLogger(const std::string& tty, const std::string& device, const std::string& serial)
    {
        const fs::path folder = Sys() / "devices" / device;
        fs::create_directories(folder / "interface");
        std::ofstream(folder / "idVendor") << "1209\n";
        std::ofstream(folder / "idProduct") << "c0a7\n";
        std::ofstream(folder / "serial") << serial << "\n";
        fs::create_directories(Sys() / "class" / "tty" / tty);
        fs::create_directory_symlink(folder / "interface", Sys() / "class" / "tty" / tty / "device");
    }

    // Opens the dialog on entry, lets drive act, returns the end code.
    int Run(OM_DIRECTORY_ENTRY& entry, bool showProduction, const std::function<void(CConnectionSettingsDlg&)>& drive)
    {
        CUSBManager usb(Sys(), Dev(), nullptr);
        SerialPortNames ports(Dev());
        CConnectionSettingsDlg dialog(entry, usb, ports, showProduction);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.DoModal();
    }

    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Shown(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }

    test::ScratchFolder scratch_;
};

TEST_F(ConnectionSettingsDialog, EachKindShowsItsControls)
{
    struct Case {
        int radio;
        bool network;
        bool serial;
        bool usb;
    };
    const Case cases[] = {
        {res::kIdcSettingsEthernet, true, false, false},
        {res::kIdcSettingsWiFi, true, false, false},
        {res::kIdcSettingsCellular, true, false, false},
        {res::kIdcSettingsUsb, false, false, true},
        {res::kIdcSettingsRs232, false, true, false},
    };
    OM_DIRECTORY_ENTRY entry;
    Run(entry, true, [&](CConnectionSettingsDlg& d) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.radio);
            Click(d, c.radio);
            for (int id : {res::kIdcSettingsAddress, res::kIdcSettingsAddressLabel, res::kIdcSettingsIpPort,
                     res::kIdcSettingsIpPortLabel})
                EXPECT_EQ(Shown(d, id), c.network);
            EXPECT_EQ(Shown(d, res::kIdcSettingsComPort), c.serial);
            EXPECT_EQ(Shown(d, res::kIdcSettingsComPortLabel), c.serial);
            EXPECT_EQ(Shown(d, res::kIdcSettingsUsbList), c.usb);
        }
        Click(d, kIdCancel);
    });
}

TEST_F(ConnectionSettingsDialog, SerialChoiceOnlyWithProduction)
{
    for (bool production : {false, true}) {
        SCOPED_TRACE(production);
        OM_DIRECTORY_ENTRY entry;
        entry.comIndex = 3;
        Run(entry, production, [&](CConnectionSettingsDlg& d) {
            EXPECT_EQ(Shown(d, res::kIdcSettingsRs232), production);
            EXPECT_FALSE(Shown(d, res::kIdcSettingsComPort));
            auto* combo = d.GetControlAs<ComboBoxControl>(res::kIdcSettingsComPort);
            ASSERT_EQ(combo->GetCount(), 2);
            EXPECT_EQ(combo->GetLBText(0), "ttyS0");
            EXPECT_EQ(combo->GetText(), "ttyS3");
            Click(d, kIdCancel);
        });
    }
}

TEST_F(ConnectionSettingsDialog, OkWritesTheFieldsBackAndCancelLeavesTheEntry)
{
    OM_DIRECTORY_ENTRY entry;
    const OM_DIRECTORY_ENTRY before = entry;
    auto edit = [&](CConnectionSettingsDlg& d, int endButton) {
        EXPECT_EQ(d.GetControl(res::kIdcSettingsName)->GetText(), "MyLogger");
        EXPECT_EQ(d.GetControl(res::kIdcSettingsIpPort)->GetText(), "4660");
        d.GetControl(res::kIdcSettingsName)->SetText("Pump house");
        d.GetControl(res::kIdcSettingsAddress)->SetText("10.1.2.3");
        d.GetControl(res::kIdcSettingsIpPort)->SetText("5000");
        Click(d, res::kIdcSettingsRs232);
        d.GetControlAs<ComboBoxControl>(res::kIdcSettingsComPort)->SetCurSel(0);
        Click(d, endButton);
    };
    EXPECT_EQ(Run(entry, true, [&](CConnectionSettingsDlg& d) { edit(d, kIdCancel); }), kIdCancel);
    EXPECT_EQ(entry, before);
    EXPECT_EQ(Run(entry, true, [&](CConnectionSettingsDlg& d) { edit(d, res::kIdcSettingsOk); }), kIdOk);
    EXPECT_EQ(entry.name, "Pump house");
    EXPECT_EQ(entry.address, "10.1.2.3");
    EXPECT_EQ(entry.ipPort, 5000);
    EXPECT_EQ(entry.kind, 4);
    EXPECT_EQ(entry.comIndex, 0);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(ConnectionSettingsDialog, UsbListSelectsTheEntrysActiveLoggerElseTheFirst)
{
    struct Case {
        const char* savedPort;
        int selectedRow;
    };
    for (Case c : {Case{"ttyACM1", 1}, Case{"ttyACM0", 0}, Case{"", 0}}) {
        SCOPED_TRACE(c.savedPort);
        OM_DIRECTORY_ENTRY entry;
        entry.kind = 3;
        entry.usbPortName = c.savedPort;
        Run(entry, false, [&](CConnectionSettingsDlg& d) {
            auto* list = d.GetControlAs<ListViewControl>(res::kIdcSettingsUsbList);
            ASSERT_EQ(list->GetItemCount(), 2);
            EXPECT_EQ(list->GetItemText(1, 0), "2");
            EXPECT_EQ(list->GetItemText(1, 1), "SN LG1");
            EXPECT_EQ(list->GetItemText(1, 2), "ttyACM1");
            EXPECT_EQ(list->GetSelectedItem(), c.selectedRow);
            Click(d, res::kIdcSettingsOk);
        });
        EXPECT_EQ(entry.usbPortName, c.selectedRow == 0 ? "ttyACM0" : "ttyACM1");
    }
}

TEST_F(ConnectionSettingsDialog, UsbWithoutASelectedRowIsRefused)
{
    OM_DIRECTORY_ENTRY entry;
    entry.kind = 3;
    const OM_DIRECTORY_ENTRY before = entry;
    const int end = Run(entry, false, [&](CConnectionSettingsDlg& d) {
        d.GetControl(res::kIdcSettingsName)->SetText("Changed");
        d.GetControlAs<ListViewControl>(res::kIdcSettingsUsbList)->SetItemSelected(0, false);
        Click(d, res::kIdcSettingsOk);
        EXPECT_TRUE(d.IsOpen());
        Click(d, kIdCancel);
    });
    EXPECT_EQ(end, kIdCancel);
    EXPECT_EQ(entry, before);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "No logger has been selected");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Invalid Selection");
    EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Warning);
}

TEST_F(ConnectionSettingsDialog, IpPortMustLieInItsRange)
{
    struct Case {
        const char* text;
        bool accepted;
    };
    for (Case c : {Case{"0", true}, Case{"65535", true}, Case{"65536", false}, Case{"4294967295", false}}) {
        SCOPED_TRACE(c.text);
        Prompts().messageBoxes.clear();
        OM_DIRECTORY_ENTRY entry;
        Run(entry, false, [&](CConnectionSettingsDlg& d) {
            d.GetControl(res::kIdcSettingsIpPort)->SetText(c.text);
            Click(d, res::kIdcSettingsOk);
            EXPECT_EQ(d.IsOpen(), !c.accepted);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
        if (c.accepted) {
            EXPECT_EQ(std::to_string(entry.ipPort), c.text);
            EXPECT_TRUE(Prompts().messageBoxes.empty());
        } else {
            EXPECT_EQ(entry.ipPort, 4660);
            ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
            EXPECT_EQ(Prompts().messageBoxes[0].text, "IP port must be between 0 and 65535");
            EXPECT_EQ(Prompts().messageBoxes[0].caption, "Configuration Error");
        }
    }
}

}  // namespace
}  // namespace c_connection_settings_dlg_test
}  // namespace corvane
