#include "icons/function/CAndIcon.h"

namespace corvane {

CAndIcon::CAndIcon() : CLogicIcon(Gate::And) {}

CAndIcon::CAndIcon(const Rect& position) : CLogicIcon(position, Gate::And, "And") {}

}  // namespace corvane
