#pragma once

#include "app/CommWindowShellServices.h"
#include "app/EditorShellEnvironment.h"
#include "app/NetDocShellServices.h"
#include "app/NetViewShellServices.h"
#include "app/ProgramSheetShellServices.h"
#include "app/ShellNeighbours.h"
#include "app/ShellPollReporter.h"
#include "icons/hardware/DesktopTextViewer.h"
#include "netdoc/HardwareIconMakers.h"
#include "netdoc/IconFactory.h"
#include "netmodel/PaletteIconMakers.h"

#include <memory>

namespace corvane {

class CCorvaneApp;
class CNetDoc;
class DocTemplate;

// The program-net editor as the shell puts it together: every icon class
// taught to the net document's factory, the palette and the hardware
// query; the program's one set of mouse tools; the services of the net
// document and its views over the application object; and the template
// that makes the net window (document, frame with its palette, view).
class NetEditorAssembly {
public:
    explicit NetEditorAssembly(CCorvaneApp& app);
    ~NetEditorAssembly();
    NetEditorAssembly(const NetEditorAssembly&) = delete;
    NetEditorAssembly& operator=(const NetEditorAssembly&) = delete;

    std::unique_ptr<DocTemplate> MakeTemplate();

    const IconFactory& Factory() const { return factory_; }
    EditorShellEnvironment& Environment() { return environment_; }
    NetDocShellServices& DocServices() { return docServices_; }
    // The net document of the template, or null while there is none.
    CNetDoc* Document() const;
    // The palette's network cells follow the logger connected now.
    void UpdateIconBar();

private:
    void ConvertNet(const std::filesystem::path& path);

    CCorvaneApp& app_;
    IconFactory factory_;
    PaletteIconMakers palette_;
    HardwareIconMakers hardware_;
    ShellPollReporter reporter_;
    ProgramSheetShellServices sheet_;
    DesktopTextViewer viewer_;
    NetDocShellServices docServices_;
    EditorShellEnvironment environment_;
    NetViewShellServices viewServices_;
};

// Where the Communication Window looks for loggers on USB and serial
// devices: "/sys" and "/dev", or CORVANE_USB_ROOT's "sys" and "dev"
// folders when that is set (a simulated logger's USB tree); and where it
// learns whether the card reader's mount point holds a removable card:
// the mount table and "/sys/class/block", or CORVANE_MEDIA_ROOT's "mounts"
// file and "block" folder when that is set (a simulated memory card).
CommWindowShellServices::Places ProgramDevicePlaces();

// Puts the program's own windows in place of the shell's stand-ins: the
// Communication Window and the net editor, sharing the one set of mouse
// tools. What they make lives as long as the neighbours.
void InstallProgramWindows(ShellNeighbours& neighbours, CommWindowShellServices::Places places);

}  // namespace corvane
