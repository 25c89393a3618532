#pragma once

#include <string>

namespace corvane {

class CCorvaneIcon;

// The name of the icon feeding an icon's trigger input (UTF-8), or
// "Unconnected" when nothing does or the feeding icon is gone.
std::string TriggerSourceName(const CCorvaneIcon& icon);

}  // namespace corvane
