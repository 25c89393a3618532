#pragma once

#include <string>
#include <vector>

namespace corvane {

// The font face names the machine offers, in the toolkit's order.
std::vector<std::string> ListFontFaces();

}  // namespace corvane
