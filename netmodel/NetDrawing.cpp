#include "netmodel/NetDrawing.h"

#include "netmodel/ConnectorTypes.h"

namespace corvane {

RgbColour ConnectorColour(int dataType, bool isTriggerInput)
{
    std::uint32_t colour = kConnectorRed;
    if ((dataType & data_type::kUnsettled) != 0)
        colour = kConnectorGrey;
    else if (dataType == 4)
        colour = kConnectorBlack;
    else if (dataType == 16 || dataType == 20 || isTriggerInput)
        colour = kConnectorBlue;
    else if (dataType == 2 || dataType == 6)
        colour = kConnectorGreen;
    return RgbFromStoredColour(colour);
}

}  // namespace corvane
