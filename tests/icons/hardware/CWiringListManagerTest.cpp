#include "icons/hardware/CWiringListManager.h"

#include "HardwareIconTestSupport.h"

#include "base/AtomicFile.h"
#include "icons/hardware/CGpdiIcon.h"
#include "icons/hardware/COdioIcon.h"
#include "icons/hardware/CQuvEngRelayIcon.h"
#include "icons/hardware/TextFileViewer.h"
#include "netmodel/RecordTransfer.h"
#include "netmodel/TerminalStripEntry.h"

#include <string>
#include <vector>

namespace corvane {
namespace c_wiring_list_manager_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class RecordingViewer final : public TextFileViewer {
public:
    std::vector<std::filesystem::path> shown;
    bool starts = true;
    bool Show(const std::filesystem::path& file) override
    {
        shown.push_back(file);
        return starts;
    }
};

// A channel of a bus module with one pin: its module type and address.
class ModuleChannelIcon final : public CHardwareIcon {
public:
    ModuleChannelIcon(int moduleType, int address) : moduleType_(moduleType), address_(address)
    {
        SetDeletable(false);
        SetName("Channel");
        InitIcon(300, 300, 0, 1, 32, true, true, false);
    }
    void CopyFixedPart(RecordTransfer&) override {}
    int GetPinCount() const override { return 1; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override
    {
        if (pin != 1)
            return -1;
        entry.index = 1;
        entry.terminalNumber = 1;
        entry.name = Header().name;
        entry.function = "CH A; VDC Low In Input A";
        entry.polarity = "[+]";
        entry.moduleHeading = true;
        entry.stripHeading = true;
        return 0;
    }
    int GetModuleType() const override { return moduleType_; }
    int GetModuleAddress() const override { return address_; }

private:
    int moduleType_;
    int address_;
};

// The logger's section of a net with every terminal the logger's own
// fixed terminals and channel icons fill: the digital I/O line wired in
// the net, the GPDI and the relay not connected.
constexpr std::string_view kLoggerSection =
    "\r\nQUV Logger \r\n"
    "\r\n\r\n\r\nQUV Terminal Strip (Left to right listing):\r\n\r\n"
    "Terminal  Name                Function                           Polarity  \r\n\r\n"
    "1                             Vdc+: Ext DC Power In              [+]       \r\n"
    "2                             GND: System Ground                 [-]       \r\n"
    "3                             Vbatt: Ext Battery Pwr In          [+]       \r\n\r\n"
    "Pin 4 is Not Installed\r\n\r\n"
    "Pin 5 is Not Installed\r\n\r\n"
    "Pin 6 is Not Installed\r\n\r\n"
    "Pin 7 is Not Installed\r\n\r\n"
    "Pin 8 is Not Installed\r\n\r\n"
    "Pin 9 is Not Installed\r\n\r\n"
    "Pin 10 is Not Installed\r\n\r\n"
    "Pin 11 is Not Installed\r\n\r\n"
    "Pin 12 is Not Installed\r\n\r\n"
    "Pin 13 is Not Installed\r\n\r\n"
    "Pin 14 is Not Installed\r\n\r\n"
    "Pin 15 is Not Installed\r\n\r\n"
    "16        DI/O                Digital I/O: Ground                [-]       \r\n"
    "17        DI/O                Digital I/O: Event In              [+]       \r\n\r\n"
    "18                            Modbus B                           [-]       \r\n"
    "19                            Modbus A                           [+]       \r\n\r\n"
    "20        Unused              GPDI: Event In                     [+]       \r\n"
    "21        Unused              GPDI: Ground                       [-]       \r\n\r\n"
    "22        Unused              Relay Common                       [-]       \r\n"
    "23        Unused              Relay Normally Open                [+]       \r\n\r\n"
    "24                            ChGnd: Chassis Ground                        \r\n";

// The header's two lines end in a line feed alone.
constexpr std::string_view kHeader =
    "QUV Terminal Strip Connection Listing\n"
    "     Net Program Description: Tank farm\n";

class WiringListManager : public test::HardwareIconNetTest {
protected:
    // The Program icon, the logger's digital I/O line (clocked, feeding a
    // gate), its GPDI and its relay.
    void BuildLoggerNet()
    {
        PlaceProgramWith(2);
        doc.ProgramIcon()->SetDescription("Tank farm");
        auto& odio = Place<COdioIcon>(doc, kDrop, 0);
        auto& clock = Place<test::ClockIcon>(doc);
        auto& gate = Place<test::GateIcon>(doc);
        Link(clock, 0, odio, kTriggerSlot);
        Link(odio, 0, gate, 0);
        std::unique_ptr<CGpdiIcon> gpdi = CGpdiIcon::Place(kDrop, 0);
        doc.AddObject(std::move(gpdi));
        Place<CQuvEngRelayIcon>(doc, kDrop);
    }

    // What the net view's command runs before the file is chosen.
    void Collect(CWiringListManager& manager)
    {
        manager.CollectModules(doc.GetObjects());
        manager.CollectPins(doc.GetObjects());
        manager.AddFixedPins();
    }

