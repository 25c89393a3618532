#include "platform/PaperSizes.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace corvane {

namespace {

// Sizes rounded to the hundredth of an inch (the ISO sizes from millimetres).
constexpr std::array kPapers = {
    NamedPaper{"Letter", {850, 1100}},
    NamedPaper{"Legal", {850, 1400}},
    NamedPaper{"Executive", {725, 1050}},
    NamedPaper{"Tabloid", {1100, 1700}},
    NamedPaper{"A3", {1169, 1654}},
    NamedPaper{"A4", {827, 1169}},
    NamedPaper{"A5", {583, 827}},
    NamedPaper{"B5", {693, 984}},
};

bool Near(int a, int b) { return std::abs(a - b) <= 1; }

}  // namespace

std::span<const NamedPaper> StandardPapers() { return kPapers; }

std::string PaperName(Size paper)
{
    for (const NamedPaper& each : kPapers) {
        if ((Near(paper.width, each.size.width) && Near(paper.height, each.size.height))
            || (Near(paper.width, each.size.height) && Near(paper.height, each.size.width)))
            return std::string(each.name);
    }
    char text[64] = {};
    std::snprintf(text, sizeof text, "%d.%02d x %d.%02d in", paper.width / 100, std::abs(paper.width % 100),
        paper.height / 100, std::abs(paper.height % 100));
    return text;
}

}  // namespace corvane
