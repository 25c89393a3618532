#pragma once

#include "netdoc/CNetClipboard.h"
#include "netdoc/HardwareIconPlacement.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/HardwarePollOwner.h"

#include <filesystem>
#include <vector>

namespace corvane {

class CNetDoc;
class NetViewServices;

// The editor view of a program net: a grid of dots under the icons, zoom,
// icons dropped from the palette, the logger's hardware icons after a
// query, and the net's commands (save, open, query, check, wiring list,
// clipboard, delete). Its drawing units are hundredths of an inch at any
// zoom.
class CNetView : public CCorvaneView, public HardwarePollOwner {
public:
    static constexpr int kDefaultZoom = 100;
    static constexpr int kMinZoom = 10;
    static constexpr int kMaxZoom = 400;
    static constexpr int kZoomStep = 10;

    // Commands of the net menu and the palette's buttons.
    static constexpr int kSaveCommand = 32831;
    static constexpr int kSaveAsCommand = 32844;
    static constexpr int kOpenCommand = 32832;
    static constexpr int kFileOpenCommand = 57601;
    static constexpr int kFileNewCommand = 57600;
    static constexpr int kQueryCommand = 32840;
    static constexpr int kWiringListCommand = 32894;
    static constexpr int kCheckNetCommand = 32896;
    static constexpr int kDeleteSelectionCommand = 0x806E;
    static constexpr int kAddSavedIconsCommand = 40022;
    static constexpr int kAddNewIconCommand = 40023;
    static constexpr int kFirstPaletteButton = 829;
    static constexpr int kLastPaletteButton = 877;
    // The palette cell of the remote register icon and where "Add New Icon" puts it.
    static constexpr int kModbusRegisterCell = 40;
    static constexpr Point kNewIconPoint{200, 200};

    CNetView(EditorEnvironment& environment, NetViewServices& services);
    ~CNetView() override;

    CNetDoc* GetNetDocument() const;

    int Zoom() const { return zoom_; }
    // Sets the zoom (kept within kMinZoom..kMaxZoom), keeps the point under
    // the cursor in place where it can and redraws.
    void SetZoom(int percent);

    // Starts a new net from the logger's hardware: after the save question
    // the net is emptied and, with a connection, the query starts (its end
    // places the hardware icons); without one only the Program icon is made.
    void OnQueryLoggerConfiguration();
    // Saves the net, asking for a name when told to or when it has none of its own.
    void SaveNet(bool alwaysAsk);
    // Deletes the selected objects that may be deleted, with their links.
    void DeleteSelection();
    // Asks for saved Modbus icon files (".mbi", several at once) in the
    // Modbus folder and adds the icon of each to the net.
    void OnAddSavedIcons();
    // Adds the remote register icon a saved-icon file holds, with a new id
    // and without the links it had in its own net. A file that cannot be
    // read or holds anything else is refused with a message naming it and
    // adds nothing; returns whether the icon was added.
    bool AddSavedIcon(const std::filesystem::path& path);

    const std::vector<CCorvaneObj*>& NetSelection() const { return netSelection_; }
    CNetClipboard& Clipboard() { return clipboard_; }
    HardwareIconPlacement* Placement() const { return placement_.get(); }

    // CCorvaneView.
    void OnInitialUpdate() override;
    void OnPrepareDC(DeviceContext& dc) override;
    void DrawGrid(DeviceContext& dc) override;
    bool IsNetView() const override { return true; }
    void ClearNetSelection() override { netSelection_.clear(); }
    void AddToNetSelection(CCorvaneObj& object) override;
    void DropFromSelection(const CCorvaneObj& object) override;
    void OnPaperSizeChanged(Size paper) override;

    // HardwarePollOwner.
    void OnHardwarePollDone() override;

    std::intptr_t OnMessage(Message& message) override;

protected:
    void OnKeyDown(const KeyEvent& event) override;
    void OnContextMenu(Point point) override;
    bool DrawsNetText() const override { return true; }
    // The base's area, then the page and the zoomed scroll area.
    void SizeToPaper() override;

private:
    void RegisterNetCommands();
    void UpdateScrollSizes();
    // The placement of hardware icons works on the document the view shows.
    HardwareIconPlacement* EnsurePlacement();

    NetViewServices& services_;
    CNetClipboard clipboard_;
    std::vector<CCorvaneObj*> netSelection_;  // not owned
    int zoom_ = kDefaultZoom;
    std::unique_ptr<HardwareIconPlacement> placement_;
};

}  // namespace corvane
