#pragma once

#include "platform/Geometry.h"

#include <span>
#include <string>
#include <string_view>

namespace corvane {

// A paper the page set-up offers, upright, in hundredths of an inch.
struct NamedPaper {
    std::string_view name;
    Size size;
};

// The papers offered for every printer and for PDF files.
std::span<const NamedPaper> StandardPapers();

// The name of a standard paper (upright or turned) within a hundredth of
// an inch, else its size as "8.50 x 11.00 in".
std::string PaperName(Size paper);

}  // namespace corvane
