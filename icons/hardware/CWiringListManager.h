#pragma once

#include "icons/hardware/CHardwareModuleInfo.h"

#include <memory>
#include <string>
#include <vector>

namespace corvane {

class CCorvaneObj;
class CGlobalIcon;
class CHardwareIcon;
class CNetDoc;
class TextFileViewer;
class Window;

// Builds the terminal-strip wiring list of a program net: one section per
// hardware module that the net's hardware icons belong to (in the order
// first met), each listing every terminal of the module with the name of
// the icon wired to it ("Unused" when that icon is not connected in the
// net), its function and its polarity, after the Program icon's header.
// The header's two lines end in a line feed, every other line in carriage
// return and line feed. The net view runs CollectModules, CollectPins,
// AddFixedPins and SaveAndShow in that order.
class CWiringListManager {
public:
    using ObjectList = std::vector<std::unique_ptr<CCorvaneObj>>;

    CWiringListManager(Window* view, CNetDoc& document, TextFileViewer& viewer);
    ~CWiringListManager();

    // A module for every (module type, address) of the list's hardware icons.
    void CollectModules(const ObjectList& objects);
    bool HasModule(const CHardwareIcon& icon) const;
    CHardwareModuleInfo* FindModule(const CHardwareIcon& icon) const;
    void AddModule(const CHardwareIcon& icon);
    // The header from the Program icon and each hardware icon's pins.
    void CollectPins(const ObjectList& objects);
    void AddFixedPins();
    void SetHeader(const CGlobalIcon& program);

    const std::vector<std::unique_ptr<CHardwareModuleInfo>>& Modules() const { return modules_; }
    // The whole listing as it is written to the file.
    std::string BuildListing() const;
    // Asks for a file name, writes the listing there and shows it in the
    // viewer. False when the user cancelled or the file could not be
    // written (which is reported).
    bool SaveAndShow();

private:
    Window* view_;
    CNetDoc& document_;
    TextFileViewer& viewer_;
    std::vector<std::unique_ptr<CHardwareModuleInfo>> modules_;
    std::string header_;
};

}  // namespace corvane
