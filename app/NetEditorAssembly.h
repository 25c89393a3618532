#pragma once

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

// The maker of the net window's template for the shell's neighbours; the
// assembly it makes lives as long as the maker.
ShellNeighbours::TemplateMaker MakeNetEditorTemplateMaker();

}  // namespace corvane
