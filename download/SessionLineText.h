#pragma once

#include <cstdint>
#include <string>

namespace corvane {

struct SessionEntry;

// A session time in the PC's local time, "%m/%d/%y %H:%M:%S"; question
// marks in place of every digit for a time above 0x7FFFFFFE or one that
// cannot be shown.
std::string SessionTimeText(std::uint32_t seconds);

// The session's line in the list, tab-separated: mode ("Rot" or "Cont"),
// start, stop, size in KB rounded up, name. A session still logging shows
// "~" before its size and "**/**/** **:**:**" as its stop.
std::string SessionLineText(const SessionEntry& entry);

}  // namespace corvane
