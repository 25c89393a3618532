#pragma once

// A net document with fake surroundings, an icon factory that knows the
// small test icon classes, and a few ready-made nets.

#include "NetTestIcons.h"
#include "PlatformTestSupport.h"
#include "RecordingNoticeSink.h"
#include "RecordingStatusSink.h"
#include "TestOutput.h"

#include "netdoc/CGlobalIcon.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/IconFactory.h"
#include "netmodel/CHardwarePoll.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace corvane::test {

inline constexpr std::uint16_t kTestClockType = 2;
inline constexpr std::uint16_t kTestGateType = 256;
inline constexpr std::uint16_t kTestConstType = 260;
inline constexpr std::uint16_t kTestRelayType = 262;
inline constexpr std::uint32_t kQuvModelWord = 0x03010203;  // logger type 3

class FakeNetServices final : public NetDocServices {
public:
    bool connected = false;
    std::uint16_t configWord = 0;
    std::uint32_t firmwareVersion = 0;
    std::uint32_t messageTimeoutMs = 0;
    std::optional<std::string> versionWarning;
    std::optional<std::uint8_t> optionByte;
    std::filesystem::path netFolder;
    std::filesystem::path modbusFolder;
    std::uint8_t capabilityByte = 0;
    std::filesystem::path workingFolder;
    bool keepRaw = false;
    std::vector<std::filesystem::path> recent;
    std::vector<std::pair<std::string, NetNoticeCaption>> notices;
    RecordingNoticeSink helperNotices;
    RecordingStatusSink status;
    std::vector<std::filesystem::path> converted;
    std::vector<std::pair<int, std::string>> advisories;
    std::deque<int> advisoryAnswers;  // kIdOk when empty
    int queries = 0;
    std::function<bool(CHardwarePoll&)> query = [](CHardwarePoll& poll) {
        poll.SetPollState(CHardwarePoll::kFinished);
        return true;
    };

    std::string loggerInfo;
    SettingsStore* userSettings = nullptr;
    std::string LoggerInfoText() const override { return loggerInfo; }
    SettingsStore* UserSettings() override { return userSettings; }
    bool IsConnected() const override { return connected; }
    std::uint16_t PolledConfigWord() const override { return configWord; }
    std::uint8_t LoggerCapabilityByte() const override { return capabilityByte; }
    std::uint32_t LoggerFirmwareVersion() const override { return firmwareVersion; }
    std::uint32_t MessageTimeoutMs() const override { return messageTimeoutMs; }
    std::optional<std::string> CheckNetVersion(std::uint32_t, std::uint32_t) const override { return versionWarning; }
    void SetNetOptionByte(std::uint8_t value) override { optionByte = value; }
    std::filesystem::path NetFileFolder() const override { return netFolder; }
    void SetNetFileFolder(const std::filesystem::path& folder) override { netFolder = folder; }
    std::filesystem::path ModbusFileFolder() const override { return modbusFolder; }
    void SetModbusFileFolder(const std::filesystem::path& folder) override { modbusFolder = folder; }
    std::filesystem::path WorkingFolder() const override { return workingFolder; }
    bool KeepRawDownloads() const override { return keepRaw; }
    void AddRecentNet(const std::filesystem::path& path) override { recent.push_back(path); }
    void ShowNotice(std::string_view text, NetNoticeCaption caption) override { notices.emplace_back(text, caption); }
    NoticeSink& Notices() override { return helperNotices; }
    StatusSink& Status() override { return status; }
    int ShowAdvisory(int boxType, std::string_view text) override
    {
        advisories.emplace_back(boxType, text);
        if (advisoryAnswers.empty())
            return kIdOk;
        const int answer = advisoryAnswers.front();
        advisoryAnswers.pop_front();
        return answer;
    }
    void ConvertNet(const std::filesystem::path& path) override { converted.push_back(path); }
    bool QueryHardware(CHardwarePoll& poll) override
    {
        ++queries;
        return query(poll);
    }
};

// The factory of the tests: the Program icon and four small classes.
inline IconFactory TestFactory()
{
    IconFactory factory;
    factory.Register(kTestClockType, [](std::uint16_t) { return std::make_unique<ClockIcon>(); });
    factory.Register(
        kTestGateType, [](std::uint16_t) { return std::make_unique<GateIcon>(300, 100, 2, kTestGateType); });
    factory.Register(kTestConstType, [](std::uint16_t) { return std::make_unique<SourceIcon>(kTestConstType); });
    factory.Register(
        kTestRelayType, [](std::uint16_t) { return std::make_unique<RelayIcon>("Relay", 1, kTestRelayType); });
    return factory;
}

class NetDocTest : public PlatformTest {
protected:
    // steadyClock: real time, for tests that talk to a simulated logger.
    explicit NetDocTest(bool steadyClock = false) : PlatformTest(steadyClock)
    {
        folder_ = test::OutputFolder()
            / ("corvane-netdoc-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        services.netFolder = folder_;
        services.workingFolder = folder_;
    }
    ~NetDocTest() override { std::filesystem::remove_all(folder_); }

    const std::filesystem::path& Folder() const { return folder_; }

    CGlobalIcon& PlaceProgram(CNetDoc& net)
    {
        CHardwarePoll poll;
        return Place<CGlobalIcon>(net, Rect{20, 20, 52, 52}, poll, kQuvModelWord, 0, std::uint8_t{2});
    }
    // The Program icon, an always-enabled clock feeding a gate fed also by
    // a constant, and a relay after the gate: a net that checks clean.
    void BuildSmallNet(CNetDoc& net)
    {
        PlaceProgram(net);
        auto& clock = Place<ClockIcon>(net);
        auto& constant = Place<SourceIcon>(net, kTestConstType, 100, 200);
        auto& gate = Place<GateIcon>(net, 300, 100, 2, kTestGateType);
        auto& relay = Place<RelayIcon>(net, "Relay", 1, kTestRelayType);
        Link(clock, 0, gate, 0);
        Link(constant, 0, gate, 1);
        Link(gate, 0, relay, 0);
        Link(clock, 0, gate, kTriggerSlot);
    }

    FakeNetServices services;
    IconFactory factory = TestFactory();
    CNetDoc doc{services, factory};

private:
    std::filesystem::path folder_;
};

}  // namespace corvane::test
