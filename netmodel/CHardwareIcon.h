#pragma once

#include "netmodel/CCorvaneIcon.h"

namespace corvane {

struct TerminalStripEntry;

// The base of the icons that stand for a physical channel of the logger or
// of a bus module. The wiring list asks each of them where it is wired; -1
// means the icon does not answer.
class CHardwareIcon : public CCorvaneIcon {
public:
    CHardwareIcon() = default;
    explicit CHardwareIcon(const Rect& position) : CCorvaneIcon(position) {}

    std::string_view ClassName() const override { return "CHardwareIcon"; }

    // Terminal-strip pins the channel uses.
    virtual int GetPinCount() const { return -1; }
    // Fills the entry of one pin; non-zero drops the pin.
    virtual int GetPinInfo(int /*pin*/, TerminalStripEntry& /*entry*/) const { return -1; }
    // 0 the logger, 1 the 7-channel analog module, 2 the 2-channel digital module.
    virtual int GetModuleType() const { return -1; }
    // The bus address of the module the channel belongs to.
    virtual int GetModuleAddress() const { return -1; }

protected:
    bool DrawsTallOutline() const override { return true; }
};

}  // namespace corvane
