#include "icons/function/COrIcon.h"

namespace corvane {

COrIcon::COrIcon() : CLogicIcon(Gate::Or) {}

COrIcon::COrIcon(const Rect& position) : CLogicIcon(position, Gate::Or, "Or") {}

}  // namespace corvane
