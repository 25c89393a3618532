#include "icons/function/RegisterMathIcon.h"

#include "icons/function/CMathIcon.h"
#include "netdoc/IconFactory.h"

#include <memory>

namespace corvane {

void RegisterMathIcon(IconFactory& factory, SettingsStore& store)
{
    factory.Register(CMathIcon::kTypeCode, [&store](std::uint16_t) {
        auto icon = std::make_unique<CMathIcon>();
        icon->SetLibraryStore(&store);
        return icon;
    });
}

}  // namespace corvane
