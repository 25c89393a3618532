#include "icons/reporting/RegisterReportingPalette.h"

#include "icons/reporting/CBigMqttIcon.h"
#include "icons/reporting/CBigProbeIcon.h"
#include "icons/reporting/CBigRamIcon.h"
#include "icons/reporting/CDataTagIcon.h"
#include "icons/reporting/CEmailIcon.h"
#include "icons/reporting/CFTPIcon.h"
#include "icons/reporting/CModbusClientIcon.h"
#include "icons/reporting/CModbusServerIcon.h"
#include "netmodel/PaletteIconMakers.h"

#include <memory>

namespace corvane {

void RegisterReportingPaletteIcons(PaletteIconMakers& makers, SettingsStore* mqttStore)
{
    makers.Register(1, [](const Rect& position, int) { return std::make_unique<CBigRamIcon>(position); });
    makers.Register(2, [](const Rect& position, int) { return std::make_unique<CBigProbeIcon>(position); });
    makers.Register(11, [](const Rect& position, int) { return std::make_unique<CEmailIcon>(position); });
    makers.Register(12, [](const Rect& position, int) { return std::make_unique<CFTPIcon>(position); });
    makers.Register(40, [](const Rect& position, int) { return std::make_unique<CModbusServerIcon>(position); });
    makers.Register(44, [](const Rect& position, int) { return std::make_unique<CDataTagIcon>(position); });
    makers.Register(
        45, [mqttStore](const Rect& position, int) { return std::make_unique<CBigMqttIcon>(position, mqttStore); });
    makers.Register(47, [](const Rect& position, int) { return std::make_unique<CModbusClientIcon>(position); });
}

}  // namespace corvane
