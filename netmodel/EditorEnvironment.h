#pragma once

#include <cstdint>

namespace corvane {

class CCorvaneDoc;
class CToolSet;
class PaletteIconMakers;
class PictureActions;

// What the editing views need of the program around them: the one set of
// mouse tools every view shares, the snap-to-grid setting, the facts of
// the logger connection that decide which palette icons may be placed,
// the makers of the palette's icons, the program's current net, and the
// Communication Window's commands for the control-picture tool. The shell
// fills it; tests fake it. It outlives every view.
class EditorEnvironment {
public:
    virtual ~EditorEnvironment() = default;

    virtual CToolSet& Tools() = 0;

    // The program's SnapToGrid setting.
    virtual bool GetSnapToGrid() const = 0;
    virtual void SetSnapToGrid(bool snap) = 0;

    // Whether a logger is connected; the capability (model) byte the
    // connection stored (its low three bits say which network features the
    // logger has); the polled configuration word (Modbus roles:
    // 0x8000/0x2000 master and client, 0x4000/0x1000 slave and server).
    virtual bool IsConnected() const = 0;
    virtual std::uint8_t LoggerCapabilityByte() const = 0;
    virtual std::uint16_t PolledConfigWord() const = 0;

    virtual const PaletteIconMakers& PaletteMakers() const = 0;

    // The program's net document, or null (hover feedback and tooltips
    // look icons up there).
    virtual CCorvaneDoc* CurrentNetDocument() = 0;

    // The Communication Window's commands, or null while it has none.
    virtual PictureActions* GetPictureActions() = 0;
};

}  // namespace corvane
