#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/common/FunctionIconCatalogue.h"
#include "netmodel/CCorvaneIcon.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace corvane::test {

// Checks what a placed function icon shares with its catalogue row: type
// code, connectors, fixed record length, and the layout and help context of
// the dialog it opens. The picture is left to the caller.
inline void ExpectIconMatchesRow(CCorvaneIcon& icon, const FunctionIconInfo& row)
{
    EXPECT_EQ(icon.TypeCode(), row.typeCode);
    EXPECT_EQ(icon.InputCount(), row.inputs);
    EXPECT_EQ(icon.OutputCount(), row.outputs);
    EXPECT_EQ(icon.TriggerInput().IsActive(), row.trigger);
    EXPECT_EQ(icon.EnableInput().IsActive(), row.enable);
    EXPECT_EQ(icon.ExtraInputCount() == 1, row.select);
    EXPECT_EQ(icon.Header().length, row.recordLength);

    const std::unique_ptr<IconDialog> dialog = icon.CreateIconDialog();
    const auto* iconDialog = dynamic_cast<const CIconDialog*>(dialog.get());
    ASSERT_NE(iconDialog, nullptr);
    EXPECT_EQ(iconDialog->Layout().id, row.dialogId);
    const std::uint32_t help = row.helpContext != 0
        ? row.helpContext
        : CIconDialog::kDefaultHelpBase + static_cast<std::uint32_t>(row.dialogId);
    EXPECT_EQ(iconDialog->HelpContext(), help);
}

// The icon's own connection check answers as the row's requirements do,
// for the links the icon has now.
inline void ExpectChecksFollowRow(const CCorvaneIcon& icon, const FunctionIconInfo& row)
{
    const auto& req = row.checks;
    bool isolated = false;
    EXPECT_EQ(icon.CheckIconConnections(isolated),
        icon.CheckConnections(
            isolated, false, req.trigger, req.select, req.minimumInputs, req.output, req.isolationAllowed));
}

}  // namespace corvane::test