    RecordingViewer viewer;
};

TEST_F(WiringListManager, ListsTheLoggersTerminalsWithTheirIcons)
{
    BuildLoggerNet();
    CWiringListManager manager(nullptr, doc, viewer);
    Collect(manager);
    ASSERT_EQ(manager.Modules().size(), 1u);
    EXPECT_EQ(manager.BuildListing(), std::string(kHeader) + std::string(kLoggerSection));
}

TEST_F(WiringListManager, SavesTheListingByteForByteAndShowsIt)
{
    BuildLoggerNet();
    CWiringListManager manager(nullptr, doc, viewer);
    Collect(manager);
    const std::filesystem::path path = Folder() / "wiring.txt";
    Prompts().fileDialogAnswers.push_back(FileDialogResult{{path.string()}, 1, {}});
    EXPECT_TRUE(manager.SaveAndShow());
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    const FileDialogRequest& request = Prompts().fileDialogs[0];
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.filter, "Wiring List (*.txt)|*.txt||");
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_TRUE(request.overwritePrompt);
    const FileContents written = ReadWholeFile(path, 1 << 20);
    ASSERT_FALSE(written.error);
    EXPECT_EQ(
        std::string(written.bytes.begin(), written.bytes.end()), std::string(kHeader) + std::string(kLoggerSection));
    EXPECT_EQ(viewer.shown, std::vector<std::filesystem::path>{path});
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(WiringListManager, CancelOrAFileThatCannotBeWrittenShowsNothing)
{
    BuildLoggerNet();
    CWiringListManager manager(nullptr, doc, viewer);
    Collect(manager);
    Prompts().fileDialogAnswers.push_back(std::nullopt);
    EXPECT_FALSE(manager.SaveAndShow());
    EXPECT_TRUE(Prompts().messageBoxes.empty());

    const std::filesystem::path missing = Folder() / "no such folder" / "wiring.txt";
    Prompts().fileDialogAnswers.push_back(FileDialogResult{{missing.string()}, 1, {}});
    EXPECT_FALSE(manager.SaveAndShow());
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Wiring List File " + missing.string() + " Could Not be Saved");
    EXPECT_TRUE(viewer.shown.empty());
}

TEST_F(WiringListManager, ANetWithoutProgramIconHasNoHeader)
{
    Place<COdioIcon>(doc, kDrop, 0);
    CWiringListManager manager(nullptr, doc, viewer);
    Collect(manager);
    const std::string listing = manager.BuildListing();
    EXPECT_EQ(listing.rfind("\r\nQUV Logger \r\n", 0), 0u) << listing.substr(0, 40);
    EXPECT_NE(listing.find("16        Unused              Digital I/O: Ground"), std::string::npos);
}

TEST_F(WiringListManager, GivesEachModuleItsSectionInTheOrderMet)
{
    Place<ModuleChannelIcon>(doc, 1, 3);
    Place<ModuleChannelIcon>(doc, 1, 1);
    Place<ModuleChannelIcon>(doc, 1, 3);
    Place<ModuleChannelIcon>(doc, 2, 5);
    CWiringListManager manager(nullptr, doc, viewer);
    Collect(manager);
    ASSERT_EQ(manager.Modules().size(), 3u);
    EXPECT_EQ(manager.Modules()[0]->ModuleAddress(), 3);
    EXPECT_EQ(manager.Modules()[1]->ModuleAddress(), 1);
    EXPECT_EQ(manager.Modules()[2]->ModuleType(), 2);

    const std::string listing = manager.BuildListing();
    const std::string analog3
        = "\r\nVEXA-7 Analog Input Module Address 3; Left side Terminal Strips (top to bottom listing) \r\n"
          "\r\n\r\n"
          "Terminal  Name                Function                           Polarity  \r\n\r\n"
          "1         Channel             CH A; VDC Low In Input A           [+]       \r\n"
          "Pin 2 is Not Installed\r\n\r\n";
    EXPECT_EQ(listing.find(analog3), 0u);
    const std::string excitation = "Pin 24 is Not Installed\r\n\r\n"
                                   "7                             EXC; 5Vdc Excitation Output        [+]       \r\n"
                                   "8                             EXC; 5Vdc Excitation Output        [-]       \r\n";
    const std::size_t first = listing.find(excitation);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(listing.find(excitation, first + 1), std::string::npos) << "both analog modules have them";
    EXPECT_NE(listing.find("VEXA-7 Analog Input Module Address 1;"), std::string::npos);
    const std::string digital = "\r\nVEXA-2 Digital I/O Module Address 5;  \r\n\r\n\r\n";
    ASSERT_NE(listing.find(digital), std::string::npos);
    EXPECT_EQ(listing.substr(listing.size() - 12), "[+]       \r\n") << "a digital module has no fixed terminals";
}

TEST(HardwareModuleInfo, KeepsOnlyPinsWithinTheStripAndTheLastPinOfAnIndex)
{
    CHardwareModuleInfo module(7, 0);
    EXPECT_EQ(module.Heading(), "ERROR: Unknown Module Type");
    EXPECT_TRUE(module.GetStripHeading().empty());
    TerminalStripEntry pin;
    for (const int index : {-1, CHardwareModuleInfo::kMaxPinIndex + 1}) {
        pin.index = index;
        EXPECT_FALSE(module.AddPin(pin)) << index;
    }
    EXPECT_TRUE(module.Pins().empty());
    pin.index = 2;
    pin.terminalNumber = 2;
    pin.function = "first";
    EXPECT_TRUE(module.AddPin(pin));
    pin.function = "second";
    EXPECT_TRUE(module.AddPin(pin));
    std::string out;
    module.FormatPinList(out);
    EXPECT_EQ(out,
        "Pin 1 is Not Installed\r\n\r\n"
        "2                             second                                       \r\n");
}

}  // namespace
}  // namespace c_wiring_list_manager_test
}  // namespace corvane
