#pragma once

#include "controls/TreeOptionsItemData.h"
#include "platform/TreeViewControl.h"

#include <cstdint>
#include <string>

namespace corvane {

class CTreeOptionsCtrl;
class DataExchange;

// A dialog's data exchange with the items of its option tree: saving reads
// the item into the variable (after the open editor, if any, has written its
// value into the item), loading writes the variable into the item.

// A check box: 0 or 1.
void DdxTreeCheck(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, int& checked);
// The index of the checked radio child of parent; saving leaves index as it
// is when none is checked.
void DdxTreeRadio(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem parent, int& index);
// The value text of an edit, combo, file or folder item.
void DdxTreeText(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, std::string& text);
// The value text as a number: saving takes the leading digits (0 without),
// loading writes the number in decimal.
void DdxTreeInt(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, int& value);
// "True" or "False" through a combo item; only exactly "True" saves as true.
void DdxTreeBoolean(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, bool& value);
void DdxTreeColour(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, std::uint32_t& colour);
void DdxTreeFont(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, TreeOptionsFont& font);
void DdxTreeDateTime(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, TreeOptionsTime& time);
void DdxTreeIpAddress(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, std::uint32_t& address);

}  // namespace corvane
