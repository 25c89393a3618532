#include "NetDocTestSupport.h"

#include "base/AtomicFile.h"
#include "netdoc/COpaqueIcon.h"
#include "netdoc/ExcitationCheck.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_net_doc_compile_test {
namespace {

using test::ClockIcon;
using test::GateIcon;
using test::Link;
using test::NetDocTest;
using test::Place;
using test::RelayIcon;

constexpr const char* kNoConnectionCheck =
    "WARNING: When checking a program net, a logger connection is required to";
constexpr const char* kNoHardware = "Logger hardware icon configuration not validated without a logger connection.";
constexpr const char* kInvalidNet = "Please build or open a valid program net. The current Program Net";

// An icon of a type without a class, from a record with the given words.
CCorvaneIcon& AddForeign(CNetDoc& net, std::uint16_t type, std::uint16_t word72, std::uint16_t word74)
{
    std::vector<std::uint8_t> record(80, 0);
    record[0] = 80;
    record[4] = static_cast<std::uint8_t>(type);
    record[5] = static_cast<std::uint8_t>(type >> 8);
    record[72] = static_cast<std::uint8_t>(word72);
    record[73] = static_cast<std::uint8_t>(word72 >> 8);
    record[74] = static_cast<std::uint8_t>(word74);
    record[75] = static_cast<std::uint8_t>(word74 >> 8);
    const char name[] = "Foreign";
    std::copy(std::begin(name), std::end(name) - 1, record.begin() + 12);
    auto icon = net.CreateIcon(type, 0);
    EXPECT_TRUE(std::holds_alternative<std::size_t>(icon->LoadRecord(record)));
    auto& added = static_cast<CCorvaneIcon&>(net.AddObject(std::move(icon)));
    added.SetUniqueId(net.TakeNextIconId());
    return added;
}

class NetCompile : public NetDocTest {
protected:
    std::vector<std::string> Compile(CompileMode mode, const std::filesystem::path& out = {})
    {
        std::vector<std::string> messages;
        result = doc.CompileNet(messages, out.empty() ? Folder() / "out.quv" : out, mode);
        return messages;
    }
    bool result = false;
};

TEST_F(NetCompile, EmptyAndForeignNetsStopAtOnce)
{
    EXPECT_EQ(Compile(CompileMode::CheckOnly),
        (std::vector<std::string>{"The Current Program Net is Empty - Unable to continue.", ""}));
    Place<ClockIcon>(doc);
    EXPECT_EQ(Compile(CompileMode::CheckOnly),
        (std::vector<std::string>{"The net program is not compatible with the logger.", ""}));
}

TEST_F(NetCompile, AProgramIconAloneIsNotAValidNet)
{
    PlaceProgram(doc);
    const auto messages = Compile(CompileMode::CheckOnly);
    const std::vector<std::string> expected{kNoConnectionCheck,
        "completely verify the program net is compatible with the connected logger.", "",
        "A Program Net requires a Sample Rate Clock icon that is always enabled.",
        "The current Program Net does not contain this Icon.", "", kNoHardware, "", kInvalidNet,
        "does not appear to be valid.", ""};
    EXPECT_EQ(messages, expected);
    EXPECT_FALSE(result);
}

TEST_F(NetCompile, ConnectionFindingsNameWhatIsMissingInOneLine)
{
    BuildSmallNet(doc);
    auto& lonely = Place<GateIcon>(doc, 500, 500, 2, test::kTestGateType);
    lonely.SetName("Lonely");
    auto& half = Place<GateIcon>(doc, 600, 500, 2, test::kTestGateType);
    half.SetName("Half");
    Link(lonely, 0, half, 0);
    const auto messages = Compile(CompileMode::CheckOnly);
    EXPECT_NE(std::find(messages.begin(), messages.end(), "'Lonely' Icon Data Input is not connected."), messages.end());
    EXPECT_NE(std::find(messages.begin(), messages.end(), "'Half' Icon Data Input, Data Output is not connected."),
        messages.end());
    EXPECT_EQ(doc.OrderedList().size(), 5u);
    for (CCorvaneIcon* icon : doc.OrderedList())
        EXPECT_NE(icon->Header().typeWord & 0x4000, 0);
    EXPECT_EQ(half.Header().typeWord & 0xF000, 0);
}

TEST_F(NetCompile, ACycleIsReportedAndKeptOutOfTheImage)
{
    BuildSmallNet(doc);
    auto& a = Place<RelayIcon>(doc, "A", 1, test::kTestRelayType);
    auto& b = Place<RelayIcon>(doc, "B", 1, test::kTestRelayType);
    Link(a, 0, b, 0);
    Link(b, 0, a, 0);
    const auto messages = Compile(CompileMode::CheckOnly);
    EXPECT_NE(std::find(messages.begin(), messages.end(),
                  "A circular icon dependency has been found, Net can not be uploaded."),
        messages.end());
    for (CCorvaneIcon* icon : doc.OrderedList())
        EXPECT_TRUE(icon != &a && icon != &b);
}

TEST_F(NetCompile, ModesDecideWhatIsWritten)
{
    BuildSmallNet(doc);
    const auto out = Folder() / "net.quv";
    Compile(CompileMode::CheckOnly, out);
    EXPECT_FALSE(result);
    EXPECT_FALSE(std::filesystem::exists(out)) << "a check never writes";
    Compile(CompileMode::SaveCompiled, out);
    EXPECT_FALSE(result);
    EXPECT_FALSE(std::filesystem::exists(out)) << "findings (no connection) stop the compiled save";

    const auto messages = Compile(CompileMode::ConvertAnyway, out);
    EXPECT_TRUE(result);
    ASSERT_TRUE(std::filesystem::exists(out));
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(doc.OrderedList().size(), 5u) << "a forced conversion numbers the net itself";
    const auto image = ReadWholeFile(out, 1 << 20).bytes;
    EXPECT_EQ(image[4 + 4], 1) << "the Program icon's record comes first";

    // Uploading counts as connected; a clean net without a Memory icon is marked.
    EXPECT_EQ(Compile(CompileMode::Upload, out), (std::vector<std::string>{"!!"}));
    EXPECT_FALSE(result);
    EXPECT_EQ(services.queries, 1);
}

TEST_F(NetCompile, AFailedHardwareQueryStopsTheUpload)
{
    BuildSmallNet(doc);
    services.query = [](CHardwarePoll& poll) {
        poll.SetPollState(CHardwarePoll::kFailed);
        return false;
    };
    EXPECT_EQ(Compile(CompileMode::Upload), (std::vector<std::string>{"Logger Communication Error"}));
    EXPECT_FALSE(result);
}

TEST_F(NetCompile, FrontPanelLockoutAsksBeforeAnUpload)
{
    BuildSmallNet(doc);
    doc.ProgramIcon()->SetOptionFlags(static_cast<std::uint16_t>(doc.ProgramIcon()->GetOptionFlags() | 0x0010));
    Prompts().messageBoxAnswers = {kIdNo};
    EXPECT_EQ(Compile(CompileMode::Upload),
        (std::vector<std::string>{"Program Net not uploaded due to Front Panel Lockout Function", ""}));
}

TEST_F(NetCompile, ForeignIconsAreKeptButNeverCompiled)
{
    BuildSmallNet(doc);
    CCorvaneIcon& foreign = AddForeign(doc, 268, 0, 0);
    const auto messages = Compile(CompileMode::CheckOnly);
    EXPECT_NE(std::find(messages.begin(), messages.end(),
                  "'Foreign' Icon is of a kind this program cannot check or compile yet."),
        messages.end());
    EXPECT_EQ(std::find(doc.OrderedList().begin(), doc.OrderedList().end(), &foreign), doc.OrderedList().end());
}

TEST_F(NetCompile, ExcitationConflictNeedsBothUses)
{
    BuildSmallNet(doc);
    AddForeign(doc, 22, 0, 0x8000);  // negative excitation time: not in use
    AddForeign(doc, 26, 0, 0);
    EXPECT_FALSE(ExcitationCheck(doc).HasConflict());
    AddForeign(doc, 22, 0x4000, 10);
    EXPECT_TRUE(ExcitationCheck(doc).HasConflict());
    const auto messages = Compile(CompileMode::CheckOnly);
    EXPECT_NE(std::find(messages.begin(), messages.end(),
                  "Sensor excitation conflict between Excitation icon and Analog Input icons."),
        messages.end());
}

TEST_F(NetCompile, HardwareChecksCompareWithTheQueriedSwitches)
{
    PlaceProgram(doc);
    CHardwarePoll& poll = doc.GetHardwarePoll();
    // Logger input channel B set up as mA; the switches show low-level Vdc.
    CCorvaneIcon& input = AddForeign(doc, 22, static_cast<std::uint16_t>(0x4000 | 0x08), 0);
    input.Header().name = "Flow";
    poll.SetInputSwitchWord(static_cast<std::uint16_t>(1 << 3));
    doc.CheckHardwareModules(input);
    // A module channel of a module that is not there, and one of a module that is.
    CCorvaneIcon& absent = AddForeign(doc, 33, 5, 0);
    absent.Header().name = "Count";
    doc.CheckHardwareModules(absent);
    CCorvaneIcon& channel = AddForeign(doc, 32, 0x0102, 8);  // module 2, channel 1, mA
    channel.Header().name = "Temp";
    poll.SetModuleMask(1 << 2);
    doc.CheckHardwareModules(channel);
    const std::vector<std::string> expected{
        "Flow (Channel B) configured as MA Input in the\r", "program net does not match the Quv input configuration "
                                                            "switch settings.\r",
        "----- To be compatible with the net, the DIP switch settings should be\r", "ON, OFF, ON.", "",
        "Count: Vexa-2 Tevlink Module 5 not installed", "",
        "Icon 'Temp'  ( Module 2 Channel B ) : switch setting mismatch", "-- It should be ON, OFF, ON (mA mode)",
        "-- Currently set to invalid positions", ""};
    EXPECT_EQ(doc.Messages(), expected);
}

TEST_F(NetCompile, SampleRateNoticesFollowTheOtherClocks)
{
    std::string text;
    doc.ConfirmSampleRateChange(1, 1, text, nullptr);
    EXPECT_TRUE(text.empty());
    doc.ConfirmSampleRateChange(1, 0, text, nullptr);
    EXPECT_EQ(text.rfind("NOTE: Millisecond Clock Resolution", 0), 0u);
    doc.ConfirmSampleRateChange(2, 0, text, nullptr);
    EXPECT_TRUE(text.empty()) << "said once";
    doc.ConfirmSampleRateChange(0, 1, text, nullptr);
    EXPECT_EQ(text, "Notice: Sample rates will be rounded to the nearest one-second interval during upload.  "
                    "Accept rate change?");
}

TEST_F(NetCompile, MessagesAreSplitIntoLines)
{
    EXPECT_EQ(doc.AppendMessage("one\r\ntwo"), 2);
    EXPECT_EQ(doc.AppendMessage(""), 3);
    EXPECT_EQ(doc.AppendMessage(std::string(300, 'x')), 5);
    EXPECT_EQ(doc.Messages(), (std::vector<std::string>{"one\r", "two", "", "", std::string(259, 'x'), ""}));
}

TEST_F(NetCompile, ProgramIconNameAndDataTagQueries)
{
    EXPECT_EQ(doc.GetProgramIconName(), "NO-PROGRAM-ICON");
    PlaceProgram(doc).SetName("Plant");
    EXPECT_EQ(doc.GetProgramIconName(), "Plant");
    EXPECT_EQ(doc.CountConnectedDataTags(), 0);
    std::vector<DataTagChannel> channels;
    EXPECT_FALSE(doc.GetDataTagChannels(0, channels));
}

}  // namespace
}  // namespace c_net_doc_compile_test
}  // namespace corvane
