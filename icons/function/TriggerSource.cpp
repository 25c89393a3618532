#include "icons/function/TriggerSource.h"

#include "base/Cp1252.h"
#include "icons/common/CIconDialog.h"
#include "netmodel/CCorvaneIcon.h"

namespace corvane {

std::string TriggerSourceName(const CCorvaneIcon& icon)
{
    const InputLink& link = icon.Header().trigger;
    const CCorvaneIcon* source = link.IsConnected() ? icon.FindIconById(link.sourceId) : nullptr;
    if (source == nullptr)
        return "Unconnected";
    return Cp1252ToUtf8(source->Header().name.substr(0, CIconDialog::kNameLimit));
}

}  // namespace corvane
