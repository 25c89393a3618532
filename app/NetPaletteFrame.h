#pragma once

#include "app/ShellNeighbours.h"
#include "netdoc/CNetFrm.h"

namespace corvane {

// The net window's frame as the main frame sees it: a frame with an icon
// palette that it shows while the net window is in front.
class NetPaletteFrame final : public CNetFrm, public PaletteFrame {
public:
    explicit NetPaletteFrame(EditorEnvironment& environment) : CNetFrm(environment) {}

    void ShowPalette(bool show) override { CNetFrm::ShowPalette(show); }
};

}  // namespace corvane
