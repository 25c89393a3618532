#pragma once

#include "netmodel/CToolSet.h"
#include "netmodel/EditorEnvironment.h"

namespace corvane {

class CCorvaneApp;

// The editing views' environment as the application object gives it: the
// program's one set of mouse tools, the SnapToGrid setting, the logger
// connection, the palette's makers and the current net.
class EditorShellEnvironment final : public EditorEnvironment {
public:
    EditorShellEnvironment(CCorvaneApp& app, const PaletteIconMakers& palette) : app_(app), palette_(palette) {}

    void SetPictureActions(PictureActions* actions) { pictureActions_ = actions; }

    CToolSet& Tools() override { return tools_; }
    bool GetSnapToGrid() const override;
    void SetSnapToGrid(bool snap) override;
    bool IsConnected() const override;
    std::uint8_t LoggerCapabilityByte() const override;
    std::uint16_t PolledConfigWord() const override;
    const PaletteIconMakers& PaletteMakers() const override { return palette_; }
    CCorvaneDoc* CurrentNetDocument() override;
    PictureActions* GetPictureActions() override { return pictureActions_; }

private:
    CCorvaneApp& app_;
    const PaletteIconMakers& palette_;
    CToolSet tools_;
    PictureActions* pictureActions_ = nullptr;
};

}  // namespace corvane
