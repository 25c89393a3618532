#pragma once

// What the net benchmarks share: an offscreen application with quiet
// prompts, net document services that reach nothing, and a net that fills
// the net file's size limit (65532 bytes before the CRC) with a chain of
// small icons, each feeding the next. Each benchmark makes its own and
// ends it before returning: the application must not outlive the
// toolkit's own objects, which end when the program exits.

#include "netdoc/CGlobalIcon.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/IconFactory.h"
#include "netmodel/CHardwarePoll.h"
#include "netmodel/RecordTransfer.h"
#include "platform/Application.h"
#include "platform/Clock.h"  // completes the Application's clock for its destruction here
#include "platform/PromptSink.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace corvane::bench {

inline constexpr std::uint16_t kChainTypeCode = 262;
inline constexpr std::size_t kNetSizeLimit = 65532;

// A data icon with one input and one output and a 16-byte fixed part.
class ChainIcon final : public CCorvaneIcon {
public:
    ChainIcon(int x = 0, int y = 0)
    {
        SetName("Chain");
        InitIcon(x, y, 1, 1, kChainTypeCode, false, false, false);
    }
    void BuildConnectors() override
    {
        CreateConnectors(true, data_type::kData, false, false);
        CreateConnectors(false, data_type::kData, false, false);
    }
    void Layout() override
    {
        BuildConnectors();
        CCorvaneIcon::Layout();
    }
    void CopyFixedPart(RecordTransfer& t) override { t.Bytes(fixed_, "fixed"); }

private:
    std::array<std::uint8_t, 16> fixed_{};
};

class QuietPrompts final : public PromptSink {
public:
    int ShowMessageBox(const MessageBoxRequest&) override { return kIdOk; }
    std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::uint32_t> ChooseColour(WindowHandle, std::uint32_t) override { return std::nullopt; }
    std::optional<FontChoice> ChooseFont(WindowHandle, const FontChoice&) override { return std::nullopt; }
    std::optional<std::string> ChooseFolder(WindowHandle, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<PrintSetup> ShowPageSetupDialog(const PrintPromptRequest&) override { return std::nullopt; }
    std::optional<PrintSetup> ShowPrintDialog(const PrintPromptRequest&) override { return std::nullopt; }
    void ShowHelp(WindowHandle, std::uint32_t) override {}
};

class QuietNetDocServices final : public NetDocServices {
public:
    bool IsConnected() const override { return false; }
    std::uint16_t PolledConfigWord() const override { return 0; }
    std::optional<std::string> CheckNetVersion(std::uint32_t, std::uint32_t) const override { return std::nullopt; }
    void SetNetOptionByte(std::uint8_t) override {}
    std::filesystem::path NetFileFolder() const override { return std::filesystem::temp_directory_path(); }
    void SetNetFileFolder(const std::filesystem::path&) override {}
    std::filesystem::path WorkingFolder() const override { return std::filesystem::temp_directory_path(); }
    bool KeepRawDownloads() const override { return true; }
    void AddRecentNet(const std::filesystem::path&) override {}
    void ShowNotice(std::string_view, NetNoticeCaption) override {}
    NoticeSink& Notices() override { return notices_; }
    int ShowAdvisory(int, std::string_view) override { return kIdOk; }
    void ConvertNet(const std::filesystem::path&) override {}
    bool QueryHardware(CHardwarePoll&) override { return true; }

private:
    struct QuietNotices final : NoticeSink {
        void ShowNotice(std::string_view, std::string_view, NoticeStyle) override {}
    } notices_;
};

struct FullNet {
    FullNet()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = std::make_unique<Application>(std::vector<std::string>{"corvane-bench"});
        app->SetPromptSink(&prompts);
        factory.Register(kChainTypeCode, [](std::uint16_t) { return std::make_unique<ChainIcon>(); });
        // The Program icon, then a chain of icons each feeding the next, as
        // many as the size limit allows, fifty to a row of the icon grid.
        CHardwarePoll poll;
        auto program = std::make_unique<CGlobalIcon>(Rect{20, 20, 52, 52}, poll, 0x03000000u, 0, std::uint8_t{0});
        auto& programIcon = static_cast<CCorvaneIcon&>(net.AddObject(std::move(program)));
        programIcon.Layout();
        const auto programSize
            = std::get<std::vector<std::uint8_t>>(programIcon.StoreRecord(TransferMode::Save)).size();
        const auto chainSize = std::get<std::vector<std::uint8_t>>(ChainIcon().StoreRecord(TransferMode::Save)).size();
        std::size_t size = 4 + programSize;
        CCorvaneIcon* previous = nullptr;
        for (int i = 0; size + chainSize <= kNetSizeLimit; ++i, size += chainSize) {
            auto& icon = static_cast<CCorvaneIcon&>(
                net.AddObject(std::make_unique<ChainIcon>(20 + 90 * (i % 50), 100 + 70 * (i / 50))));
            icon.Layout();
            if (previous != nullptr)
                icon.GetInputLinks()[0] = InputLink{previous->UniqueId(), 0, 0x02};
            previous = &icon;
        }
        image = std::get<std::vector<std::uint8_t>>(net.BuildSaveImage());
        path = std::filesystem::temp_directory_path() / ("corvane-bench-" + std::to_string(::getpid()) + ".nt3");
    }
    ~FullNet() { std::filesystem::remove(path); }

    QuietPrompts prompts;
    std::unique_ptr<Application> app;
    QuietNetDocServices services;
    IconFactory factory;
    CNetDoc net{services, factory};
    std::vector<std::uint8_t> image;  // the net's file image
    std::filesystem::path path;       // where the benchmarks may save it
};

}  // namespace corvane::bench
