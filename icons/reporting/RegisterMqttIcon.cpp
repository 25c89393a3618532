#include "icons/reporting/RegisterMqttIcon.h"

#include "icons/reporting/CBigMqttIcon.h"
#include "netdoc/IconFactory.h"

#include <memory>

namespace corvane {

void RegisterMqttIcon(IconFactory& factory, SettingsStore& store)
{
    factory.Register(CBigMqttIcon::kTypeCode, [&store](std::uint16_t) {
        auto icon = std::make_unique<CBigMqttIcon>();
        icon->SetSettingsStore(&store);
        return icon;
    });
}

}  // namespace corvane
