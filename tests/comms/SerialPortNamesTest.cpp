#include "comms/SerialPortNames.h"

#include "CommsFakes.h"
#include "ScratchFolder.h"
#include "halvix/HalvixLibrary.h"
#include "halvix/MessagePoster.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane {
namespace serial_port_names_test {
namespace {

namespace fs = std::filesystem;

TEST(SerialPortNamesTest, PortNumberFollowsFromTheName)
{
    struct Case {
        const char* name;
        int port;
    };
    for (Case c : {Case{"ttyS0", 1}, Case{"ttyS31", 32}, Case{"ttyUSB0", 1001}, Case{"ttyUSB2", 1003},
             Case{"ttyACM0", 2001}, Case{"ttyACM999", 3000}, Case{"ttyS", 0}, Case{"ttyS01", 0}, Case{"ttyS1000", 0},
             Case{"ttyS-1", 0}, Case{"ttyUSBx", 0}, Case{"ttyAMA0", 0}, Case{"tty0", 0}, Case{"console", 0}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SerialPortNames::PortNumberForName(c.name), c.port);
    }
}

class SerialPortNamesFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* node : {"ttyS1", "ttyUSB0", "ttyS0", "ttyACM0", "tty0", "console", "ttyS01"})
            scratch_.Write(node, "");
        // A pseudo-terminal stands in for a port through a link of a port's name.
        fs::create_symlink(scratch_.Write("pty-stand-in", ""), scratch_.Path() / "ttyS7");
        fs::create_symlink(scratch_.Path() / "gone", scratch_.Path() / "ttyS9");
    }

    test::ScratchFolder scratch_;
};

TEST_F(SerialPortNamesFolderTest, OffersSerialDevicesPresentInPortOrder)
{
    SerialPortNames ports(scratch_.Path());
    ports.Scan();
    std::vector<std::string> names;
    for (const SerialPortChoice& choice : ports.Choices())
        names.push_back(choice.name);
    EXPECT_EQ(names, (std::vector<std::string>{"ttyS0", "ttyS1", "ttyS7", "ttyUSB0"}));
    EXPECT_EQ(ports.Choices()[2].path, scratch_.Path() / "ttyS7");
}

TEST_F(SerialPortNamesFolderTest, ComIndexIsThePortLessOne)
{
    SerialPortNames ports(scratch_.Path());
    ports.Scan();
    struct Case {
        int comIndex;
        int row;
        const char* name;
    };
    for (Case c : {Case{0, 0, "ttyS0"}, Case{7, 2, "ttyS7"}, Case{1000, 3, "ttyUSB0"}, Case{5, -1, ""},
             Case{-1, -1, ""}, Case{2000, -1, ""}}) {
        SCOPED_TRACE(c.comIndex);
        EXPECT_EQ(ports.RowForComIndex(c.comIndex), c.row);
        EXPECT_EQ(ports.NameForComIndex(c.comIndex), c.name);
    }
}

TEST_F(SerialPortNamesFolderTest, RegistersDevicePathsWithTheLibrary)
{
    HalvixLibrary library(std::make_unique<test::DroppingPoster>());
    SerialPortNames ports(scratch_.Path());
    ports.Scan();
    EXPECT_TRUE(ports.Register(7, library));
    EXPECT_EQ(library.SerialDevice(8), (scratch_.Path() / "ttyS7").string());
    EXPECT_FALSE(ports.Register(5, library));
    ports.RegisterAll(library);
    EXPECT_EQ(library.SerialDevice(1001), (scratch_.Path() / "ttyUSB0").string());
    EXPECT_EQ(library.SerialDevice(1), (scratch_.Path() / "ttyS0").string());
}

TEST(SerialPortNamesTest, MissingFolderOffersNothing)
{
    test::ScratchFolder scratch;
    SerialPortNames ports(scratch.Path() / "nowhere");
    ports.Scan();
    EXPECT_TRUE(ports.Choices().empty());
}

}  // namespace
}  // namespace serial_port_names_test
}  // namespace corvane
