#include "icons/function/CXorIcon.h"

namespace corvane {

CXorIcon::CXorIcon() : CLogicIcon(Gate::Xor) {}

CXorIcon::CXorIcon(const Rect& position) : CLogicIcon(position, Gate::Xor, "Exclusive OR") {}

}  // namespace corvane
