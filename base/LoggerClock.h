#pragma once

#include <cstdint>

namespace corvane {

class NoticeSink;

// Tells the user when the logger's clock and the PC's differ by more than
// an hour. Called once per connection with the logger time read at connect.
// Returns true when the notice was given.
bool CheckLoggerClock(std::int64_t loggerTime, std::int64_t pcTime, NoticeSink& sink);

}  // namespace corvane
