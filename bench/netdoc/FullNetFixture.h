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
#include "netimage/NetImage.h"
#include "netmodel/CHardwarePoll.h"
#include "netmodel/RecordTransfer.h"
#include "platform/Application.h"
#include "platform/Clock.h"  // completes the Application's clock for its destruction here
#include "testsupport/QuietNetDocServices.h"
#include "testsupport/QuietPrompts.h"

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

// A data icon with one input and one output and a 16-byte fixed part,
// checked as the function icons are: by what links its input and what its
// output feeds.
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
    int CheckIconConnections(bool& isolated) const override
    {
        return CheckConnections(isolated, false, false, false, 0, false, false);
    }

private:
    std::array<std::uint8_t, 16> fixed_{};
};

struct FullNet {
    // scale 1: the net that fills the size limit; scale n: n times as many
    // chain icons, kept in memory (its image is built past the limit).
    explicit FullNet(int scale = 1)
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = std::make_unique<Application>(std::vector<std::string>{"corvane-bench"});
        app->SetPromptSink(&prompts);
        factory.Register(kChainTypeCode, [](std::uint16_t) { return std::make_unique<ChainIcon>(); });
        // The Program icon, then a chain of icons each feeding the next, as
        // many as the size limit allows (times the scale), fifty to a row
        // of the icon grid.
        CHardwarePoll poll;
        auto program = std::make_unique<CGlobalIcon>(Rect{20, 20, 52, 52}, poll, 0x03000000u, 0, std::uint8_t{0});
        auto& programIcon = static_cast<CCorvaneIcon&>(net.AddObject(std::move(program)));
        programIcon.Layout();
        const auto programSize
            = std::get<std::vector<std::uint8_t>>(programIcon.StoreRecord(TransferMode::Save)).size();
        const auto chainSize = std::get<std::vector<std::uint8_t>>(ChainIcon().StoreRecord(TransferMode::Save)).size();
        const std::size_t fitting = (kNetSizeLimit - 4 - programSize) / chainSize;
        const std::size_t count = fitting * static_cast<std::size_t>(scale);
        CCorvaneIcon* previous = nullptr;
        for (std::size_t i = 0; i < count; ++i) {
            const int column = static_cast<int>(i % 50);
            const int row = static_cast<int>(i / 50);
            auto& icon
                = static_cast<CCorvaneIcon&>(net.AddObject(std::make_unique<ChainIcon>(20 + 90 * column, 100 + 70 * row)));
            icon.Layout();
            if (previous != nullptr)
                icon.GetInputLinks()[0] = InputLink{previous->UniqueId(), 0, 0x02};
            previous = &icon;
        }
        iconCount = count + 1;
        fullIconCount = fitting + 1;
        if (scale == 1) {
            image = std::get<std::vector<std::uint8_t>>(net.BuildSaveImage());
        } else {
            image = ImageOfFirstIcons(iconCount);
        }
        path = std::filesystem::temp_directory_path() / ("corvane-bench-" + std::to_string(::getpid()) + ".nt3");
    }
    ~FullNet() { std::filesystem::remove(path); }

    // The image of the first icons of the net (the Program icon first) in
    // list order, built past the size limit when they need it.
    std::vector<std::uint8_t> ImageOfFirstIcons(std::size_t count)
    {
        std::vector<std::vector<std::uint8_t>> records;
        const std::vector<CCorvaneIcon*> icons = net.Icons();
        for (std::size_t i = 0; i < count && i < icons.size(); ++i)
            records.push_back(std::get<std::vector<std::uint8_t>>(icons[i]->StoreRecord(TransferMode::Save)));
        return std::get<std::vector<std::uint8_t>>(BuildNetImage(records, false));
    }

    testsupport::QuietPrompts prompts;
    std::unique_ptr<Application> app;
    testsupport::QuietNetDocServices services{std::filesystem::temp_directory_path(), true};
    IconFactory factory;
    CNetDoc net{services, factory};
    std::size_t iconCount = 0;      // the Program icon and the chain
    std::size_t fullIconCount = 0;  // those of the net that fills the size limit
    std::vector<std::uint8_t> image;  // the net's file image
    std::filesystem::path path;       // where the benchmarks may save it
};

}  // namespace corvane::bench
