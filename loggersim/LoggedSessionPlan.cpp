#include "loggersim/LoggedSessionPlan.h"

namespace corvane {

std::vector<LoggedPoint> DefaultLoggedPoints()
{
    return {
        {2, 1, 1, 2, "Tank Temperature", "degC"},
        {2, 1, 2, 1, "Line Pressure", "kPa"},
        {1, 2, 3, 0, "Pulse Count", "pulses"},
        {0, 3, 4, 0, "Pump Running", ""},
    };
}

}  // namespace corvane
