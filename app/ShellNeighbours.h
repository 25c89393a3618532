#pragma once

#include "commwindow/CommWindowLink.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>

namespace corvane {

class CCorvaneApp;
class DocTemplate;
class View;

// The parts of the program that live above the shell and that the
// application object and the main frame reach only through these small
// interfaces. The executable fills them (app/main.cpp); later subsystems
// replace the placeholders it uses today.

// The time-stamped value cache of the real-time values.
class ValueCache {
public:
    virtual ~ValueCache() = default;
    // One real-time block: count items after a 10-byte header, 6 bytes each.
    virtual void AddData(std::size_t count, std::span<const std::uint8_t> block) = 0;
    // Empties the cache and stops it taking data.
    virtual void Disable() = 0;
};

// The binding of the display-controls library, attached to the view of
// the window kind in front.
class DisplayControlsBinding {
public:
    virtual ~DisplayControlsBinding() = default;
    virtual void AttachTo(View* view) = 0;
    virtual void DetachAllWindows() = 0;
};

// A frame that carries an icon palette bar (the net, trending and web
// frames) implements this; the main frame shows and hides the bar.
class PaletteFrame {
public:
    virtual ~PaletteFrame() = default;
    virtual void ShowPalette(bool show) = 0;
};

// Makers of the four document kinds and of the two services. A template
// maker runs once the application object and its main frame exist.
struct ShellNeighbours {
    using TemplateMaker = std::function<std::unique_ptr<DocTemplate>(CCorvaneApp& app)>;
    TemplateMaker commWindow;  // resource 129
    TemplateMaker net;         // resource 132
    TemplateMaker trending;    // resource 131
    TemplateMaker web;         // resource 276
    std::function<std::unique_ptr<ValueCache>()> valueCache;
    std::function<std::unique_ptr<DisplayControlsBinding>()> displayControls;
    // The USB manager: the serial device of the current USB link.
    std::function<std::filesystem::path()> usbDevice;
};

}  // namespace corvane
