#pragma once

#include "platform/ChildFrame.h"

namespace corvane {

// The frame of every document window: without a system menu, so its
// documents are closed through the program rather than the window.
class CChildFrame : public ChildFrame {
public:
    CChildFrame() : ChildFrame(ChildFrameStyle{false}) {}
};

}  // namespace corvane
