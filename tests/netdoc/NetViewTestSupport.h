#pragma once

// The net view's surroundings for tests: hardware icon makers that make
// small icons remembering what they were made for, the Program icon, and
// counters for the rest.

#include "NetDocTestSupport.h"

#include "netdoc/CGlobalIcon.h"
#include "netdoc/HardwareIconMakers.h"
#include "netdoc/NetViewServices.h"

#include <memory>
#include <set>
#include <vector>

namespace corvane::test {

// A hardware icon as the fake makers make it: which id, module and channel
// it was made for.
class PlacedIcon final : public SourceIcon {
public:
    PlacedIcon(std::uint32_t placingId, int placedModule, int placedChannel)
        : id(placingId), module(placedModule), channel(placedChannel)
    {}
    std::uint32_t id;
    int module;
    int channel;
};

// Makers for every placing id; the ids in `perChannel` stand for one
// module's channel, the others for one icon per net.
class FakeNetViewServices final : public NetViewServices {
public:
    FakeNetViewServices()
    {
        const std::set<std::uint32_t> perChannel{402, 403, 404, 405, 406, 408, 409, 410, 12014, 12015, 12016, 12017};
        for (const std::uint32_t id : {401u, 402u, 403u, 404u, 405u, 406u, 408u, 409u, 410u, 414u, 615u, 12003u, 12014u,
                 12015u, 12016u, 12017u, 12037u}) {
            const bool channelled = perChannel.count(id) != 0;
            makers.Register(id,
                {[id](const Rect& position, int module, int channel) {
                     auto icon = std::make_unique<PlacedIcon>(id, module, channel);
                     icon->SetPosition(position);
                     return std::unique_ptr<CCorvaneIcon>(std::move(icon));
                 },
                    [id, channelled](const CCorvaneIcon& existing, int module, int channel) {
                        const auto* placed = dynamic_cast<const PlacedIcon*>(&existing);
                        return placed != nullptr && placed->id == id
                            && (!channelled || (placed->module == module && placed->channel == channel));
                    }});
        }
    }
    const HardwareIconMakers& HardwareMakers() const override { return makers; }
    std::unique_ptr<CCorvaneIcon> MakeProgramIcon(const Rect& position, const CHardwarePoll& poll) override
    {
        programRects.push_back(position);
        return std::make_unique<CGlobalIcon>(position, poll, kQuvModelWord, 0, std::uint8_t{2});
    }
    void ShowWiringList(CNetDoc&) override { ++wiringLists; }
    void ClearDiagnostics() override { ++diagnosticsCleared; }
    HardwarePollReporter* PollReporter() override { return nullptr; }

    HardwareIconMakers makers;
    std::vector<Rect> programRects;  // where each Program icon was asked for
    int wiringLists = 0;
    int diagnosticsCleared = 0;
};

}  // namespace corvane::test
