#include "controls/TreeOptionsDataExchange.h"

#include "controls/CTreeOptionsCtrl.h"
#include "platform/DataExchange.h"

#include <cstdlib>

namespace corvane {

namespace {

// True when the exchange goes on; a save first takes the open editor's value.
bool Begin(DataExchange& dx, CTreeOptionsCtrl& tree)
{
    if (!dx.Active())
        return false;
    if (dx.Saving() && tree.CurrentItem() != 0)
        tree.EndEdit();
    return true;
}

}  // namespace

void DdxTreeCheck(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, int& checked)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving()) {
        bool state = false;
        if (tree.GetCheckBox(item, state))
            checked = state ? 1 : 0;
    } else {
        tree.SetCheckBox(item, checked != 0);
    }
}

void DdxTreeRadio(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem parent, int& index)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving()) {
        int found = -1;
        TreeItem item = 0;
        if (tree.GetCheckedRadioButton(parent, found, item))
            index = found;
    } else {
        tree.SetRadioButtonByIndex(parent, index);
    }
}

void DdxTreeText(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, std::string& text)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving())
        text = tree.GetValueText(item);
    else
        tree.SetValueText(item, text);
}

void DdxTreeInt(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, int& value)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving())
        value = std::atoi(tree.GetValueText(item).c_str());
    else
        tree.SetValueText(item, std::to_string(value));
}

void DdxTreeBoolean(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, bool& value)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving())
        value = tree.GetValueText(item) == "True";
    else
        tree.SetValueText(item, value ? "True" : "False");
}

void DdxTreeColour(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, std::uint32_t& colour)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving())
        colour = tree.GetColor(item);
    else
        tree.SetColor(item, colour);
}

void DdxTreeFont(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, TreeOptionsFont& font)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving())
        font = tree.GetFont(item);
    else
        tree.SetFont(item, font);
}

void DdxTreeDateTime(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, TreeOptionsTime& time)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving())
        time = tree.GetDateTime(item);
    else
        tree.SetDateTime(item, time);
}

void DdxTreeIpAddress(DataExchange& dx, CTreeOptionsCtrl& tree, TreeItem item, std::uint32_t& address)
{
    if (!Begin(dx, tree))
        return;
    if (dx.Saving())
        address = tree.GetIPAddress(item);
    else
        tree.SetIPAddress(item, address);
}

}  // namespace corvane
