#include "comms/CUSBManager.h"

#include "CommsFakes.h"
#include "ScratchFolder.h"
#include "halvix/HalvixLibrary.h"
#include "halvix/MessagePoster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace corvane {
namespace cusb_manager_test {
namespace {

namespace fs = std::filesystem;

// A fake sysfs tree and device folder:
//   ttyACM0  our logger, plugged in, a serial number longer than the field
//   ttyACM1  another vendor's device
//   ttyACM2  our logger, unplugged (no device node)
//   ttyACM3  our logger whose serial number cannot be read
//   ttyUSB0  our logger behind a USB serial port (one folder deeper)
//   ttyS0    a tty that is not on USB
class CUSBManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddUsbTty("ttyACM0", "1-1", "1209", "c0a7", "LG0001234567890123", "1-1:1.0");
        AddUsbTty("ttyACM1", "1-2", "2341", "c0a7", "OTHER", "1-2:1.0");
        AddUsbTty("ttyACM2", "1-3", "1209", "C0A7", "LG2", "1-3:1.0");
        AddUsbTty("ttyACM3", "1-4", "1209", "c0a7", "", "1-4:1.0");
        fs::remove(Usb() / "1-4" / "serial");
        fs::create_directories(Usb() / "1-4" / "serial");
        AddUsbTty("ttyUSB0", "1-5", "1209", "c0a7", "LG5", "1-5:1.0/ttyUSB0");
        fs::create_directories(Sys() / "devices" / "platform" / "serial8250");
        fs::create_directories(Sys() / "class" / "tty" / "ttyS0");
        fs::create_directory_symlink(
            Sys() / "devices" / "platform" / "serial8250", Sys() / "class" / "tty" / "ttyS0" / "device");
        fs::create_directories(Dev());
        for (const char* node : {"ttyACM0", "ttyACM1", "ttyACM3", "ttyUSB0", "ttyS0"})
            Touch(Dev() / node);
    }

    fs::path Sys() const { return scratch_.Path() / "sys"; }
    fs::path Dev() const { return scratch_.Path() / "dev"; }
    fs::path Usb() const { return Sys() / "devices" / "usb1"; }

    static void Touch(const fs::path& path, const std::string& text = "")
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    void AddUsbTty(const std::string& tty, const std::string& device, const std::string& vendor,
        const std::string& product, const std::string& serial, const std::string& below)
    {
        const fs::path folder = Usb() / device;
        fs::create_directories(folder / below);
        Touch(folder / "idVendor", vendor + "\n");
        Touch(folder / "idProduct", product + "\n");
        Touch(folder / "serial", serial + "\n");
        fs::create_directories(Sys() / "class" / "tty" / tty);
        fs::create_directory_symlink(folder / below, Sys() / "class" / "tty" / tty / "device");
    }

    test::ScratchFolder scratch_;
    HalvixLibrary library_{std::make_unique<test::DroppingPoster>()};
};

TEST_F(CUSBManagerTest, ListsOurLoggersOnlyWithTheirStateAndPorts)
{
    CUSBManager usb(Sys(), Dev(), nullptr);
    usb.Scan();
    struct Expected {
        const char* port;
        const char* serial;
        int active;
        int number;
    };
    const Expected expected[] = {
        {"ttyUSB0", "LG5", 1, 1001},
        {"ttyACM0", "LG0001234567890", 1, 2001},
        {"ttyACM2", "LG2", 0, 2003},
    };
    ASSERT_EQ(usb.GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        _usbInfoStruct entry;
        ASSERT_TRUE(usb.GetEntry(i, entry));
        EXPECT_EQ(entry.portName, expected[i].port);
        EXPECT_EQ(entry.instanceName, expected[i].serial);
        EXPECT_EQ(entry.active, expected[i].active);
        EXPECT_EQ(entry.portNumber, expected[i].number);
        EXPECT_EQ(usb.GetPortNumber(i), expected[i].number);
    }
}

TEST_F(CUSBManagerTest, UnpluggedLoggerIsFoundButNotActive)
{
    CUSBManager usb(Sys(), Dev(), nullptr);
    usb.Scan();
    _usbInfoStruct entry;
    EXPECT_TRUE(usb.FindEntry("ttyACM2", entry));
    EXPECT_EQ(entry.active, 0);
    EXPECT_EQ(usb.FindActivePort("ttyACM2"), -1);
    EXPECT_FALSE(usb.IsPortActive("ttyACM2"));
    EXPECT_EQ(usb.FindActivePort("ttyACM0"), 1);
    EXPECT_FALSE(usb.FindEntry("ttyacm0", entry));
    EXPECT_FALSE(usb.FindEntry("ttyACM1", entry));
    EXPECT_FALSE(usb.FindEntry("ttyACM3", entry));
}

TEST_F(CUSBManagerTest, OutOfRangeIndexesAnswerAsDocumented)
{
    CUSBManager usb(Sys(), Dev(), nullptr);
    usb.Scan();
    std::string name = "unchanged";
    _usbInfoStruct entry;
    for (int index : {-1, 3}) {
        EXPECT_FALSE(usb.GetEntry(index, entry));
        EXPECT_EQ(usb.GetPortName(index, name), 1);
        EXPECT_EQ(usb.GetPortNumber(index), 0);
    }
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(usb.GetPortName(0, name), 0);
    EXPECT_EQ(name, "ttyUSB0");
}

TEST_F(CUSBManagerTest, RegistersEveryFoundPortWithTheLibrary)
{
    CUSBManager usb(Sys(), Dev(), &library_);
    usb.Scan();
    EXPECT_EQ(library_.SerialDevice(2001), (Dev() / "ttyACM0").string());
    EXPECT_EQ(library_.SerialDevice(2003), (Dev() / "ttyACM2").string());
    EXPECT_EQ(library_.SerialDevice(1001), (Dev() / "ttyUSB0").string());
}

TEST_F(CUSBManagerTest, PortNumberStaysWithItsNameAcrossScans)
{
    CUSBManager usb(Sys(), Dev(), &library_);
    usb.Scan();
    fs::remove(Dev() / "ttyACM0");
    fs::remove_all(Sys() / "class" / "tty" / "ttyUSB0");
    usb.Scan();
    _usbInfoStruct entry;
    ASSERT_TRUE(usb.FindEntry("ttyACM0", entry));
    EXPECT_EQ(entry.portNumber, 2001);
    EXPECT_EQ(entry.active, 0);
    EXPECT_EQ(usb.GetCount(), 2);
}

TEST_F(CUSBManagerTest, MissingTreeGivesAnEmptyList)
{
    CUSBManager usb(scratch_.Path() / "nowhere", Dev(), nullptr);
    usb.Scan();
    EXPECT_EQ(usb.GetCount(), 0);
}

TEST_F(CUSBManagerTest, KeepsTheComPortOfTheLinkInUse)
{
    CUSBManager usb(Sys(), Dev(), nullptr);
    EXPECT_EQ(usb.GetComPort(), 0);
    usb.SetComPort(2001);
    EXPECT_EQ(usb.GetComPort(), 2001);
}

}  // namespace
}  // namespace cusb_manager_test
}  // namespace corvane
