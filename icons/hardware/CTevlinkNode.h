#pragma once

#include "netmodel/CCorvaneCtrl.h"
#include "netmodel/CHardwarePoll.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace corvane {

class NoticeSink;

// One module of the logger's module bus in the Communication Window's
// picture: a picture item of kind 19 that keeps the module's 42-byte bus
// enumeration record (layout in netmodel/CHardwarePoll.h). It is neither
// dragged nor a drop target. Opening it shows the node dialog of its module
// type, which lives above the hardware icons: the Communication Window
// hands each node the runner of those dialogs and where notices go.
class CTevlinkNode final : public CCorvaneCtrl {
public:
    static constexpr int kCtrlId = 19;
    // Record byte 2: the module type (0 analog, 1 digital, 2 other).
    static constexpr std::size_t kModuleTypeOffset = 2;
    // Record byte 1: the module's bus address.
    static constexpr std::size_t kAddressOffset = 1;
    // The module type that has no dialog of its own.
    static constexpr std::uint8_t kModuleTypeOther = 2;

    CTevlinkNode(int bitmapId, int ctrlId, const Rect& rect,
        std::span<const std::uint8_t, CHardwarePoll::kModuleRecordSize> record);

    std::string_view ClassName() const override { return "CTevlinkNode"; }

    // The picture of a module type; types without their own picture show
    // the picture of the other modules.
    static int PictureForModuleType(std::uint8_t moduleType);

    const CHardwarePoll::ModuleRecord& Record() const { return record_; }
    std::uint8_t ModuleType() const { return record_[kModuleTypeOffset]; }
    std::uint8_t Address() const { return record_[kAddressOffset]; }

    // Runs the node dialog of a module type (0 analog, 1 digital) for the
    // module at a bus address, modal.
    using NodeDialogRunner = std::function<void(std::uint8_t moduleType, std::uint8_t address)>;
    // notices: where an unknown module type is reported (may be null).
    void SetNodeDialogRunner(NodeDialogRunner runner, NoticeSink* notices);

    // Types 0 and 1 open their node dialog, type 2 nothing; any other type
    // is reported as "Unknown module type %d at Tevlink address %d".
    void OnOpen() override;
    static std::string UnknownModuleText(std::uint8_t moduleType, std::uint8_t address);

private:
    CHardwarePoll::ModuleRecord record_{};
    NodeDialogRunner runner_;
    NoticeSink* notices_ = nullptr;
};

}  // namespace corvane
