#pragma once

#include "card/CFlashCardManager.h"
#include "netmodel/CCorvaneDoc.h"

#include <cstdint>
#include <filesystem>

namespace corvane {

class CCorvaneObj;
class CommWindowServices;

// The document behind the Communication Window: the picture's objects (in
// drawing order, the last on top), the hardware query of the connected
// logger and the manager of the memory card read in the PC. Nothing in it
// is edited or saved, so it never asks to save.
class CLaunchDoc final : public CCorvaneDoc {
public:
    static constexpr std::string_view kTitle = "Communication";
    static constexpr std::uint32_t kPaperColour = 0xC1C1C1;

    // Starts the card manager (and its worker) with the program's card
    // settings.
    explicit CLaunchDoc(CommWindowServices& services);
    ~CLaunchDoc() override;

    CFlashCardManager& CardManager() { return cardManager_; }

    // The topmost object that a 1 x 1 rectangle at the point hits.
    CCorvaneObj* HitTest(Point point) const;
    // The bottom-most drop target (a clickable picture item) hit there.
    CCorvaneObj* HitTestSelectable(Point point) const;
    // The object at a list position; null outside the list.
    CCorvaneObj* GetObjectAt(int index) const;
    // Takes every object out of the document and frees it.
    void DeleteAllObjects();

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::filesystem::path& path) override;
    // Never asks and never writes: closing always may go ahead.
    bool SaveModified() override { return true; }

private:
    CFlashCardManager cardManager_;
};

}  // namespace corvane
