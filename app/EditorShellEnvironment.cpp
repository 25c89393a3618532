#include "app/EditorShellEnvironment.h"

#include "app/CCorvaneApp.h"
#include "netmodel/CCorvaneDoc.h"

namespace corvane {

bool EditorShellEnvironment::GetSnapToGrid() const
{
    return app_.GetSnapToGrid() != 0;
}

void EditorShellEnvironment::SetSnapToGrid(bool snap)
{
    app_.SetSnapToGrid(snap ? 1 : 0);
}

bool EditorShellEnvironment::IsConnected() const
{
    return app_.Connection().IsConnected();
}

std::uint8_t EditorShellEnvironment::LoggerCapabilityByte() const
{
    return app_.Connection().GetLoggerCapabilityByte();
}

std::uint16_t EditorShellEnvironment::PolledConfigWord() const
{
    return app_.Connection().GetPolledConfigWord();
}

CCorvaneDoc* EditorShellEnvironment::CurrentNetDocument()
{
    return dynamic_cast<CCorvaneDoc*>(app_.NetDocument());
}

}  // namespace corvane
