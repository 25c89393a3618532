#pragma once

#include "platform/Geometry.h"

#include <memory>

namespace corvane {

class CCorvaneIcon;
class CHardwarePoll;
class CNetDoc;
class HardwareIconMakers;
class HardwarePollReporter;

// What the net view needs of the program around it beyond the editing
// environment: the makers of the hardware icons a query places, the
// Program icon, the wiring list, the program's diagnostic list and the
// query's reporter. The program fills it; tests fake it. It outlives every
// net view.
class NetViewServices {
public:
    virtual ~NetViewServices() = default;

    virtual const HardwareIconMakers& HardwareMakers() const = 0;
    // The Program icon at the rectangle, with the logger's hardware of the
    // poll; null when it cannot be made.
    virtual std::unique_ptr<CCorvaneIcon> MakeProgramIcon(const Rect& position, const CHardwarePoll& poll) = 0;
    // Builds the wiring list of the net's hardware icons and shows it.
    virtual void ShowWiringList(CNetDoc& document) = 0;
    // Empties the program's diagnostic list before a query.
    virtual void ClearDiagnostics() = 0;
    // Where a query reports trouble; null: nowhere.
    virtual HardwarePollReporter* PollReporter() = 0;
};

}  // namespace corvane
