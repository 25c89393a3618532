#include "controls/PosFloatEdit.h"

#include "controls/NumericFilter.h"
#include "platform/EditControl.h"

namespace corvane {

PosFloatEdit::PosFloatEdit(EditControl& edit) : edit_(edit)
{
    edit_.SetCharFilter(MakeNumericFilter(edit_, false));
}

}  // namespace corvane
