#pragma once

#include <string_view>

namespace corvane {

// What the execution-order walk needs of the net document that runs it:
// the next execution number (1, 2, 3 ...) and its list of findings.
class NetContext {
public:
    virtual ~NetContext() = default;
    virtual int NextExecutionOrder() = 0;
    virtual void AddMessage(std::string_view text) = 0;
};

}  // namespace corvane
