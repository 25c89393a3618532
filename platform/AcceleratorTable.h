#pragma once

#include <span>

namespace corvane {

// A key with its modifiers (see KeyCodes.h) that runs a command.
struct Accelerator {
    int key = 0;
    unsigned modifiers = 0;
    int command = 0;
};

// The shortcut keys of a frame or of a kind of document.
struct AcceleratorTable {
    int id = 0;
    std::span<const Accelerator> entries;
};

}  // namespace corvane
