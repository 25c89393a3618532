#pragma once

#include "netmodel/CCorvaneCtrl.h"
#include "netmodel/CHardwarePoll.h"

#include <cstdint>
#include <span>

namespace corvane {

// One module of the logger's module bus in the Communication Window's
// picture: a picture item of kind 19 that keeps the module's 42-byte bus
// enumeration record (layout in netmodel/CHardwarePoll.h). It is neither
// dragged nor a drop target; opening it does nothing yet.
class CTevlinkNode final : public CCorvaneCtrl {
public:
    static constexpr int kCtrlId = 19;
    // Record byte 2: the module type (0 analog, 1 digital, 2 other).
    static constexpr std::size_t kModuleTypeOffset = 2;

    CTevlinkNode(int bitmapId, int ctrlId, const Rect& rect,
        std::span<const std::uint8_t, CHardwarePoll::kModuleRecordSize> record);

    std::string_view ClassName() const override { return "CTevlinkNode"; }

    // The picture of a module type; types without their own picture show
    // the picture of the other modules.
    static int PictureForModuleType(std::uint8_t moduleType);

    const CHardwarePoll::ModuleRecord& Record() const { return record_; }
    std::uint8_t ModuleType() const { return record_[kModuleTypeOffset]; }

private:
    CHardwarePoll::ModuleRecord record_{};
};

}  // namespace corvane
