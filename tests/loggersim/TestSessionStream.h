#pragma once

#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/LoggedSessionPlan.h"
#include "loggersim/LoggerState.h"

#include <cstdint>
#include <vector>

namespace corvane::test {

// The whole record stream the generator gives for plan: the head records,
// then every data record.
inline std::vector<std::uint8_t> GeneratedStream(const LoggerState& unit, const LoggedSessionPlan& plan)
{
    LoggedSessionGenerator generator(unit, plan);
    std::vector<std::uint8_t> stream = generator.HeadRecords();
    LoggedSessionGenerator::Record record{};
    while (generator.Next(record))
        stream.insert(stream.end(), record.begin(), record.end());
    return stream;
}

// A plan that starts at startSeconds with scans scans.
inline LoggedSessionPlan SessionAt(std::uint32_t startSeconds, std::uint32_t scans = 10)
{
    LoggedSessionPlan plan;
    plan.startSeconds = startSeconds;
    plan.scanCount = scans;
    return plan;
}

}  // namespace corvane::test
