#include "netmodel/COutput.h"

namespace corvane {

void COutput::DrawLink(DeviceContext& dc) const
{
    if (IsActive())
        DrawConnector(dc);
}

}  // namespace corvane
