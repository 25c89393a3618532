// The statistics, data buffer, scratchpad, filter and warm-up icons as the
// function-icon catalogue describes them.
#include "CatalogueRowCheck.h"
#include "StatsIconsTestSupport.h"

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
namespace stats_icons_catalogue_test {
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
        EXPECT_EQ(icon->BitmapId(), row.bitmapId);
        test::ExpectIconMatchesRow(*icon, row);
        if (row.subtype) {
            const auto record = Saved(*icon);
            EXPECT_EQ(SubtypeFromRecord(record, row.typeCode), *row.subtype);
        }

        // The checks, alone and once something feeds the enable input.
        test::ExpectChecksFollowRow(*icon, row);
        test::Link(Place<CConstIcon>(doc, kStatsDrop, res::kBitmapRemoteSwitch), 0, *icon, kEnableSlot);
        test::ExpectChecksFollowRow(*icon, row);
    }
    EXPECT_EQ(matched, 8);
}

}  // namespace
}  // namespace stats_icons_catalogue_test
}  // namespace corvane
