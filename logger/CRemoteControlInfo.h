#pragma once

#include "platform/TreeViewControl.h"

#include <cstdint>
#include <string>

namespace corvane {

// One remote icon of the remote-controls tree: a remote constant with its
// f32 value or a remote switch with its High/Low state, the values the
// logger holds and the ones being sent.
class CRemoteControlInfo {
public:
    virtual ~CRemoteControlInfo() = default;

    std::string ValueText;     // a constant's value as "%.6f"
    TreeItem LowItem = 0;      // a switch's "Low" radio item
    TreeItem HighItem = 0;     // a switch's "High" radio item
    TreeItem Item = 0;         // a constant's edit item, a switch's group item
    std::int32_t SwitchState = 0;  // 1 High, else Low
    float ConstantValue = 0.0f;
    std::int32_t NewSwitchState = 0;
    float NewConstantValue = 0.0f;
    std::uint32_t IconId = 0;
    std::string Name;  // UTF-8
};

}  // namespace corvane
