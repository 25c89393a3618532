// The statistics, data buffer, scratchpad, filter and warm-up icons as the
// function-icon catalogue describes them.
#include "StatsIconsTestSupport.h"

#include "icons/common/CIconDialog.h"
#include "icons/common/FunctionIconCatalogue.h"
#include "icons/function/CAvgIcon.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CDataBufferIcon.h"
#include "icons/function/CFilterIcon.h"
#include "icons/function/CMinMaxIcon.h"
#include "icons/function/CScratchPadIcon.h"
#include "icons/function/CSpikeBlockerIcon.h"
#include "icons/function/CSumIcon.h"
#include "icons/function/CWarmupIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

using test::kStatsDrop;
using test::Place;

class StatsIconsCatalogue : public test::StatsIconTest {
protected:
    CCorvaneIcon* PlaceClass(std::string_view className)
    {
        if (className == "CMinMaxIcon")
            return &Place<CMinMaxIcon>(doc, kStatsDrop);
        if (className == "CSumIcon")
            return &Place<CSumIcon>(doc, kStatsDrop);
        if (className == "CAvgIcon")
            return &Place<CAvgIcon>(doc, kStatsDrop);
        if (className == "CDataBufferIcon")
            return &Place<CDataBufferIcon>(doc, kStatsDrop);
        if (className == "CScratchPadIcon")
            return &Place<CScratchPadIcon>(doc, kStatsDrop);
        if (className == "CFilterIcon")
            return &Place<CFilterIcon>(doc, kStatsDrop);
        if (className == "CSpikeBlockerIcon")
            return &Place<CSpikeBlockerIcon>(doc, kStatsDrop);
        if (className == "CWarmupIcon")
            return &Place<CWarmupIcon>(doc, kStatsDrop);
        return nullptr;
    }
};

TEST_F(StatsIconsCatalogue, PlacedIconsMatchTheirRows)
{
    int matched = 0;
    for (const FunctionIconInfo& row : FunctionIconCatalogue()) {
        CCorvaneIcon* icon = PlaceClass(row.className);
        if (icon == nullptr)
            continue;
        ++matched;
        SCOPED_TRACE(std::string(row.className));
        EXPECT_EQ(icon->TypeCode(), row.typeCode);
        EXPECT_EQ(icon->BitmapId(), row.bitmapId);
        EXPECT_EQ(icon->InputCount(), row.inputs);
        EXPECT_EQ(icon->OutputCount(), row.outputs);
        EXPECT_EQ(icon->TriggerInput().IsActive(), row.trigger);
        EXPECT_EQ(icon->EnableInput().IsActive(), row.enable);
        EXPECT_EQ(icon->ExtraInputCount() == 1, row.select);
        EXPECT_EQ(icon->Header().length, row.recordLength);
        if (row.subtype) {
            const auto record = Saved(*icon);
            EXPECT_EQ(SubtypeFromRecord(record, row.typeCode), *row.subtype);
        }

        const std::unique_ptr<IconDialog> dialog = icon->CreateIconDialog();
        const auto* iconDialog = dynamic_cast<const CIconDialog*>(dialog.get());
        ASSERT_NE(iconDialog, nullptr);
        EXPECT_EQ(iconDialog->Layout().id, row.dialogId);
        const std::uint32_t help = row.helpContext != 0
            ? row.helpContext
            : CIconDialog::kDefaultHelpBase + static_cast<std::uint32_t>(row.dialogId);
        EXPECT_EQ(iconDialog->HelpContext(), help);

        // The checks, alone and once something feeds the enable input.
        const auto& req = row.checks;
        const auto same = [&] {
            bool isolated = false;
            EXPECT_EQ(icon->CheckIconConnections(isolated),
                icon->CheckConnections(
                    isolated, false, req.trigger, req.select, req.minimumInputs, req.output, req.isolationAllowed));
        };
        same();
        test::Link(Place<CConstIcon>(doc, kStatsDrop, res::kBitmapRemoteSwitch), 0, *icon, kEnableSlot);
        same();
    }
    EXPECT_EQ(matched, 8);
}

}  // namespace
}  // namespace corvane
