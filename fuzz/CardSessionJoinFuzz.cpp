// Plans the join of a memory-card session from arbitrary entry names, one
// a line. "HEADER" must be found in any case, every data file taken once in
// number order, and the missing numbers named exactly: the gaps and the
// files taken together cover 0 up to the highest number present.
#include "download/CardSessionJoin.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::uint32_t Number(std::string_view name)
{
    std::uint32_t number = 0;
    for (const char c : name.substr(0, 8))
        number = number * 10 + static_cast<std::uint32_t>(c - '0');
    return number;
}

bool IsDataFileName(std::string_view name)
{
    if (name.size() != 12 || name[8] != '.')
        return false;
    for (const char c : name.substr(0, 8))
        if (c < '0' || c > '9')
            return false;
    const std::string_view extension = name.substr(9);
    return (extension[0] | 0x20) == 'v' && (extension[1] | 0x20) == 'r' && (extension[2] | 0x20) == 'd';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        names.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    const corvane::CardSessionJoinPlan plan = corvane::PlanCardSessionJoin(names);

    std::uint64_t covered = 0;  // numbers taken or named missing, from 0 up
    std::uint32_t next = 0;
    for (const std::string& name : plan.dataFiles) {
        if (!IsDataFileName(name) || Number(name) < next)
            __builtin_trap();
        next = Number(name) + 1;
        ++covered;
    }
    for (const std::string& gap : plan.missing) {
        const std::uint32_t first = Number(gap);
        const std::uint32_t last = gap.size() > 12 ? Number(std::string_view(gap).substr(16)) : first;
        if (last < first)
            __builtin_trap();
        covered += last - first + 1;
    }
    if (covered != next)
        __builtin_trap();
    if (plan.header) {
        std::string lower = *plan.header;
        for (char& c : lower)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (lower != "header")
            __builtin_trap();
    }
    return 0;
}
