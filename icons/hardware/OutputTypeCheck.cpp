#include "icons/hardware/OutputTypeCheck.h"

#include "netmodel/CCorvaneIcon.h"

namespace corvane {
namespace {

constexpr int kTypeBits = data_type::kData | data_type::kLogic;

}  // namespace

bool OutputFeedsOnlyType(const CCorvaneIcon& icon, int outputIndex, int requiredType)
{
    if (outputIndex >= icon.OutputCount())
        return true;
    for (const LinkedInput& linked : icon.FindLinkedInputs(outputIndex)) {
        const CInput* input = linked.icon->InputConnector(linked.slot);
        if (input == nullptr)
            continue;
        const int type = input->GetDataType();
        if ((type & data_type::kAdapts) != 0)
            continue;
        if ((type & kTypeBits) != 0 && (type & kTypeBits) != requiredType)
            return false;
    }
    return true;
}

void AdaptFedInputs(CCorvaneIcon& icon, int outputIndex, int requiredType)
{
    if (outputIndex >= icon.OutputCount())
        return;
    for (const LinkedInput& linked : icon.FindLinkedInputs(outputIndex)) {
        CInput* input = linked.icon->InputConnector(linked.slot);
        if (input != nullptr && (input->GetDataType() & data_type::kAdapts) != 0)
            input->SetDataType(requiredType | data_type::kAdapts);
    }
}

}  // namespace corvane
