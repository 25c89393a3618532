#include "controls/FloatEdit.h"

#include "controls/NumericFilter.h"
#include "platform/EditControl.h"

namespace corvane {

FloatEdit::FloatEdit(EditControl& edit) : edit_(edit)
{
    edit_.SetCharFilter(MakeNumericFilter(edit_, true));
}

}  // namespace corvane
