#include "icons/function/CNotIcon.h"

namespace corvane {

CNotIcon::CNotIcon() : CLogicIcon(Gate::Not) {}

CNotIcon::CNotIcon(const Rect& position) : CLogicIcon(position, Gate::Not, "Invert") {}

}  // namespace corvane
